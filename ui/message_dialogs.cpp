#include "ui/message_dialogs.h"

#include "ui/platform/dialog.h"

bool AskAreYouSure(QWidget* parent) { return CDialog(IDD_CONFIRM, parent).DoModal() == IDOK; }

bool AskOverwriteProfile(QWidget* parent) { return CDialog(IDD_OVERWRITE, parent).DoModal() == IDOK; }

void ShowVictoryMessage(QWidget* parent) { CDialog(IDD_VICTORY, parent).DoModal(); }

void ShowDefeatMessage(QWidget* parent) { CDialog(IDD_DEFEAT, parent).DoModal(); }
