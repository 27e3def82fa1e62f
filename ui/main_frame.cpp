#include "ui/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "ui/platform/keyboard_locks.h"
#include "ui/resources/images.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

namespace {

// A menu command's prompt is its status tip; the short name after "\n" its
// tooltip.
void SetPrompt(QAction* action, const QString& prompt) {
  action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
  action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
}

QString LockText(int index) {
  switch (index) {
    case 0: return CMainFrame::tr("CAP");
    case 1: return CMainFrame::tr("NUM");
    default: return CMainFrame::tr("SCRL");
  }
}

}  // namespace

CMainFrame::CMainFrame() = default;

bool CMainFrame::Create(QWidget* view) {
  if (!PreCreateWindow()) return false;
  setWindowIcon(QPixmap::fromImage(LoadImageResource(QLatin1String(kApplicationIcon))));
  // The view sits inside a thin border of its own.
  viewBorder_ = new QFrame(this);
  viewBorder_->setFrameStyle(QFrame::Box | QFrame::Plain);
  viewBorder_->setLineWidth(1);
  auto* layout = new QVBoxLayout(viewBorder_);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(0);
  layout->addWidget(view);
  setCentralWidget(viewBorder_);
  SetDocumentTitle(QString());
  return OnCreate() != -1;
}

bool CMainFrame::PreCreateWindow() {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
  return true;
}

int CMainFrame::OnCreate() {
  CreateActions();
  CreateMenus();
  CreateStatusBar();
  // No sizing border: the window is always as large as its contents ask.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(0, 0);
  // The lock keys change the indicators whichever widget has the focus.
  qApp->installEventFilter(this);
  return 0;
}

void CMainFrame::CreateActions() {
  newGameAction = new QAction(tr("&New Game"), this);
  newGameAction->setObjectName(QStringLiteral("newGameAction"));
  newGameAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  SetPrompt(newGameAction, tr("Create a new game\nNew Game"));

  newUserAction = new QAction(tr("&New User..."), this);
  newUserAction->setObjectName(QStringLiteral("newUserAction"));
  newUserAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  SetPrompt(newUserAction, tr("Creates a new user profile\nNew User"));

  selectUserAction = new QAction(tr("&Select User..."), this);
  selectUserAction->setObjectName(QStringLiteral("selectUserAction"));
  selectUserAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  SetPrompt(selectUserAction, tr("Selects another user's profile\nSelect User"));

  // Shown, greyed, while the list of recent profiles is empty.
  recentFilePlaceholder = new QAction(tr("Recent File"), this);
  recentFilePlaceholder->setObjectName(QStringLiteral("recentFilePlaceholder"));
  recentFilePlaceholder->setEnabled(false);

  exitAction = new QAction(tr("E&xit"), this);
  exitAction->setObjectName(QStringLiteral("exitAction"));
  exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  SetPrompt(exitAction, tr("Quit the game\nExit"));
  connect(exitAction, &QAction::triggered, this, &QWidget::close);

  statusBarAction = new QAction(tr("&Status Bar"), this);
  statusBarAction->setObjectName(QStringLiteral("statusBarAction"));
  statusBarAction->setCheckable(true);
  statusBarAction->setChecked(true);
  SetPrompt(statusBarAction, tr("Show or hide the status bar\nToggle StatusBar"));
  connect(statusBarAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

  // Kept in the settings by the application.
  terrainOverlayAction = new QAction(tr("&Terrain Overlay"), this);
  terrainOverlayAction->setObjectName(QStringLiteral("terrainOverlayAction"));
  terrainOverlayAction->setCheckable(true);
  SetPrompt(terrainOverlayAction, tr("Write each square's income and defence bonus on the board\nTerrain Overlay"));

  optionsAction = new QAction(tr("&Options"), this);
  optionsAction->setObjectName(QStringLiteral("optionsAction"));
  SetPrompt(optionsAction, tr("Show the Options Dialog\nShow Options Dialog"));

  chaosAction = new QAction(tr("&Chaos..."), this);
  chaosAction->setObjectName(QStringLiteral("chaosAction"));
  SetPrompt(chaosAction, tr("Show what Chaos has learned about you\nChaos"));

  auto* zooms = new QActionGroup(this);
  zoom100Action = zooms->addAction(tr("Zoom &100 %"));
  zoom100Action->setObjectName(QStringLiteral("zoom100Action"));
  SetPrompt(zoom100Action, tr("Show the board at its own size\nZoom 100 %"));
  zoom150Action = zooms->addAction(tr("Zoom 1&50 %"));
  zoom150Action->setObjectName(QStringLiteral("zoom150Action"));
  SetPrompt(zoom150Action, tr("Show the board half as large again\nZoom 150 %"));
  zoom200Action = zooms->addAction(tr("Zoom &200 %"));
  zoom200Action->setObjectName(QStringLiteral("zoom200Action"));
  SetPrompt(zoom200Action, tr("Show the board at twice its size\nZoom 200 %"));
  for (QAction* zoom : zooms->actions()) zoom->setCheckable(true);

  aboutAction = new QAction(tr("&About Tarvell..."), this);
  aboutAction->setObjectName(QStringLiteral("aboutAction"));
  SetPrompt(aboutAction, tr("Display program information, version number and copyright\nAbout"));

  howToPlayAction = new QAction(tr("&How to Play"), this);
  howToPlayAction->setObjectName(QStringLiteral("howToPlayAction"));
  // Ctrl+F1, as plain F1 buys a Drone.
  howToPlayAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
  SetPrompt(howToPlayAction, tr("Explain the goal, the units, the barbarians and a turn\nHow to Play"));

  // F1 is a unit key, not Help; F6 and F7 follow the buttons on the form,
  // where Jammer stands above Armor.
  const Qt::Key keys[8] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4,
                           Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8};
  for (std::size_t i = 0; i < unitActions.size(); ++i) {
    unitActions[i] = new QAction(this);
    unitActions[i]->setObjectName(QStringLiteral("unitAction%1").arg(i + 1));
    unitActions[i]->setShortcut(QKeySequence(keys[i]));
    addAction(unitActions[i]);
  }
}

