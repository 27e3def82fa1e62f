#include "ui/tarvell_app.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QScreen>
#include <QSettings>

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
#include "opponent/adaptive_opponent.h"
#include "opponent/files.h"
#include "opponent/profile.h"
#include "ui/about_dialog.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/platform/dialog.h"
#include "ui/resources/resource_ids.h"
#include "ui/settings.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

namespace {

constexpr int kRecentFileCount = 4;
const QString kZoomKey = QStringLiteral("Settings/Zoom");

struct ZoomCommand {
  int command;
  int percent;
};
constexpr ZoomCommand kZoomCommands[] = {{ID_VIEW_ZOOM_100, 100}, {ID_VIEW_ZOOM_150, 150}, {ID_VIEW_ZOOM_200, 200}};

// Why path cannot be read as a profile, for the player; empty when it can.
QString OpenProblem(const std::string& path) {
  // Without blocking: a FIFO opened to read would wait for a writer for ever.
  const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return QString::fromLocal8Bit(std::strerror(errno));
  struct stat status;
  const bool known = ::fstat(file, &status) == 0;
  const int error = errno;
  ::close(file);
  if (!known) return QString::fromLocal8Bit(std::strerror(error));
  if (S_ISDIR(status.st_mode)) return CTarvellApp::tr("it is a folder");
  if (!S_ISREG(status.st_mode)) return CTarvellApp::tr("it is not a regular file");
  return {};
}

bool ProfileExists(const std::string& name) {
  std::FILE* file = OpenRegularFile(name);
  if (file != nullptr) std::fclose(file);
  return file != nullptr;
}

}  // namespace

bool IsProfileName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ending = path.substr(path.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  return ending == ".tvu";
}

CTarvellApp::CTarvellApp() : recentFiles_(kRecentFileCount) {
  QCoreApplication::setOrganizationName(QStringLiteral("Tarvell"));
  QCoreApplication::setApplicationName(QStringLiteral("Tarvell"));
  // Lets a Wayland desktop match the window to the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarvell.tarvell"));
  randomSeed = SeedFromTickCount(TickCount());
  UseAdaptiveOpponent();
}

CTarvellApp::~CTarvellApp() {
  frame_.reset();
  document_.reset();
}

int CTarvellApp::Run() {
  if (!Start(QCoreApplication::arguments())) return 1;
  return QApplication::exec();
}

bool CTarvellApp::Start(const QStringList& arguments) {
  SetProfileName(profileName);  // held by its absolute path from now on
  LoadProfile();
  CopyEarlierSettings();
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) recentFiles_.Read(*settings);
  QString file;
  for (int i = 1; i < arguments.size() && file.isEmpty(); ++i) {
    if (!arguments[i].startsWith('-')) file = arguments[i];
  }
  const bool started =
      CreateDocumentFrameAndView() && (file.isEmpty() ? OnFileNew() : OpenDocumentFile(file.toStdString()) != nullptr);
  if (!started) {
    frame_.reset();
    document_.reset();
    view_ = nullptr;
    return false;
  }
  frame_->show();
  frame_->repaint();
  frame_->setAcceptDrops(true);
  if (const QString problem = SettingsProblem(); !problem.isEmpty()) ShowMessageBox(frame_.get(), problem);
  return true;
}

bool CTarvellApp::CreateDocumentFrameAndView() {
  document_ = std::make_unique<CTarvellDoc>();
  frame_ = std::make_unique<CMainFrame>();
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
  connect(frame_.get(), &CMainFrame::recentFileChosen, this, &CTarvellApp::OnRecentFile);
  connect(frame_.get(), &CMainFrame::fileDropped, this,
          [this](const QString& path) { OpenDocumentFile(path.toStdString()); });
  return true;
}

bool CTarvellApp::OnFileNew() {
  if (!document_->OnNewDocument()) return false;
  view_->OnInitialUpdate();
  return true;
}

