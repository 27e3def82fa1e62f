#pragma once
// CFrameWnd: the main window around the view, with the menu bar, the
// accelerators and the status bar.
//
// Creation runs PreCreateWindow, which may change the window style, then
// builds the window from the menu, accelerators and icon of one resource
// number, then OnCreate. A style without WS_THICKFRAME
// gives a window of fixed size. Menu and accelerator commands go along the
// route view, document, frame, application. Closing the window runs OnClose;
// the default OnClose closes the frame, which ends the program.

#include <QMainWindow>

#include <map>
#include <string>

#include "ui/platform/command_target.h"

class CDocument;
class CStatusBar;
class CView;
class QFrame;
class QMenu;

// Window style flags that the frame honours.
enum WindowStyle : unsigned {
  WS_CAPTION = 0x00C00000u,
  WS_SYSMENU = 0x00080000u,
  WS_THICKFRAME = 0x00040000u,
  WS_MINIMIZEBOX = 0x00020000u,
  WS_MAXIMIZEBOX = 0x00010000u,
  WS_MAXIMIZE = 0x01000000u,
  WS_OVERLAPPEDWINDOW = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
  FWS_ADDTOTITLE = 0x00008000u,   // the document's title is part of the window title
  FWS_PREFIXTITLE = 0x00004000u,  // ... and comes first: "document - application"
};

// The creation parameters PreCreateWindow may change.
struct CREATESTRUCT {
  unsigned style;
  unsigned exStyle;
};

class CFrameWnd : public QMainWindow, public CCmdTarget {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Creates the window from the menu, accelerators and icon of resourceId.
  // False when PreCreateWindow or OnCreate fails.
  bool LoadFrame(int resourceId);

  unsigned Style() const { return style_; }
  // Moves the frame's outer corner to (x, y) and gives it the outer size
  // width x height. Before the window is first shown the toolkit does not
  // know its decorations; the size is then the size inside them.
  void MoveWindow(int x, int y, int width, int height);
  // Lays out menu bar, view and status bar again.
  void RecalcLayout();
  // Makes the frame just large enough for the view's preferred size, but
  // never larger than it is.
  void ShrinkToFitView();

  void SetActiveView(CView* view);
  CView* GetActiveView() const { return view_; }
  CDocument* GetActiveDocument() const;

  CStatusBar* StatusBar() const { return statusBar_; }
  void SetStatusBar(CStatusBar* statusBar);
  // Shows the idle text or a command's prompt in the message pane.
  void SetMessageText(const QString& text);

  // The menu item that sends command id, or null.
  QAction* CommandAction(int id) const;
  // Puts the recent-file list into the File menu in place of its
  // placeholder; the placeholder, greyed, while the list is empty.
  void UpdateRecentFileMenu();
  // The window title from the application title and the document's title.
  void OnUpdateFrameTitle();

  // Lets files dropped on the window open as documents.
  void DragAcceptFiles();

  bool OnCmdMsg(int id) override;
  bool OnUpdateCmdUI(CCmdUI& ui) override;

 protected:
  // Gives the creation parameters; the default asks for an overlapped,
  // sizable window with the document's title first.
  virtual bool PreCreateWindow(CREATESTRUCT& cs);
  // After the window exists; -1 fails the creation.
  virtual int OnCreate() { return 0; }
  // Exit, the close box and the system menu come here.
  virtual void OnClose();

  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenu(int resourceId);
  void BuildAccelerators(int resourceId);
  void UpdateMenuItems(QMenu* menu);
  void ApplyStyle();

  unsigned style_ = 0;
  CView* view_ = nullptr;
  QFrame* viewBorder_ = nullptr;
  CStatusBar* statusBar_ = nullptr;
  std::map<int, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentPlaceholder_ = nullptr;
  std::vector<QAction*> recentActions_;
  bool closeAccepted_ = false;
};