void CMainFrame::CreateMenus() {
  fileMenu_ = menuBar()->addMenu(tr("&File"));
  fileMenu_->addAction(newGameAction);
  fileMenu_->addSeparator();
  fileMenu_->addAction(newUserAction);
  fileMenu_->addAction(selectUserAction);
  fileMenu_->addSeparator();
  fileMenu_->addAction(recentFilePlaceholder);
  fileMenu_->addSeparator();
  fileMenu_->addAction(exitAction);

  QMenu* viewMenu = viewMenu_ = menuBar()->addMenu(tr("&View"));
  viewMenu->addAction(statusBarAction);
  viewMenu->addAction(terrainOverlayAction);
  viewMenu->addSeparator();
  viewMenu->addAction(optionsAction);
  viewMenu->addSeparator();
  viewMenu->addAction(chaosAction);
  viewMenu->addSeparator();
  viewMenu->addAction(zoom100Action);
  viewMenu->addAction(zoom150Action);
  viewMenu->addAction(zoom200Action);

  QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
  helpMenu->addAction(aboutAction);
  helpMenu->addAction(howToPlayAction);

  for (QMenu* menu : {fileMenu_, viewMenu, helpMenu})
    connect(menu, &QMenu::aboutToHide, this, &CMainFrame::ShowIdleMessage);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setSizeGripEnabled(false);
  messagePane_ = new QLabel(bar);
  messagePane_->setObjectName(QStringLiteral("messagePane"));
  messagePane_->setTextFormat(Qt::PlainText);
  bar->addWidget(messagePane_, 1);
  for (std::size_t i = 0; i < lockPanes_.size(); ++i) {
    auto* pane = new QLabel(bar);
    pane->setTextFormat(Qt::PlainText);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // An indicator keeps the width of its text whether it shows or not.
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(LockText(static_cast<int>(i))) + 12);
    bar->addPermanentWidget(pane);
    lockPanes_[i] = pane;
  }
  ReadLocks();
  ShowIdleMessage();
  CreateSquarePane(bar);
}

void CMainFrame::AddTurnReport(QDockWidget* dock) {
  addDockWidget(Qt::RightDockWidgetArea, dock);
  dock->setFloating(true);
  dock->hide();
  turnReportAction = dock->toggleViewAction();
  turnReportAction->setObjectName(QStringLiteral("turnReportAction"));
  turnReportAction->setText(tr("Turn &Report"));
  SetPrompt(turnReportAction, tr("Show or hide the report of the last turn\nTurn Report"));
  const QList<QAction*> items = viewMenu_->actions();
  viewMenu_->insertAction(items.value(items.indexOf(chaosAction) + 1), turnReportAction);
}