bool CTarvellApp::OpenProfile(const std::string& path) {
  // Only a readable regular file.
  if (const QString problem = OpenProblem(path); !problem.isEmpty()) {
    ShowMessageBox(frame_.get(), tr("Cannot open %1: %2.").arg(QString::fromLocal8Bit(path.c_str()), problem));
    return false;
  }
  document_->SetTitle(std::filesystem::path(path).filename().string());
  recentFiles_.Add(QString::fromStdString(path));
  SaveRecentFiles();
  ShowRecentFiles();
  view_->OnInitialUpdate();
  return true;
}

void CTarvellApp::SwitchUser(const std::string& name, bool fresh) {
  CTarvellDoc::WaitForSimulation();
  SaveProfile();
  ReportProfileSaveFailure(frame_.get(), true);
  SetProfileName(name);
  if (fresh) {
    ResetProfile();
    SaveProfile();
    ReportProfileSaveFailure(frame_.get(), false);
  } else {
    LoadProfile();
  }
  if (chaos_ != nullptr) chaos_->Refresh();
}

void CTarvellApp::StartGame() {
  document_->world.StartNewGame();
  document_->world.RefreshDisplay();
}

CTarvellDoc* CTarvellApp::OpenDocumentFile(const std::string& path) {
  if (!IsProfileName(path)) {
    ShowMessageBox(frame_.get(), QString("Cannot open %1: only Tarvell profiles (*.tvu) can be opened.")
                                     .arg(QString::fromLocal8Bit(path.c_str())));
    return nullptr;
  }
  const AbandonAnswer answer = document_->ConfirmAbandon(frame_.get());
  if (answer == AbandonAnswer::Cancel) return document_.get();
  if (answer == AbandonAnswer::Abandon) document_->Abandon();
  if (!OpenProfile(path)) return nullptr;
  SwitchUser(path, false);
  StartGame();
  return document_.get();
}

void CTarvellApp::OnNewUser() {
  const AbandonAnswer answer = document_->ConfirmAbandon(frame_.get());
  if (answer == AbandonAnswer::Cancel) return;
  CNewUserDialog dialog(frame_.get());
  const bool named = dialog.DoModal() == IDOK;
  const std::string name = std::string(dialog.name) + ".tvu";
  // "NO" at the overwrite question is the one answer that leaves the game as
  // it was; every other way on abandons it.
  if (named && ProfileExists(name) && !AskOverwriteProfile(frame_.get())) return;
  if (answer == AbandonAnswer::Abandon) document_->Abandon();
  if (!named) return;
  SwitchUser(name, true);
  // Opened as the document without a second question or a second save.
  if (OpenProfile(profileName)) StartGame();
}

void CTarvellApp::OnSelectUser() {
  const AbandonAnswer answer = document_->ConfirmAbandon(frame_.get());
  if (answer == AbandonAnswer::Cancel) return;
  if (answer == AbandonAnswer::Abandon) document_->Abandon();
  if (const std::optional<std::string> name = ChooseFileToOpen(frame_.get(), "Tarvell User (*.tvu)"))
    OpenDocumentFile(*name);
}

void CTarvellApp::OnOptions() {
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
    chaos_ = new CChaosWindow(document_->world, frame_.get());
    ZoomWindow(chaos_, view_->Zoom());
  }
  chaos_->Refresh();
  chaos_->show();
  chaos_->raise();
  chaos_->activateWindow();
}

void CTarvellApp::OnZoom(int percent) {
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(kZoomKey, percent);
  for (const ZoomCommand& zoom : kZoomCommands) frame_->Action(zoom.command)->setChecked(zoom.percent == percent);
  view_->SetZoom(percent);
}

int CTarvellApp::InitialZoom() const {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  const int remembered = settings != nullptr ? settings->value(kZoomKey, 0).toInt() : 0;
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
  const std::string path = recentFiles_.Entries().value(index).toStdString();
  // An entry that no longer opens leaves the list.
  if (OpenDocumentFile(path) == nullptr) {
    recentFiles_.Remove(index);
    SaveRecentFiles();
    ShowRecentFiles();
  }
}

void CTarvellApp::SaveRecentFiles() const {
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) recentFiles_.Write(*settings);
}

void CTarvellApp::ShowRecentFiles() {
  QStringList texts;
  for (int i = 0; i < recentFiles_.Entries().size(); ++i) texts << recentFiles_.MenuText(i);
  frame_->SetRecentFiles(texts);
}
