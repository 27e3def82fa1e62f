#include "ui/tarvell_app.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/random.h"
#include "opponent/files.h"
#include "ui/about_dialog.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/settings.h"
#include "ui/single_instance.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"
#include "ui/turn_report_dock.h"

namespace {

constexpr int kRecentFileCount = 4;
const QString kZoomKey = QStringLiteral("Settings/Zoom");
// Chaos's mode, "classic" or "adaptive": the program's, for every user.
const QString kChaosModeKey = QStringLiteral("Settings/ChaosMode");
const QString kAdaptive = QStringLiteral("adaptive");
// The game speed of the Options dialog, 0 (fastest) to 5.
const QString kGameSpeedKey = QStringLiteral("Settings/GameSpeed");
// How often a profile another start asked for looks whether it may open.
constexpr int kRequestRetryMilliseconds = 200;
// Whether the board shows each square's bonuses.
const QString kTerrainOverlayKey = QStringLiteral("Settings/TerrainOverlay");
// The profile at start, in the working folder.
constexpr const char* kDefaultProfile = "default.tvu";

constexpr int kZooms[] = {100, 150, 200};

}  // namespace

CTarvellApp::CTarvellApp() : recentFiles_(kRecentFileCount) {
  QCoreApplication::setOrganizationName(QStringLiteral("Tarvell"));
  QCoreApplication::setApplicationName(QStringLiteral("Tarvell"));
  // Lets a Wayland desktop match the window to the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarvell.tarvell"));
  randomSeed = SeedFromTickCount(TickCount());
  requestTimer_.setInterval(kRequestRetryMilliseconds);
  connect(&requestTimer_, &QTimer::timeout, this, &CTarvellApp::OpenRequestedProfiles);
}

CTarvellApp::~CTarvellApp() {
  if (frame_ != nullptr) QApplication::setFont(baseFont_);
  frame_.reset();
  document_.reset();
}

int CTarvellApp::Run() {
  if (!Start(QCoreApplication::arguments())) return 1;
  return QApplication::exec();
}

bool CTarvellApp::Start(const QStringList& arguments) {
  baseFont_ = QApplication::font();
  CopyEarlierSettings();
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) recentFiles_.Read(*settings);
  QString file;
  for (int i = 1; i < arguments.size() && file.isEmpty(); ++i) {
    if (!arguments[i].startsWith(QLatin1Char('-'))) file = arguments[i];
  }
  bool started = CreateDocumentFrameAndView();
  // A profile named on the command line replaces the default one anyway.
  if (!file.isEmpty()) defaultProblem_.reset();
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
  // A zoom that no longer fits a screen the window moves to is greyed out.
  connect(frame_->windowHandle(), &QWindow::screenChanged, this, &CTarvellApp::UpdateZoomActions);
  if (const QString problem = SettingsProblem(); !problem.isEmpty()) ShowMessageBox(frame_.get(), problem);
  if (defaultProblem_) OfferAnotherUser();
  return true;
}

void CTarvellApp::OfferAnotherUser() {
  // Another Tarvell holds the default profile, or it cannot be read: the
  // game so far keeps its record in memory only.
  switch (AskAnotherUser(frame_.get(), CTarvellDoc::OpenFailureText(*defaultProblem_))) {
    case AnotherUser::New: OnNewUser(); break;
    case AnotherUser::Select: OnSelectUser(); break;
    case AnotherUser::None: break;
  }
  defaultProblem_.reset();
}

