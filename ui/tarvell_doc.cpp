#include "ui/tarvell_doc.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <cstdio>

#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/platform/dialog.h"
#include "ui/platform/scripted_dialogs.h"
#include "ui/tarvell_view.h"

std::string ProfileTitle(const std::string& profile) {
  const std::size_t separator = profile.find_last_of("/\\");
  return separator == std::string::npos ? profile : profile.substr(separator + 1);
}

CTarvellDoc::CTarvellDoc() : session_(*this, this), world(session_.World()) {}

CTarvellDoc::~CTarvellDoc() = default;

void CTarvellDoc::OnNewDocument() {
  SetTitle(ProfileTitle(session_.ProfilePath()));
  session_.NewGame();
}

void CTarvellDoc::SetTitle(const std::string& title) {
  title_ = title;
  if (mainFrame != nullptr) mainFrame->SetDocumentTitle(QString::fromStdString(title));
}

CBoardDisplay* CTarvellDoc::FirstView() { return view; }

void CTarvellDoc::SetStatusText(int turn, int phase, const char* message) {
  char text[256];
  std::snprintf(text, sizeof text, "Turn %d, Phase %d: %s", turn, phase, message);
  // The board view brings it to the screen with what it draws.
  if (mainFrame != nullptr) mainFrame->SetMessageTextLater(QString::fromUtf8(text));
}

void CTarvellDoc::ShowVictory() { MakeVictoryMessage(mainFrame)->Open(); }

void CTarvellDoc::ShowDefeat() { MakeDefeatMessage(mainFrame)->Open(); }

namespace {

// A question of the toolkit's, which no script can answer: on a display
// that nobody sees it stops the program instead of waiting for ever.
void AskWithButtons(QMessageBox& box) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen"))
    FailUnansweredDialog("question \"" + box.text().toStdString() + "\"");
  box.exec();
}

}  // namespace

AbandonChoice CTarvellDoc::AskAbandon(bool mayKeep) {
  // Where the game can only be abandoned, and wherever a script answers the
  // dialogs (the window tests), the program's own Yes / NO question.
  if (!mayKeep || CScriptedDialogs::Installed() != nullptr)
    return AskAreYouSure(mainFrame) ? AbandonChoice::Abandon : AbandonChoice::KeepPlaying;
  QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                  tr("Leaving this game counts as a loss. Are you sure?"), QMessageBox::NoButton, mainFrame);
  QPushButton* yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(tr("&NO"), QMessageBox::NoRole);
  QPushButton* keep = box.addButton(tr("&Keep for later"), QMessageBox::ActionRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  AskWithButtons(box);
  if (box.clickedButton() == yes) return AbandonChoice::Abandon;
  if (box.clickedButton() == keep) return AbandonChoice::KeepForLater;
  return AbandonChoice::KeepPlaying;
}

bool CTarvellDoc::AskContinue(int turn) {
  const QString question = tr("Continue your game from turn %1?").arg(turn);
  // A script acknowledges it as a message, and the answer is no.
  if (CScriptedDialogs* script = CScriptedDialogs::Installed()) {
    script->AnswerMessage(question);
    return false;
  }
  QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), question, QMessageBox::NoButton,
                  mainFrame);
  QPushButton* yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  AskWithButtons(box);
  return box.clickedButton() == yes;
}

void CTarvellDoc::ReportKeptGameProblem(const KeptGameProblem& problem) {
  const QString path = QString::fromLocal8Bit(problem.path.c_str());
  const QString reason = QString::fromLocal8Bit(problem.reason.c_str());
  if (problem.kind == KeptGameProblem::CannotKeep)
    ShowMessageBox(mainFrame, tr("Your game could not be kept in %1 (%2). It goes on.").arg(path, reason));
  else if (problem.setAsideAs.empty())
    ShowMessageBox(mainFrame, tr("Your kept game %1 cannot be read (%2). A new game starts.").arg(path, reason));
  else
    ShowMessageBox(mainFrame, tr("Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.")
                                  .arg(path, reason, QString::fromLocal8Bit(problem.setAsideAs.c_str())));
}

std::optional<std::string> CTarvellDoc::AskNewUserName() {
  CNewUserDialog dialog(mainFrame);
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return std::string(dialog.name);
}

bool CTarvellDoc::AskOverwrite(const std::string&) { return AskOverwriteProfile(mainFrame); }

std::optional<std::string> CTarvellDoc::AskProfileToOpen() {
  return ChooseFileToOpen(mainFrame, QStringLiteral("Tarvell User (*.tvu)"));
}

void CTarvellDoc::TurnShown() {
  if (!deferredSaveFailure_) return;
  const auto [problem, finalSave] = std::move(*deferredSaveFailure_);
  deferredSaveFailure_.reset();
  ReportSaveFailure(problem, finalSave);
}

void CTarvellDoc::ReportSaveFailure(const ProfileProblem& problem, bool finalSave) {
  if (view != nullptr && view->ShowingTurn()) {
    deferredSaveFailure_.emplace(problem, finalSave);
    return;
  }
  const QString what = QString("Your record could not be saved to %1 (%2).")
                           .arg(QString::fromStdString(problem.path), QString::fromStdString(problem.reason));
  ShowMessageBox(mainFrame, what + (finalSave ? " The games since its last save are not in it."
                                              : " The game will try again at the next save."));
}

void CTarvellDoc::ReportOpenFailure(const ProfileProblem& problem) {
  const QString path = QString::fromLocal8Bit(problem.path.c_str());
  const QString reason = QString::fromLocal8Bit(problem.reason.c_str());
  switch (problem.kind) {
    case ProfileProblem::NotAProfile:
      ShowMessageBox(mainFrame, QString("Cannot open %1: only Tarvell profiles (*.tvu) can be opened.").arg(path));
      break;
    case ProfileProblem::InUse:
      ShowMessageBox(mainFrame, QString("%1 is in use by another Tarvell (process %2).").arg(path).arg(problem.holder));
      break;
    case ProfileProblem::CannotRead:
    case ProfileProblem::CannotSave:
      ShowMessageBox(mainFrame, QString("Cannot open %1 (%2).").arg(path, reason));
      break;
  }
}

void CTarvellDoc::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void CTarvellDoc::Waiting(bool waiting) {
  if (waiting)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void CTarvellDoc::ProfileChanged() {
  SetTitle(ProfileTitle(session_.ProfilePath()));
  emit profileChanged();
}

void CTarvellDoc::GameStarted() { emit gameStarted(); }

void CTarvellDoc::SimulationStarted() { emit opponentChanged(); }

void CTarvellDoc::SimulationEnded() { emit opponentChanged(); }

void CTarvellDoc::RecordChanged() { emit opponentChanged(); }
