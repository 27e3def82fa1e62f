#pragma once
// The four dialogs with a fixed message and no code of their own: the
// confirmation "Are you sure?", the question before a profile is overwritten,
// and the two end-of-game messages. Each is a plain CDialog on its template;
// these helpers show one modally over parent and read its answer.

class QWidget;

// "Are you sure?": true only for "Yes". Enter and Escape answer "NO".
bool AskAreYouSure(QWidget* parent);

// "This user model already exists. Do you want to overwrite it?": true only
// for "Yes". Enter and Escape answer "NO".
bool AskOverwriteProfile(QWidget* parent);

// The end-of-game messages; each returns when the player has closed it.
void ShowVictoryMessage(QWidget* parent);
void ShowDefeatMessage(QWidget* parent);