bool CTarvellApp::CreateDocumentFrameAndView() {
  document_ = std::make_unique<CTarvellDoc>();
  // The remembered mode holds from the first game on.
  if (const std::unique_ptr<QSettings> settings = OpenSettings();
      settings != nullptr && settings->value(kChaosModeKey).toString() == kAdaptive)
    document_->Session().SetChaosMode(ChaosMode::Adaptive);
  RestoreGameSpeed();
  // Read before the window follows the session: the default profile is not
  // one the player chose, so it does not join the recent list.
  if (ProfileProblem problem; !document_->Session().UseProfile(kDefaultProfile, problem)) defaultProblem_ = problem;
  frame_ = std::make_unique<CMainFrame>();
  connect(document_.get(), &CTarvellDoc::profileChanged, this, &CTarvellApp::OnProfileChanged);
  connect(document_.get(), &CTarvellDoc::gameStarted, this, [this] {
    view_->ShowNewDocument();
    view_->DrawRecord();
    frame_->ShowIdleMessage();  // the last game's messages go with it
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

  connect(frame_->newGameAction, &QAction::triggered, this, &CTarvellApp::OnFileNew);
  connect(frame_->newUserAction, &QAction::triggered, this, &CTarvellApp::OnNewUser);
  connect(frame_->selectUserAction, &QAction::triggered, this, &CTarvellApp::OnSelectUser);
  connect(frame_->optionsAction, &QAction::triggered, this, &CTarvellApp::OnOptions);
  connect(frame_->aboutAction, &QAction::triggered, this, &CTarvellApp::OnAbout);
  connect(frame_->howToPlayAction, &QAction::triggered, this, &CTarvellApp::OnHowToPlay);
  connect(frame_->chaosAction, &QAction::triggered, this, &CTarvellApp::OnChaos);
  for (const int percent : kZooms)
    connect(ZoomAction(percent), &QAction::triggered, this, [this, percent] { OnZoom(percent); });
  const char* const units[8] = {IDC_DRONE,   IDC_MINE,   IDC_FARMER, IDC_INFANTRY,
                                IDC_SETTLER, IDC_JAMMER, IDC_ARMOR,  IDC_ARTILLERY};
  for (std::size_t i = 0; i < frame_->unitActions.size(); ++i)
    connect(frame_->unitActions[i], &QAction::triggered, view_, [this, id = units[i]] { view_->OnUnitButton(id); });
  ApplyZoom(InitialZoom());
  FollowTerrainOverlay();
  connect(&view_->Playback(), &TurnPlayback::turnShowing, this, &CTarvellApp::OnTurnShowing);
  // The report of the last turn shown, beside the board; a loss picked in
  // it is outlined there.
  turnReport_ = new CTurnReportDock(frame_.get());
  frame_->AddTurnReport(turnReport_);
  connect(&view_->Playback(), &TurnPlayback::turnReported, turnReport_, &CTurnReportDock::ShowReport);
  connect(turnReport_, &CTurnReportDock::lossChosen, view_, &CTarvellView::OutlineLoss);
  connect(frame_.get(), &CMainFrame::recentFileChosen, this, &CTarvellApp::OnRecentFile);
  connect(frame_.get(), &CMainFrame::fileDropped, this,
          [this](const QString& path) { OpenDocumentFile(path.toStdString()); });
  return true;
}

void CTarvellApp::FollowTerrainOverlay() {
  QAction* overlay = frame_->terrainOverlayAction;
  if (const std::unique_ptr<QSettings> settings = OpenSettings())
    overlay->setChecked(settings->value(kTerrainOverlayKey, false).toBool());
  view_->SetTerrainOverlay(overlay->isChecked());
  connect(overlay, &QAction::toggled, this, [this](bool on) {
    view_->SetTerrainOverlay(on);
    if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(kTerrainOverlayKey, on);
  });
}

void CTarvellApp::OnTurnShowing(bool showing) {
  // The commands that act on the game or the user wait for the turn's end:
  // disabled, and refused by their handlers too. Looking (the Chaos window,
  // the zoom, How to Play) goes on.
  for (QAction* action :
       {frame_->newGameAction, frame_->newUserAction, frame_->selectUserAction, frame_->optionsAction})
    action->setEnabled(!showing);
  for (QAction* action : frame_->unitActions) action->setEnabled(!showing);
  for (QAction* action : frame_->RecentFileActions()) action->setEnabled(!showing);
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
    SaveRecentFiles();
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
  CSession& session = document_->Session();
  COptionsDialog dialog(document_->world.gameSpeed, session.SettingChaosMode(), frame_.get());
  if (dialog.exec() != QDialog::Accepted) return;
  document_->world.gameSpeed = dialog.Speed();
  session.SetChaosMode(dialog.Chaos());
  if (const std::unique_ptr<QSettings> settings = OpenSettings())
    settings->setValue(kChaosModeKey, dialog.Chaos() == ChaosMode::Adaptive ? kAdaptive : QStringLiteral("classic"));
  if (chaos_ != nullptr) chaos_->Refresh();
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(kGameSpeedKey, dialog.Speed());
}

void CTarvellApp::RestoreGameSpeed() {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  if (settings == nullptr) return;
  bool valid = false;
  const int speed = settings->value(kGameSpeedKey).toInt(&valid);
  if (valid && speed >= 0 && speed <= COptionsDialog::kSlowestSpeed) document_->world.gameSpeed = speed;
}

void CTarvellApp::OnAbout() { CAboutDialog(frame_.get()).exec(); }

namespace {

// A window beside the board, made at the board's zoom: as much larger as
// its text (which follows the application's font), never larger than the
// screen it opens on.
void ZoomWindow(QWidget* window, int percent) {
  QSize size = window->size() * percent / 100;
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
  if (!ZoomFits(percent)) return;
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(kZoomKey, percent);
  ApplyZoom(percent);
}

QAction* CTarvellApp::ZoomAction(int percent) const {
  return percent == 200 ? frame_->zoom200Action : percent == 150 ? frame_->zoom150Action : frame_->zoom100Action;
}

void CTarvellApp::ApplyZoom(int percent) {
  // Menus, status bar, dialogs and the windows beside the board follow the
  // application's font; the form lays itself out.
  QFont font = baseFont_;
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * percent / 100);
  } else {
    font.setPixelSize(font.pixelSize() * percent / 100);
  }
  QApplication::setFont(font);
  view_->SetZoom(percent);
  // The window takes its new size now, not at the next layout pass.
  view_->parentWidget()->layout()->activate();
  frame_->layout()->activate();
  ZoomAction(percent)->setChecked(true);
  UpdateZoomActions();
}

bool CTarvellApp::ZoomFits(int percent) const {
  if (percent == 100) return true;
  const QScreen* screen = frame_->screen();
  if (screen == nullptr) return false;
  // The whole window, menu, status bar and decorations with it, grows with
  // the zoom.
  frame_->ensurePolished();
  if (QLayout* layout = frame_->layout()) layout->activate();
  const QSize needed = frame_->frameGeometry().size() * percent / view_->Zoom();
  const QSize available = screen->availableGeometry().size();
  return needed.width() <= available.width() && needed.height() <= available.height();
}

void CTarvellApp::UpdateZoomActions() {
  for (const int percent : kZooms) ZoomAction(percent)->setEnabled(ZoomFits(percent));
}

int CTarvellApp::InitialZoom() const {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  const int remembered = settings != nullptr ? settings->value(kZoomKey, 0).toInt() : 0;
  if (std::find(std::begin(kZooms), std::end(kZooms), remembered) != std::end(kZooms) && ZoomFits(remembered))
    return remembered;
  // At first, or when the remembered zoom no longer fits the screen: the
  // largest that fits.
  for (int i = std::size(kZooms) - 1; i > 0; --i)
    if (ZoomFits(kZooms[i])) return kZooms[i];
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
    SaveRecentFiles();
    ShowRecentFiles();
  });
}

