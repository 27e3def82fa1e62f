#include "ui/tarvell_app.h"

#include <QWidget>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>

#include "model/random.h"
#include "model/saturating.h"
#include "opponent/files.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "ui/about_dialog.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/platform/busy_wait.h"
#include "ui/platform/doc_template.h"
#include "ui/platform/file_dialog.h"
#include "ui/platform/message_box.h"
#include "ui/platform/system_services.h"
#include "ui/resources/resource_ids.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

CTarvellApp::CTarvellApp() { randomSeed = SeedFromTickCount(GetTickCount()); }

CTarvellDoc* CTarvellApp::Document() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr || app->DocTemplate() == nullptr) return nullptr;
  return static_cast<CTarvellDoc*>(app->DocTemplate()->GetDocument());
}

bool IsProfileName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ending = path.substr(path.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  return ending == ".tvu";
}

AbandonAnswer ConfirmAbandon(QWidget* parent) {
  CTarvellDoc* document = CTarvellApp::Document();
  if (document == nullptr) return AbandonAnswer::GoOn;
  CWorld& world = document->world;
  if (world.mode != ModePlaying || world.turn <= 0) return AbandonAnswer::GoOn;
  if (!AskAreYouSure(parent)) return AbandonAnswer::Cancel;
  world.mode = ModeIdle;
  SaturatingAdd(losses, 1);
  return AbandonAnswer::Abandoned;
}

void ReportProfileSaveFailure(QWidget*, bool finalSave) {
  const std::optional<ProfileSaveFailure> failure = TakeUnreportedSaveFailure();
  if (!failure) return;
  const QString what = QString("Your record could not be saved to %1 (%2).")
                           .arg(QString::fromStdString(failure->path), QString::fromStdString(failure->reason));
  AfxMessageBox(what + (finalSave ? " The games since its last save are not in it."
                                  : " The game will try again at the next save."));
}

void CTarvellApp::WaitForSimulation() {
  CBusyScope busy;
  while (simulationRunning.load(std::memory_order_acquire)) SleepServingWindow(1000);
}

bool CTarvellApp::InitInstance() {
  SetProfileName(profileName);  // held by its absolute path from now on
  LoadProfile();
  SetRegistryKey("Local AppWizard-Generated Applications");
  LoadStdProfileSettings(4);
  AddDocTemplate(std::make_unique<CSingleDocTemplate>(
      IDR_MAINFRAME, [] { return std::make_unique<CTarvellDoc>(); }, [] { return std::make_unique<CMainFrame>(); },
      [] { return std::make_unique<CTarvellView>(); }));
  if (!ProcessShellCommand(CommandLine())) return false;
  MainFrame()->show();
  MainFrame()->repaint();
  MainFrame()->DragAcceptFiles();
  return true;
}

CCommandLineInfo CTarvellApp::CommandLine() const {
  CCommandLineInfo commandLine;
  ParseCommandLine(commandLine);
  return commandLine;
}

bool CTarvellApp::OnCmdMsg(int id) {
  switch (id) {
    case ID_NEW_USER: OnNewUser(); return true;
    case ID_FILE_OPEN: OnSelectUser(); return true;
    case ID_OPTIONS: OnOptions(); return true;
    case ID_APP_ABOUT: OnAbout(); return true;
    default: return CWinApp::OnCmdMsg(id);
  }
}

CDocument* CTarvellApp::OpenDocumentFile(const char* path) {
  if (!IsProfileName(path)) {
    AfxMessageBox(
        QString("Cannot open %1: only Tarvell profiles (*.tvu) can be opened.").arg(QString::fromLocal8Bit(path)));
    return nullptr;
  }
  if (ConfirmAbandon(MainWindow()) == AbandonAnswer::Cancel) return Document();
  CDocument* document = CWinApp::OpenDocumentFile(path);
  if (document == nullptr) return nullptr;
  WaitForSimulation();
  SaveProfile();
  ReportProfileSaveFailure(MainWindow(), true);
  SetProfileName(path);
  LoadProfile();
  CTarvellDoc* game = Document();
  game->world.StartNewGame();
  game->world.RefreshDisplay();
  return document;
}

void CTarvellApp::OnNewUser() {
  const AbandonAnswer abandon = ConfirmAbandon(MainWindow());
  if (abandon == AbandonAnswer::Cancel) return;
  CNewUserDialog dialog(MainWindow());
  if (dialog.DoModal() != IDOK) return;
  std::string name = dialog.name;
  name += ".tvu";

  if (std::FILE* existing = OpenRegularFile(name)) {
    std::fclose(existing);
    if (!AskOverwriteProfile(MainWindow())) {
      if (abandon == AbandonAnswer::Abandoned) {  // the game resumes as if nothing happened
        Document()->world.mode = ModePlaying;
        --losses;
      }
      return;
    }
  }
  WaitForSimulation();
  SaveProfile();
  ReportProfileSaveFailure(MainWindow(), true);
  SetProfileName(name);
  ResetProfile();
  SaveProfile();
  ReportProfileSaveFailure(MainWindow(), false);
  // The framework's own opening: no second question and no second save.
  if (CWinApp::OpenDocumentFile(profileName.c_str()) != nullptr) {
    Document()->world.StartNewGame();
    Document()->world.RefreshDisplay();
  }
}

void CTarvellApp::OnSelectUser() {
  if (ConfirmAbandon(MainWindow()) == AbandonAnswer::Cancel) return;
  CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, "Tarvell User (*.tvu)|*.tvu||",
                     MainWindow());
  if (dialog.DoModal() != IDOK) return;
  OpenDocumentFile(dialog.GetFileName().c_str());
}

void CTarvellApp::OnOptions() {
  CTarvellDoc* document = Document();
  if (document == nullptr) return;
  COptionsDialog dialog(MainWindow());
  dialog.speed = document->world.gameSpeed;
  if (dialog.DoModal() == IDOK) document->world.gameSpeed = dialog.speed;
}

void CTarvellApp::OnAbout() {
  CAboutDialog dialog(MainWindow());
  dialog.DoModal();
}
