#include "ui/tarvell_app.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "model/random.h"
#include "opponent/files.h"
#include "ui/about_dialog.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/platform/dialog.h"
#include "ui/resources/resource_ids.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

namespace {

// Kept word for word: the settings of earlier versions live under this name.
constexpr const char* kSettingsOrganization = "Local AppWizard-Generated Applications";
constexpr const char* kApplicationTitle = "Tarvell";
constexpr int kRecentFileCount = 4;
constexpr const char* kZoomKey = "Settings/Zoom";
// The profile at start, in the working folder.
constexpr const char* kDefaultProfile = "default.tvu";

struct ZoomCommand {
  int command;
  int percent;
};
constexpr ZoomCommand kZoomCommands[] = {{ID_VIEW_ZOOM_100, 100}, {ID_VIEW_ZOOM_150, 150}, {ID_VIEW_ZOOM_200, 200}};

}  // namespace

CTarvellApp::CTarvellApp() : recentFiles_(kSettingsOrganization, kApplicationTitle, kRecentFileCount) {
  randomSeed = SeedFromTickCount(TickCount());
}

CTarvellApp::~CTarvellApp() {
  frame_.reset();
  document_.reset();
}

int CTarvellApp::Run() {
  if (!InitInstance(QCoreApplication::arguments())) return 1;
  return QApplication::exec();
}

bool CTarvellApp::InitInstance(const QStringList& arguments) {
  QString file;
  for (int i = 1; i < arguments.size() && file.isEmpty(); ++i) {
    if (!arguments[i].startsWith('-')) file = arguments[i];
  }
  bool started = CreateDocumentFrameAndView();
  if (started) {
    // Nothing runs yet that a step would wait for: each ends before it returns.
    if (file.isEmpty())
      document_->OnNewDocument();
    else
      document_->Session().OpenProfile(file.toStdString(),
                                       [&started](OpenResult result) { started = result != OpenResult::Failed; });
  }
  if (!started) {
    frame_.reset();
    document_.reset();
    view_ = nullptr;
    return false;
  }
  frame_->show();
  frame_->repaint();
  frame_->setAcceptDrops(true);
  return true;
}

bool CTarvellApp::CreateDocumentFrameAndView() {
  document_ = std::make_unique<CTarvellDoc>();
  ProfileProblem problem;
  if (!document_->Session().UseProfile(kDefaultProfile, problem)) document_->ReportOpenFailure(problem);
  frame_ = std::make_unique<CMainFrame>();
  connect(document_.get(), &CTarvellDoc::profileChanged, this, &CTarvellApp::OnProfileChanged);
  connect(document_.get(), &CTarvellDoc::gameStarted, this, [this] {
    view_->OnInitialUpdate();
    view_->DrawRecord();
  });
  connect(document_.get(), &CTarvellDoc::opponentChanged, this, [this] {
    if (chaos_ != nullptr) chaos_->Refresh();
  });
  view_ = new CTarvellView(document_.get());
  document_->view = view_;
  frame_->SetDocument(document_.get());
  if (!frame_->Create(view_)) return false;
  document_->mainFrame = frame_.get();
  ShowRecentFiles();

  connect(frame_->Action(ID_FILE_NEW), &QAction::triggered, this, &CTarvellApp::OnFileNew);
  connect(frame_->Action(ID_NEW_USER), &QAction::triggered, this, &CTarvellApp::OnNewUser);
  connect(frame_->Action(ID_FILE_OPEN), &QAction::triggered, this, &CTarvellApp::OnSelectUser);
  connect(frame_->Action(ID_OPTIONS), &QAction::triggered, this, &CTarvellApp::OnOptions);
  connect(frame_->Action(ID_APP_ABOUT), &QAction::triggered, this, &CTarvellApp::OnAbout);
  connect(frame_->Action(ID_HELP_HOW_TO_PLAY), &QAction::triggered, this, &CTarvellApp::OnHowToPlay);
  connect(frame_->Action(ID_VIEW_CHAOS), &QAction::triggered, this, &CTarvellApp::OnChaos);
  auto* zooms = new QActionGroup(frame_.get());
  for (const ZoomCommand& zoom : kZoomCommands) {
    QAction* action = frame_->Action(zoom.command);
    action->setCheckable(true);
    zooms->addAction(action);
    connect(action, &QAction::triggered, this, [this, percent = zoom.percent] { OnZoom(percent); });
  }
  const int zoom = InitialZoom();
  for (const ZoomCommand& command : kZoomCommands) frame_->Action(command.command)->setChecked(command.percent == zoom);
  view_->SetZoom(zoom);
  for (const int id :
       {IDC_DRONE, IDC_MINE, IDC_FARMER, IDC_INFANTRY, IDC_SETTLER, IDC_ARMOR, IDC_JAMMER, IDC_ARTILLERY})
    connect(frame_->Action(id), &QAction::triggered, view_, [this, id] { view_->OnUnitButton(id); });
  connect(&view_->Playback(), &TurnPlayback::turnShowing, this, &CTarvellApp::OnTurnShowing);
  connect(frame_.get(), &CMainFrame::recentFileChosen, this, &CTarvellApp::OnRecentFile);
  connect(frame_.get(), &CMainFrame::fileDropped, this,
          [this](const QString& path) { OpenDocumentFile(path.toStdString()); });
  return true;
}

