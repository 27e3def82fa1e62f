#include "ui/platform/window_app.h"

#include <QApplication>
#include <QStringList>

#include "ui/platform/doc_template.h"
#include "ui/platform/document.h"
#include "ui/platform/frame_window.h"
#include "ui/platform/recent_file_list.h"
#include "ui/platform/view.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"

namespace {

CWinApp* theApp = nullptr;

}  // namespace

CWinApp* AfxGetApp() { return theApp; }

CWinApp::CWinApp() { theApp = this; }

CWinApp::~CWinApp() {
  docTemplate_.reset();
  if (theApp == this) theApp = nullptr;
}

int CWinApp::Run() {
  if (!InitInstance()) return 1;
  return QApplication::exec();
}

void CWinApp::LoadStdProfileSettings(int count) {
  const QString application = QString::fromStdString(LoadResourceString(IDS_APP_TITLE));
  recentFiles_ = std::make_unique<CRecentFileList>(QString::fromStdString(registryKey_), application, count);
  recentFiles_->ReadList();
  if (CFrameWnd* frame = MainFrame()) frame->UpdateRecentFileMenu();
}

void CWinApp::AddToRecentFileList(const std::string& path) {
  if (!recentFiles_) return;
  recentFiles_->Add(QString::fromStdString(path));
  if (CFrameWnd* frame = MainFrame()) frame->UpdateRecentFileMenu();
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) { docTemplate_ = std::move(docTemplate); }

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  const QStringList arguments = QCoreApplication::arguments();
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i].startsWith('-')) continue;
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = arguments[i].toStdString();
    return;
  }
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
  if (info.m_nShellCommand == CCommandLineInfo::FileOpen) {
    return OpenDocumentFile(info.m_strFileName.c_str()) != nullptr;
  }
  OnFileNew();
  return docTemplate_ && docTemplate_->GetDocument() != nullptr;
}

CDocument* CWinApp::OpenDocumentFile(const char* path) {
  return docTemplate_ ? docTemplate_->OpenDocumentFile(path) : nullptr;
}

void CWinApp::OnFileNew() {
  if (docTemplate_) docTemplate_->OpenDocumentFile(nullptr);
}

CFrameWnd* CWinApp::MainFrame() const { return docTemplate_ ? docTemplate_->GetFrame() : nullptr; }

QWidget* CWinApp::MainWindow() const { return MainFrame(); }

bool CWinApp::RouteCommand(int id) {
  CFrameWnd* frame = MainFrame();
  if (frame != nullptr) {
    if (CView* view = frame->GetActiveView(); view != nullptr && view->OnCmdMsg(id)) return true;
    if (CDocument* document = frame->GetActiveDocument(); document != nullptr && document->OnCmdMsg(id)) return true;
    if (frame->OnCmdMsg(id)) return true;
  }
  return OnCmdMsg(id);
}

bool CWinApp::RouteUpdateCommand(CCmdUI& ui) {
  CFrameWnd* frame = MainFrame();
  if (frame != nullptr) {
    if (CView* view = frame->GetActiveView(); view != nullptr && view->OnUpdateCmdUI(ui)) return true;
    if (CDocument* document = frame->GetActiveDocument(); document != nullptr && document->OnUpdateCmdUI(ui)) {
      return true;
    }
    if (frame->OnUpdateCmdUI(ui)) return true;
  }
  return OnUpdateCmdUI(ui);
}

bool CWinApp::OnCmdMsg(int id) {
  if (id == ID_FILE_NEW) {
    OnFileNew();
    return true;
  }
  if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) {
    const int index = id - ID_FILE_MRU_FILE1;
    if (!recentFiles_ || index >= static_cast<int>(recentFiles_->Entries().size())) return true;
    const std::string path = recentFiles_->Entries()[index].toStdString();
    // An entry that no longer opens leaves the list.
    if (OpenDocumentFile(path.c_str()) == nullptr) {
      recentFiles_->Remove(index);
      if (CFrameWnd* frame = MainFrame()) frame->UpdateRecentFileMenu();
    }
    return true;
  }
  if (id == ID_APP_EXIT) {
    if (CFrameWnd* frame = MainFrame()) frame->close();
    return true;
  }
  return false;
}