void CTarvellApp::SaveRecentFiles() const {
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) recentFiles_.Write(*settings);
}

void CTarvellApp::ShowRecentFiles() {
  QStringList texts;
  for (int i = 0; i < recentFiles_.Entries().size(); ++i) texts << recentFiles_.MenuText(i);
  frame_->SetRecentFiles(texts);
}

void CTarvellApp::OnAnotherStart(const QString& profile) {
  if (frame_ == nullptr) return;
  BringToFront(frame_.get());
  if (profile.isEmpty()) return;
  requestedProfiles_ << profile;
  // Later, not inside the socket's signal: opening may ask the player.
  QTimer::singleShot(0, this, &CTarvellApp::OpenRequestedProfiles);
}

void CTarvellApp::OpenRequestedProfiles() {
  requestTimer_.stop();
  if (requestedProfiles_.isEmpty()) return;
  // A turn on the board, a dialog or menu open, or a step waiting for the
  // simulation: the profile waits its turn.
  if (TurnShowing() || document_->Session().Busy() || QApplication::activeModalWidget() != nullptr ||
      QApplication::activePopupWidget() != nullptr) {
    requestTimer_.start();
    return;
  }
  OpenDocumentFile(requestedProfiles_.takeFirst().toStdString());
  if (!requestedProfiles_.isEmpty()) requestTimer_.start();
}