void CTarvellApp::OnTurnShowing(bool showing) {
  // The commands that act on the game or the user wait for the turn's end:
  // disabled, and refused by their handlers too. Looking (the Chaos window,
  // the zoom, How to Play) goes on.
  for (const int id : {ID_FILE_NEW, ID_NEW_USER, ID_FILE_OPEN, ID_OPTIONS, IDC_DRONE, IDC_MINE, IDC_FARMER,
                       IDC_INFANTRY, IDC_SETTLER, IDC_ARMOR, IDC_JAMMER, IDC_ARTILLERY})
    if (QAction* action = frame_->Action(id)) action->setEnabled(!showing);
  for (int i = 0; i < kRecentFileCount; ++i)
    if (QAction* action = frame_->Action(ID_FILE_MRU_FILE1 + i); action != nullptr && action->data().isValid())
      action->setEnabled(!showing);
  if (!showing && chaos_ != nullptr) chaos_->Refresh();
}

bool CTarvellApp::TurnShowing() const { return view_ != nullptr && view_->ShowingTurn(); }

void CTarvellApp::OnFileNew() {
  if (!TurnShowing()) document_->OnNewDocument();
}

void CTarvellApp::OnProfileChanged() {
  const std::string& path = document_->Session().ProfilePath();
  if (!path.empty() && view_ != nullptr) {
    recentFiles_.Add(QString::fromStdString(path));
    ShowRecentFiles();
    view_->DrawRecord();
  }
  if (chaos_ != nullptr) chaos_->Refresh();
}

void CTarvellApp::OpenDocumentFile(const std::string& path) {
  if (!TurnShowing()) document_->Session().OpenProfile(path);  // else the game and user stay as they are
}

void CTarvellApp::OnNewUser() {
  if (!TurnShowing()) document_->Session().NewUser();
}

void CTarvellApp::OnSelectUser() {
  if (!TurnShowing()) document_->Session().SelectUser();
}

void CTarvellApp::OnOptions() {
  if (TurnShowing()) return;
  COptionsDialog dialog(frame_.get());
  dialog.speed = document_->world.gameSpeed;
  if (dialog.DoModal() == IDOK) document_->world.gameSpeed = dialog.speed;
}

void CTarvellApp::OnAbout() { CAboutDialog(frame_.get()).DoModal(); }

namespace {

// A window beside the board, made at the board's zoom: its text as much
// larger as the board's.
void ZoomWindow(QWidget* window, int percent) {
  QFont font = QApplication::font();
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * percent / 100);
  window->setFont(font);
  QSize size = window->size() * percent / 100;
  // Never larger than the screen it opens on.
  if (const QScreen* screen = window->screen()) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  window->resize(size);
}

}  // namespace

void CTarvellApp::OnHowToPlay() {
  if (howToPlay_ == nullptr) {
    howToPlay_ = new CHowToPlayWindow(frame_.get());
    ZoomWindow(howToPlay_, view_->Zoom());
  }
  howToPlay_->show();
  howToPlay_->raise();
  howToPlay_->activateWindow();
}

void CTarvellApp::OnChaos() {
  if (chaos_ == nullptr) {
    chaos_ = new CChaosWindow(document_->Session(), frame_.get());
    // During a turn the world is ahead of the board: what the window shows
    // waits for the turn's end.
    chaos_->HoldWhile([this] { return TurnShowing(); });
    ZoomWindow(chaos_, view_->Zoom());
  }
  chaos_->Refresh();
  chaos_->show();
  chaos_->raise();
  chaos_->activateWindow();
}

void CTarvellApp::OnZoom(int percent) {
  QSettings(kSettingsOrganization, kApplicationTitle).setValue(kZoomKey, percent);
  for (const ZoomCommand& zoom : kZoomCommands) frame_->Action(zoom.command)->setChecked(zoom.percent == percent);
  view_->SetZoom(percent);
}

int CTarvellApp::InitialZoom() const {
  const int remembered = QSettings(kSettingsOrganization, kApplicationTitle).value(kZoomKey, 0).toInt();
  for (const ZoomCommand& zoom : kZoomCommands)
    if (zoom.percent == remembered) return remembered;
  // The largest zoom at which the window, menu and status bar with it, fits
  // the screen's free area.
  const QScreen* screen = frame_->screen();
  if (screen == nullptr) return 100;
  const QSize available = screen->availableGeometry().size();
  const QSize around = frame_->size() - view_->sizeHint();
  for (int i = std::size(kZoomCommands) - 1; i > 0; --i) {
    const QSize needed = view_->sizeHint() * kZoomCommands[i].percent / 100 + around;
    if (needed.width() <= available.width() && needed.height() <= available.height()) return kZoomCommands[i].percent;
  }
  return 100;
}

void CTarvellApp::OnRecentFile(int index) {
  if (TurnShowing()) return;
  const QString entry = recentFiles_.Entries().value(index);
  // An entry that no longer opens leaves the list.
  document_->Session().OpenProfile(entry.toStdString(), [this, entry](OpenResult result) {
    const int at = recentFiles_.Entries().indexOf(entry);
    if (result != OpenResult::Failed || at < 0) return;
    recentFiles_.Remove(at);
    ShowRecentFiles();
  });
}

void CTarvellApp::ShowRecentFiles() {
  QStringList texts;
  for (int i = 0; i < recentFiles_.Entries().size(); ++i) texts << recentFiles_.MenuText(i);
  frame_->SetRecentFiles(texts);
}
