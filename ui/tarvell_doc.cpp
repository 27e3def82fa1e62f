#include "ui/tarvell_doc.h"

#include <QString>

#include <cstdio>

#include "model/saturating.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/platform/busy_wait.h"
#include "ui/tarvell_view.h"

std::string ProfileTitle(const std::string& profile) {
  const std::size_t separator = profile.find_last_of("/\\");
  return separator == std::string::npos ? profile : profile.substr(separator + 1);
}

void ReportProfileSaveFailure(QWidget* parent, bool finalSave) {
  const std::optional<ProfileSaveFailure> failure = TakeUnreportedSaveFailure();
  if (!failure) return;
  const QString path = QString::fromStdString(failure->path);
  const QString reason = QString::fromStdString(failure->reason);
  ShowMessageBox(parent, finalSave ? CTarvellDoc::tr("Your record could not be saved to %1 (%2). The games since its "
                                                     "last save are not in it.")
                                         .arg(path, reason)
                                   : CTarvellDoc::tr("Your record could not be saved to %1 (%2). The game will try "
                                                     "again at the next save.")
                                         .arg(path, reason));
}

void CTarvellDoc::WaitForSimulation() {
  CBusyScope busy;
  while (simulationRunning.load(std::memory_order_acquire)) SleepServingWindow(1000);
}

CTarvellDoc::CTarvellDoc() { world.owner = this; }

CTarvellDoc::~CTarvellDoc() { world.owner = nullptr; }

bool CTarvellDoc::OnNewDocument() {
  SetTitle(ProfileTitle(profileName));
  const AbandonAnswer answer = ConfirmAbandon(view);
  if (answer == AbandonAnswer::Cancel) return false;
  if (answer == AbandonAnswer::Abandon) Abandon();
  WaitForSimulation();
  SaveProfile();
  ReportProfileSaveFailure(view, false);
  world.StartNewGame();
  if (view != nullptr) view->DrawRecord();
  return true;
}

AbandonAnswer CTarvellDoc::ConfirmAbandon(QWidget* parent) const {
  if (world.mode != ModePlaying || world.turn <= 0) return AbandonAnswer::GoOn;
  return AskAreYouSure(parent) ? AbandonAnswer::Abandon : AbandonAnswer::Cancel;
}

void CTarvellDoc::Abandon() {
  world.mode = ModeIdle;
  SaturatingAdd(losses, 1);
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

// The board behind the message shows the turn's end.
void CTarvellDoc::ShowVictory() {
  if (view != nullptr) view->ShowDrawing();
  ShowVictoryMessage(mainFrame);
}

void CTarvellDoc::ShowDefeat() {
  if (view != nullptr) view->ShowDrawing();
  ShowDefeatMessage(mainFrame);
}

void CTarvellDoc::Pause(int milliseconds) {
  if (hurried_ || milliseconds <= 0) return;
  // Whatever was drawn is on screen while the game waits.
  if (view != nullptr) view->ShowDrawing();
  SleepServingWindow(milliseconds);
}
