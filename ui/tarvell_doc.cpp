#include "ui/tarvell_doc.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QString>

#include <cstdio>

#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/tarvell_view.h"
#include "ui/unit_texts.h"

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
  // The board view brings it to the screen with what it draws.
  if (mainFrame != nullptr) mainFrame->SetMessageTextLater(StatusText(turn, phase, QString::fromUtf8(message)));
}

void CTarvellDoc::ReportDestruction(int turn, int phase, int what, int x, int y, const char*) {
  if (mainFrame != nullptr) mainFrame->SetMessageTextLater(DestructionText(turn, phase, what, x, y));
}

void CTarvellDoc::ShowVictory() { CreateVictoryMessage(mainFrame)->open(); }

void CTarvellDoc::ShowDefeat() { CreateDefeatMessage(mainFrame)->open(); }

AbandonChoice CTarvellDoc::AskAbandon(bool mayKeep) {
  if (!mayKeep) return AskAreYouSure(mainFrame) ? AbandonChoice::Abandon : AbandonChoice::KeepPlaying;
  switch (AskLeaveOrKeep(mainFrame)) {
    case LeaveAnswer::Leave: return AbandonChoice::Abandon;
    case LeaveAnswer::Keep: return AbandonChoice::KeepForLater;
    case LeaveAnswer::Stay: break;
  }
  return AbandonChoice::KeepPlaying;
}

bool CTarvellDoc::AskContinue(int turn) { return AskContinueGame(mainFrame, turn); }

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
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return std::string(dialog.name);
}

bool CTarvellDoc::AskOverwrite(const std::string&) { return AskOverwriteProfile(mainFrame); }

std::optional<std::string> CTarvellDoc::AskProfileToOpen() {
  return ChooseFileToOpen(mainFrame, tr("Tarvell User (*.tvu)"));
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
  const QString path = QString::fromStdString(problem.path);
  const QString reason = QString::fromLocal8Bit(problem.reason.c_str());
  ShowMessageBox(mainFrame, finalSave ? tr("Your record could not be saved to %1 (%2). The games since its last save "
                                           "are not in it.")
                                            .arg(path, reason)
                                      : tr("Your record could not be saved to %1 (%2). The game will try again at "
                                           "the next save.")
                                            .arg(path, reason));
}

QString CTarvellDoc::OpenFailureText(const ProfileProblem& problem) {
  const QString path = QString::fromLocal8Bit(problem.path.c_str());
  switch (problem.kind) {
    case ProfileProblem::NotAProfile:
      return tr("Cannot open %1: only Tarvell profiles (*.tvu) can be opened.").arg(path);
    case ProfileProblem::InUse:
      return tr("%1 is in use by another Tarvell (process %2).").arg(path).arg(problem.holder);
    case ProfileProblem::CannotRead:
    case ProfileProblem::CannotSave: break;
  }
  // The core's own words for what stands there, else the system's.
  QString reason = QString::fromLocal8Bit(problem.reason.c_str());
  if (problem.reason == "is a folder") reason = tr("it is a folder");
  if (problem.reason == "not a regular file") reason = tr("it is not a regular file");
  return tr("Cannot open %1: %2.").arg(path, reason);
}

void CTarvellDoc::ReportOpenFailure(const ProfileProblem& problem) {
  ShowMessageBox(mainFrame, OpenFailureText(problem));
}

void CTarvellDoc::Post(std::function<void()> task) {
  // The task is handed over under a lock of our own, so that the hand-over
  // is ordered for every checker; the queued call only wakes this thread.
  {
    const std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(task));
  }
  QMetaObject::invokeMethod(this, "RunPosted", Qt::QueuedConnection);
}

void CTarvellDoc::RunPosted() {
  std::vector<std::function<void()>> tasks;
  {
    const std::lock_guard lock(postedMutex_);
    tasks.swap(posted_);
  }
  for (auto& task : tasks) task();
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
