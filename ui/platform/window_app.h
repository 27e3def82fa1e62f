#pragma once
// CWinApp: the program. One exists for the whole run, after the toolkit's
// application object. Run calls InitInstance once and, when it succeeds,
// runs the message loop; a failed initialization ends the program with exit
// status 1.
//
// The application is the last stop of every command and the keeper of the
// document template, the main frame, the settings key and the recent-file
// list. It handles New (ID_FILE_NEW), the recent-file entries and Exit.

#include <memory>
#include <string>

#include "ui/platform/command_target.h"

class CDocument;
class CFrameWnd;
class CRecentFileList;
class CSingleDocTemplate;
class QWidget;

// What the command line asks for: a new document, or to open one file.
struct CCommandLineInfo {
  enum ShellCommand { FileNew, FileOpen };
  ShellCommand m_nShellCommand = FileNew;
  std::string m_strFileName;
};

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // InitInstance, then the message loop; the program's exit status.
  int Run();
  // The one set-up call before the message loop; false ends the program.
  virtual bool InitInstance() { return true; }

  // The organization under which the settings are kept per user.
  void SetRegistryKey(const char* key) { registryKey_ = key; }
  // Loads the recent-file list, of count entries.
  void LoadStdProfileSettings(int count);
  CRecentFileList* RecentFiles() const { return recentFiles_.get(); }
  // Puts path at the top of the recent-file list and the File menu.
  void AddToRecentFileList(const std::string& path);

  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
  CSingleDocTemplate* DocTemplate() const { return docTemplate_.get(); }

  // The command line: the first argument that is not an option names a file.
  void ParseCommandLine(CCommandLineInfo& info) const;
  // New or Open as the command line asks; false when that failed.
  bool ProcessShellCommand(const CCommandLineInfo& info);

  // Opens path as the document (the framework's own opening).
  virtual CDocument* OpenDocumentFile(const char* path);
  // A new document (the New Game command and the start without a file).
  void OnFileNew();

  CFrameWnd* MainFrame() const;
  QWidget* MainWindow() const;

  // Sends command id along view, document, frame, application; true when
  // one of them handled it.
  bool RouteCommand(int id);
  // Asks the same route for the state of command ui.id's menu item.
  bool RouteUpdateCommand(CCmdUI& ui);

  bool OnCmdMsg(int id) override;

 private:
  std::string registryKey_;
  std::unique_ptr<CRecentFileList> recentFiles_;
  std::unique_ptr<CSingleDocTemplate> docTemplate_;
};

// The application object, or null before it exists.
CWinApp* AfxGetApp();
