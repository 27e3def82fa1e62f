#include "ui/message_dialogs.h"

#include "ui/platform/dialog.h"

bool AskAreYouSure(QWidget* parent) { return CDialog(IDD_CONFIRM, parent).DoModal() == IDOK; }

bool AskOverwriteProfile(QWidget* parent) { return CDialog(IDD_OVERWRITE, parent).DoModal() == IDOK; }

namespace {

CDialog* MakeMessage(int templateId, QWidget* parent) {
  auto* dialog = new CDialog(templateId, parent);
  QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
  return dialog;
}

}  // namespace

CDialog* MakeVictoryMessage(QWidget* parent) { return MakeMessage(IDD_VICTORY, parent); }

CDialog* MakeDefeatMessage(QWidget* parent) { return MakeMessage(IDD_DEFEAT, parent); }
