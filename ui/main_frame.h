#pragma once
// CMainFrame: the game's main window, titled "Tarvell - " and the profile's
// name. It carries the menu and the window's keys as named QActions, the
// board view inside a thin border, and a status bar of five panes: the
// message pane, the square pane, then the Caps Lock, Num Lock and Scroll Lock
// indicators. A
// menu item's prompt shows in the message pane while the item is
// highlighted, the idle text "Ready" afterwards.
//
// The window has no sizing border: it always takes the size its contents
// ask for, so it follows the view's zoom and shrinks when the status bar is
// hidden.

#include <QMainWindow>

#include <array>

class CTarvellDoc;
class QDockWidget;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame();

  // Builds the window around view: PreCreateWindow, then OnCreate. False
  // when the creation failed.
  bool Create(QWidget* view);
  // The document whose game a close abandons and whose profile it saves.
  void SetDocument(CTarvellDoc* document) { document_ = document; }

  // Shows the recent profiles in the File menu in place of its placeholder,
  // which shows, greyed, while the list is empty.
  void SetRecentFiles(const QStringList& menuTexts);
  const QList<QAction*>& RecentFileActions() const { return recentActions_; }
  // "Tarvell - " and the document's title ("Tarvell" alone for none).
  void SetDocumentTitle(const QString& title);

  // The message pane's text, shown at once.
  void SetMessageText(const QString& text);
  // The message pane's text, shown with the window's next update.
  void SetMessageTextLater(const QString& text);
  // The idle text "Ready" in the message pane.
  void ShowIdleMessage();
  // Shows or clears the lock indicators.
  void ShowLockState(bool caps, bool num, bool scroll);
  // The square pane, right of the message pane: what the square under the
  // mouse or the keyboard's cursor is; empty for none.
  void SetSquareText(const QString& text);
  QString SquareText() const;

  // Adds the turn report's dock, floating and hidden, with its toggle
  // action (turnReportAction) in the View menu after Chaos.
  void AddTurnReport(QDockWidget* dock);

  // The menu's items and the window's keys, named as their objectNames.
  QAction* newGameAction = nullptr;     // Ctrl+N
  QAction* newUserAction = nullptr;     // Ctrl+U
  QAction* selectUserAction = nullptr;  // Ctrl+O
  QAction* recentFilePlaceholder = nullptr;
  QAction* exitAction = nullptr;  // Ctrl+Q
  QAction* statusBarAction = nullptr;
  QAction* terrainOverlayAction = nullptr;  // checkable: each square's bonuses on the board
  QAction* optionsAction = nullptr;
  QAction* chaosAction = nullptr;
  QAction* turnReportAction = nullptr;  // the dock's toggle action, once added
  QAction* zoom100Action = nullptr;
  QAction* zoom150Action = nullptr;
  QAction* zoom200Action = nullptr;
  QAction* aboutAction = nullptr;
  QAction* howToPlayAction = nullptr;  // Ctrl+F1
  // F1..F8: the unit buttons in the form's order (Jammer above Armor).
  std::array<QAction*, 8> unitActions = {};

 signals:
  void recentFileChosen(int index);
  void fileDropped(const QString& path);

 protected:
  // The window style: caption, system menu, minimize and maximize boxes, no
  // sizing border.
  bool PreCreateWindow();
  // Actions, menu, status bar, then position (0, 0); -1 fails the creation.
  int OnCreate();
  // Exit, the close box and the system menu: the session's close, which
  // asks before abandoning a game in progress, waits for the background
  // simulation (without blocking the window) and saves the profile; the
  // window closes once it agrees. During a turn the close first hurries the
  // rest of the turn.
  void OnClose();

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateStatusBar();
  void CreateSquarePane(QStatusBar* bar);
  // Reads the lock keys' state: at every key and whenever the window
  // becomes active.
  void ReadLocks();

  CTarvellDoc* document_ = nullptr;
  bool closeApproved_ = false;  // the session agreed: the next close ends the program
  bool handlingClose_ = false;
  QFrame* viewBorder_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QList<QAction*> recentActions_;
  QLabel* messagePane_ = nullptr;
  std::array<QLabel*, 3> lockPanes_ = {};
  QLabel* squarePane_ = nullptr;
  bool closeAfterTurn_ = false;  // a close waits for the hurried rest of a turn
};
