#pragma once
// CMainFrame: the game's main window, of fixed size (the view's at its zoom), titled "Tarvell - " and
// the profile's name. It carries the menu, whose items and keys are QActions
// found by their command identifiers, the board view inside a thin border,
// and a status bar of four panes: the message pane, then the Caps Lock, Num
// Lock and Scroll Lock indicators. A menu item's prompt shows in the message
// pane while the item is highlighted, the idle text "Ready" afterwards.

#include <QMainWindow>
#include <QTimer>

#include <map>

class CTarvellDoc;
class QFrame;
class QLabel;
class QMenu;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame();

  // Builds the window around view: PreCreateWindow, then OnCreate. False
  // when the creation failed.
  bool Create(QWidget* view);
  // The document whose game a close abandons and whose profile it saves.
  void SetDocument(CTarvellDoc* document) { document_ = document; }

  // The menu item or key of command id, or null.
  QAction* Action(int id) const;
  // Shows the recent profiles in the File menu in place of its placeholder,
  // which shows, greyed, while the list is empty.
  void SetRecentFiles(const QStringList& menuTexts);
  // "Tarvell - " and the document's title ("Tarvell" alone for none).
  void SetDocumentTitle(const QString& title);

  // The message pane's text, shown at once.
  void SetMessageText(const QString& text);
  // The message pane's text, shown with the window's next update.
  void SetMessageTextLater(const QString& text);
  // Shows or clears the lock indicators.
  void ShowLockState(bool caps, bool num, bool scroll);

  // Makes the frame just large enough for the view's preferred size: never
  // larger than it is, unless it may grow (a zoomed view).
  void FitToView(bool mayGrow);
  // The status bar's text at the board form's zoom (100, 150 or 200).
  void ZoomStatusBar(int percent);

 signals:
  void recentFileChosen(int index);
  void fileDropped(const QString& path);

 protected:
  // The window style: caption, system menu, minimize and maximize boxes, no
  // sizing border.
  bool PreCreateWindow();
  // Menu, keys, status bar, then position (0, 0) and size 800 x 600; -1
  // fails the creation.
  int OnCreate();
  // Exit, the close box and the system menu: the session's close, which
  // asks before abandoning a game in progress, waits for the background
  // simulation (without blocking the window) and saves the profile; the
  // window closes once it agrees. During a turn the close first hurries the
  // rest of the turn.
  void OnClose();

  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenu();
  void BuildStatusBar();
  void PollLocks();

  CTarvellDoc* document_ = nullptr;
  bool closeApproved_ = false;  // the session agreed: the next close ends the program
  bool handlingClose_ = false;
  QFrame* viewBorder_ = nullptr;
  QWidget* view_ = nullptr;
  std::map<int, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentPlaceholder_ = nullptr;
  std::vector<QAction*> recentActions_;
  std::vector<QLabel*> panes_;
  QTimer lockTimer_;
  bool closeAfterTurn_ = false;  // a close waits for the hurried rest of a turn
};
