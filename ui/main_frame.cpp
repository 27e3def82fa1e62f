#include "ui/main_frame.h"

#include "opponent/profile.h"
#include "ui/platform/busy_wait.h"
#include "ui/platform/status_bar.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"
#include "ui/tarvell_app.h"

CMainFrame* mainFrame = nullptr;

CMainFrame::~CMainFrame() {
  if (mainFrame == this) mainFrame = nullptr;
}

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return false;
  // Fixed size: no sizing border. The document's title follows the
  // application's: "Tarvell - default.tvu".
  cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | FWS_ADDTOTITLE;
  return true;
}

int CMainFrame::OnCreate() {
  static const int indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
  auto* bar = new CStatusBar(this);
  bar->setObjectName("status bar " + QString::number(ID_VIEW_STATUS_BAR));
  if (!bar->SetIndicators(indicators, 4)) return -1;
  SetStatusBar(bar);
  SetMessageText(QString::fromStdString(LoadResourceString(IDS_IDLE_MESSAGE)));
  MoveWindow(0, 0, 800, 600);
  mainFrame = this;
  return 0;
}

void CMainFrame::OnClose() {
  if (IsBusy()) {
    // Never in the middle of a turn: close once it is over.
    WhenIdle([this] { close(); });
    return;
  }
  if (ConfirmAbandon(this) == AbandonAnswer::Cancel) return;
  CTarvellApp::WaitForSimulation();
  SaveProfile();
  ReportProfileSaveFailure(this, true);
  CFrameWnd::OnClose();
}
