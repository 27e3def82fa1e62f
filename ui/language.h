#pragma once
// The player's language: the game's own translations (built into the
// program) and Qt's, for its standard buttons and dialogs. English, the
// language the texts are written in, needs no translator.

#include <QLocale>
#include <QString>

// Installs the translators for the first of locale's languages that the
// game ships (replacing any installed before), or none for English or a
// language it does not ship. Returns the language loaded ("" for English).
QString InstallLanguage(const QLocale& locale);

// The language InstallLanguage loaded last: "" for English.
QString GameLanguage();
