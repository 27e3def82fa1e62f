#include "ui/message_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>
#include <system_error>

namespace {

QString Title() { return QCoreApplication::translate("Messages", "Tarvell"); }

void Prepare(QMessageBox& box, const char* name, const QString& text) {
  box.setObjectName(QLatin1String(name));
  box.setWindowTitle(Title());
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
}

// A question answered "Yes" or "NO", "NO" being the default and the
// answer to Enter and Escape. Every button of the game's own questions
// carries a mnemonic: its underlined letter answers, alone or with Alt.
bool AskYesOrNo(const char* name, const QString& text, QWidget* parent) {
  QMessageBox box(parent);
  Prepare(box, name, text);
  box.setIcon(QMessageBox::Question);
  QPushButton* yes = box.addButton(QCoreApplication::translate("Messages", "&Yes"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QCoreApplication::translate("Messages", "&NO"), QMessageBox::NoRole);
  // Enter presses the default button even while "Yes" has the focus.
  yes->setAutoDefault(false);
  no->setAutoDefault(false);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

QMessageBox* CreateEndOfGameMessage(const char* name, const QString& text, QWidget* parent) {
  auto* box = new QMessageBox(parent);
  Prepare(*box, name, text);
  box->setIcon(QMessageBox::Information);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setDefaultButton(box->addButton(QMessageBox::Ok));
  return box;
}

}  // namespace

LeaveAnswer AskLeaveOrKeep(QWidget* parent) {
  QMessageBox box(parent);
  Prepare(box, IDD_CONFIRM,
          QCoreApplication::translate("Messages", "Leaving this game counts as a loss. Are you sure?"));
  box.setIcon(QMessageBox::Question);
  QPushButton* yes = box.addButton(QCoreApplication::translate("Messages", "&Yes"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QCoreApplication::translate("Messages", "&NO"), QMessageBox::NoRole);
  QPushButton* keep =
      box.addButton(QCoreApplication::translate("Messages", "&Keep for later"), QMessageBox::ActionRole);
  for (QPushButton* button : {yes, no, keep}) button->setAutoDefault(false);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  if (box.clickedButton() == yes) return LeaveAnswer::Leave;
  return box.clickedButton() == keep ? LeaveAnswer::Keep : LeaveAnswer::Stay;
}

bool AskContinueGame(QWidget* parent, int turn) {
  QMessageBox box(parent);
  Prepare(box, IDD_CONTINUE, QCoreApplication::translate("Messages", "Continue your game from turn %1?").arg(turn));
  box.setIcon(QMessageBox::Question);
  QPushButton* yes = box.addButton(QCoreApplication::translate("Messages", "&Yes"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QCoreApplication::translate("Messages", "&No"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

AnotherUser AskAnotherUser(QWidget* parent, const QString& problem) {
  QMessageBox box(parent);
  Prepare(box, IDD_ANOTHER_USER,
          problem + QLatin1Char('\n') +
              QCoreApplication::translate("Messages", "Choose another user, or play without saving your record."));
  box.setIcon(QMessageBox::Warning);
  QPushButton* newUser = box.addButton(QCoreApplication::translate("Messages", "&New User..."), QMessageBox::YesRole);
  QPushButton* select =
      box.addButton(QCoreApplication::translate("Messages", "&Select User..."), QMessageBox::ActionRole);
  QPushButton* none =
      box.addButton(QCoreApplication::translate("Messages", "&Play Without Saving"), QMessageBox::RejectRole);
  box.setDefaultButton(newUser);
  box.setEscapeButton(none);
  box.exec();
  if (box.clickedButton() == newUser) return AnotherUser::New;
  return box.clickedButton() == select ? AnotherUser::Select : AnotherUser::None;
}

bool AskAreYouSure(QWidget* parent) {
  return AskYesOrNo(IDD_CONFIRM, QCoreApplication::translate("Messages", "Are you sure?"), parent);
}

bool AskOverwriteProfile(QWidget* parent) {
  return AskYesOrNo(
      IDD_OVERWRITE,
      QCoreApplication::translate("Messages", "This user model already exists. Do you want to overwrite it?"), parent);
}

QMessageBox* CreateVictoryMessage(QWidget* parent) {
  // "surrended" is kept word for word.
  return CreateEndOfGameMessage(
      IDD_VICTORY,
      QCoreApplication::translate("Messages", "Chaos has surrended. Congratulations, your forces are victorious!"),
      parent);
}

QMessageBox* CreateDefeatMessage(QWidget* parent) {
  return CreateEndOfGameMessage(
      IDD_DEFEAT, QCoreApplication::translate("Messages", "Your forces have been vanquished. Chaos is victorious."),
      parent);
}

void ShowMessageBox(QWidget* parent, const QString& text) { QMessageBox::warning(parent, Title(), text); }

std::optional<std::string> ChooseFileToOpen(QWidget* parent, const QString& nameFilter) {
  const QString path = QFileDialog::getOpenFileName(parent, QString(), QDir::currentPath(), nameFilter, nullptr,
                                                    QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return std::nullopt;
  // The working directory is not restored: the chosen file's folder becomes
  // the place where the game reads and writes.
  const std::filesystem::path file = std::filesystem::absolute(path.toStdString());
  std::error_code error;
  std::filesystem::current_path(file.parent_path(), error);
  return file.filename().string();
}