void CMainFrame::CreateSquarePane(QStatusBar* bar) {
  // Between the message pane and the indicators; made last, so that the
  // panes made before keep their order among the bar's children. Its width
  // is a share of the bar, never what its text asks: the window keeps its
  // size whatever square it names.
  squarePane_ = new QLabel(bar);
  squarePane_->setObjectName(QStringLiteral("squarePane"));
  squarePane_->setTextFormat(Qt::PlainText);
  squarePane_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  bar->insertPermanentWidget(1, squarePane_, 1);
}

void CMainFrame::SetSquareText(const QString& text) {
  if (squarePane_->text() == text) return;
  squarePane_->setText(text);
  squarePane_->setToolTip(text);  // whole, where a long message leaves the pane too narrow
}

QString CMainFrame::SquareText() const { return squarePane_->text(); }

void CMainFrame::SetRecentFiles(const QStringList& menuTexts) {
  qDeleteAll(recentActions_);
  recentActions_.clear();
  recentFilePlaceholder->setVisible(menuTexts.isEmpty());
  for (int i = 0; i < menuTexts.size(); ++i) {
    auto* action = new QAction(menuTexts[i], fileMenu_);
    action->setObjectName(QStringLiteral("recentFileAction%1").arg(i + 1));
    action->setStatusTip(tr("Open this document"));
    connect(action, &QAction::triggered, this, [this, i] { emit recentFileChosen(i); });
    fileMenu_->insertAction(recentFilePlaceholder, action);
    recentActions_ << action;
  }
}

void CMainFrame::SetDocumentTitle(const QString& title) {
  const QString application = tr("Tarvell");
  setWindowTitle(title.isEmpty() ? application : tr("%1 - %2").arg(application, title));
}

void CMainFrame::SetMessageText(const QString& text) {
  messagePane_->setText(text);
  // The message takes the width it needs and the square pane what is left:
  // lay the bar out and repaint it now, so that the screen shows the message
  // before the turn goes on.
  statusBar()->layout()->activate();
  statusBar()->repaint();
}

void CMainFrame::SetMessageTextLater(const QString& text) {
  messagePane_->setText(text);
  statusBar()->layout()->activate();  // the panes' new widths are painted with the text
}

void CMainFrame::ShowIdleMessage() { SetMessageText(tr("Ready")); }

void CMainFrame::ShowLockState(bool caps, bool num, bool scroll) {
  const bool on[] = {caps, num, scroll};
  for (int i = 0; i < 3; ++i) {
    const QString text = on[i] ? LockText(i) : QString();
    if (lockPanes_[i]->text() != text) lockPanes_[i]->setText(text);
  }
}

void CMainFrame::ReadLocks() {
  const std::optional<KeyboardLocks> locks = ReadKeyboardLocks();
  ShowLockState(locks && locks->caps, locks && locks->num, locks && locks->scroll);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    // The key's light has changed once the key is up; a key pressed while
    // another window had the focus shows at the next activation.
    if (static_cast<QKeyEvent*>(event)->isAutoRepeat() == false) ReadLocks();
  }
  return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowActivate: ReadLocks(); break;
    case QEvent::StatusTip: {
      // A menu item's prompt while it is highlighted, the idle text after.
      const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
      if (tip.isEmpty() && QApplication::activePopupWidget() == nullptr) {
        ShowIdleMessage();
      } else {
        SetMessageText(tip);
      }
      return true;
    }
    default: break;
  }
  return QMainWindow::event(event);
}

void CMainFrame::OnClose() {
  if (document_ == nullptr) {
    closeApproved_ = true;
    return;
  }
  // The session asks before abandoning, waits for the simulation and saves;
  // the window closes when it agrees: at once, or once the simulation ended.
  document_->Session().Close([this](bool mayEnd) {
    if (!mayEnd) return;
    closeApproved_ = true;
    if (!handlingClose_) close();
  });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  TurnPlayback* playback = document_ != nullptr && document_->view != nullptr ? &document_->view->Playback() : nullptr;
  if (!closeApproved_ && playback != nullptr && playback->ShowingTurn()) {
    // Never in the middle of a turn: the rest of it plays without pauses,
    // as Escape has it, and then the window asks as always.
    playback->Hurry();
    if (!closeAfterTurn_) {
      closeAfterTurn_ = true;
      connect(
          playback, &TurnPlayback::turnShowing, this,
          [this] {
            closeAfterTurn_ = false;
            close();
          },
          static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    event->ignore();
    return;
  }
  if (!closeApproved_) {
    handlingClose_ = true;
    OnClose();
    handlingClose_ = false;
  }
  if (!closeApproved_) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  // Only the first file dropped opens, as one profile is in use at a time.
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    emit fileDropped(url.toLocalFile());
    return;
  }
}
