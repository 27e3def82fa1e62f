#pragma once
// The four dialogs with a fixed message and no code of their own: the
// confirmation "Are you sure?", the question before a profile is overwritten,
// and the two end-of-game messages. Each is a plain CDialog on its template;
// the questions are shown modally over parent and their answer read.

class CDialog;
class QWidget;

// "Are you sure?": true only for "Yes". Enter and Escape answer "NO".
bool AskAreYouSure(QWidget* parent);

// "This user model already exists. Do you want to overwrite it?": true only
// for "Yes". Enter and Escape answer "NO".
bool AskOverwriteProfile(QWidget* parent);

// The end-of-game messages, made to be opened without waiting (CDialog::Open):
// whoever waits for the player connects to their finished signal. Each
// deletes itself once closed.
CDialog* MakeVictoryMessage(QWidget* parent);
CDialog* MakeDefeatMessage(QWidget* parent);
