#include "ui/tarvell_doc.h"

#include <cstdio>

#include "opponent/profile.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/platform/busy_wait.h"
#include "ui/platform/status_bar.h"
#include "ui/tarvell_app.h"
#include "ui/tarvell_view.h"

std::string ProfileTitle(const std::string& profile) {
  const std::size_t separator = profile.find_last_of("/\\");
  return separator == std::string::npos ? profile : profile.substr(separator + 1);
}

CTarvellDoc::CTarvellDoc() { world.owner = this; }

CTarvellDoc::~CTarvellDoc() { world.owner = nullptr; }

bool CTarvellDoc::OnNewDocument() {
  SetTitle(ProfileTitle(profileName));
  CTarvellView* view = BoardView();
  if (ConfirmAbandon(view != nullptr ? static_cast<QWidget*>(view) : nullptr) == AbandonAnswer::Cancel) return false;
  if (!CDocument::OnNewDocument()) return false;
  CTarvellApp::WaitForSimulation();
  SaveProfile();
  ReportProfileSaveFailure(view, false);
  world.StartNewGame();
  if (view != nullptr) view->DrawRecord();
  return true;
}

CTarvellView* CTarvellDoc::BoardView() const { return dynamic_cast<CTarvellView*>(GetFirstView()); }

CBoardDisplay* CTarvellDoc::FirstView() { return BoardView(); }

void CTarvellDoc::SetStatusText(const char* message) {
  char text[256];
  std::snprintf(text, sizeof text, "Turn %d, Phase %d: %s", world.turn, world.phase, message);
  if (mainFrame != nullptr && mainFrame->StatusBar() != nullptr)
    mainFrame->StatusBar()->SetPaneText(0, QString::fromUtf8(text), true);
}

void CTarvellDoc::ShowVictory() { ShowVictoryMessage(mainFrame); }

void CTarvellDoc::ShowDefeat() { ShowDefeatMessage(mainFrame); }

void CTarvellDoc::Pause(int milliseconds) { SleepServingWindow(milliseconds); }
