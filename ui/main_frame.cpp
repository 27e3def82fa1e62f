#include "ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "ui/platform/keyboard_locks.h"
#include "ui/resources/dialog_font.h"
#include "ui/resources/images.h"
#include "ui/resources/menu.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

namespace {

constexpr int kLockPollMilliseconds = 250;
constexpr int kIndicatorPadding = 12;
constexpr int kIndicators[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

QString Text(int id) { return QString::fromStdString(LoadResourceString(id)); }

}  // namespace

CMainFrame::CMainFrame() { connect(&lockTimer_, &QTimer::timeout, this, &CMainFrame::PollLocks); }

bool CMainFrame::Create(QWidget* view) {
  if (!PreCreateWindow()) return false;
  setWindowIcon(QPixmap::fromImage(LoadImageResource(IDR_MAINFRAME)));
  // The view sits inside a thin border of its own.
  view_ = view;
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
  BuildMenu();
  BuildStatusBar();
  // Placed before the toolkit knows its decorations: 800 x 600 inside them.
  const QSize decoration = frameGeometry().size() - geometry().size();
  setFixedSize(QSize(800, 600) - decoration);
  move(0, 0);
  return 0;
}

void CMainFrame::BuildMenu() {
  for (const MenuResource& popup : LoadMenuResource(IDR_MAINFRAME)) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.title));
    connect(menu, &QMenu::aboutToHide, this, [this] { SetMessageText(Text(IDS_IDLE_MESSAGE)); });
    for (const MenuItemResource& item : popup.items) {
      if (item.kind == MenuItemResource::Separator) {
        menu->addSeparator();
        continue;
      }
      // The text after "\t" is shown as the item's key.
      QAction* action = menu->addAction(QString::fromUtf8(item.text));
      action->setStatusTip(QString::fromStdString(CommandPrompt(item.command)));
      action->setEnabled(!item.grayed);
      actions_[item.command] = action;
    }
  }
  fileMenu_ = menuBar()->actions().front()->menu();
  recentPlaceholder_ = actions_[ID_FILE_MRU_FILE1];
  // The keys: on their menu item where there is one, on the window otherwise.
  for (const AcceleratorResource& key : LoadAcceleratorResource(IDR_MAINFRAME)) {
    QAction*& action = actions_[key.command];
    if (action == nullptr) {
      action = new QAction(this);
      addAction(action);
    }
    action->setShortcut(QKeySequence(key.key | key.modifiers));
  }
  QAction* statusBarItem = actions_[ID_VIEW_STATUS_BAR];
  statusBarItem->setCheckable(true);
  statusBarItem->setChecked(true);
  connect(statusBarItem, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  connect(actions_[ID_APP_EXIT], &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("status bar " + QString::number(ID_VIEW_STATUS_BAR));
  bar->setSizeGripEnabled(false);
  bar->setFont(DialogFont());
  auto* message = new QLabel(bar);
  message->setFont(bar->font());
  message->setTextFormat(Qt::PlainText);
  bar->addWidget(message, 1);
  panes_.push_back(message);
  for (std::size_t i = 0; i < std::size(kIndicators); ++i) {
    auto* pane = new QLabel(bar);
    pane->setFont(bar->font());
    pane->setTextFormat(Qt::PlainText);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(pane);
    panes_.push_back(pane);
  }
  ZoomStatusBar(100);
  PollLocks();
  lockTimer_.start(kLockPollMilliseconds);
  SetMessageText(Text(IDS_IDLE_MESSAGE));
}

void CMainFrame::ZoomStatusBar(int percent) {
  QFont font = DialogFont();
  font.setPixelSize((font.pixelSize() * percent + 50) / 100);
  statusBar()->setFont(font);
  for (std::size_t i = 0; i < panes_.size(); ++i) {
    panes_[i]->setFont(font);
    // An indicator keeps the width of its text whether it shows or not.
    if (i > 0)
      panes_[i]->setFixedWidth(panes_[i]->fontMetrics().horizontalAdvance(Text(kIndicators[i - 1])) +
                               kIndicatorPadding);
  }
}

QAction* CMainFrame::Action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::SetRecentFiles(const QStringList& menuTexts) {
  for (QAction* action : recentActions_) {
    actions_.erase(action->data().toInt());
    delete action;
  }
  recentActions_.clear();
  actions_[ID_FILE_MRU_FILE1] = recentPlaceholder_;
  recentPlaceholder_->setVisible(menuTexts.isEmpty());
  for (int i = 0; i < menuTexts.size(); ++i) {
    auto* action = new QAction(menuTexts[i], fileMenu_);
    const int command = ID_FILE_MRU_FILE1 + i;
    action->setData(command);
    action->setStatusTip(QString::fromStdString(CommandPrompt(command)));
    connect(action, &QAction::triggered, this, [this, i] { emit recentFileChosen(i); });
    fileMenu_->insertAction(recentPlaceholder_, action);
    recentActions_.push_back(action);
    actions_[command] = action;
  }
}

void CMainFrame::SetDocumentTitle(const QString& title) {
  const QString application = Text(IDS_APP_TITLE);
  setWindowTitle(title.isEmpty() ? application : application + " - " + title);
}

void CMainFrame::SetMessageText(const QString& text) {
  panes_[0]->setText(text);
  panes_[0]->repaint();
}

void CMainFrame::SetMessageTextLater(const QString& text) { panes_[0]->setText(text); }

void CMainFrame::ShowLockState(bool caps, bool num, bool scroll) {
  const bool on[] = {caps, num, scroll};
  for (int i = 0; i < 3; ++i) {
    const QString text = on[i] ? Text(kIndicators[i]) : QString();
    if (panes_[i + 1]->text() != text) panes_[i + 1]->setText(text);
  }
}

void CMainFrame::PollLocks() {
  const std::optional<KeyboardLocks> locks = ReadKeyboardLocks();
  ShowLockState(locks && locks->caps, locks && locks->num, locks && locks->scroll);
}

void CMainFrame::FitToView(bool mayGrow) {
  // The status bar's height follows its font only once its layout is redone.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  if (QLayout* frameLayout = layout()) frameLayout->activate();
  // The view's border: its line and the one-pixel margin inside it.
  const int border = viewBorder_->frameWidth() + 1;
  const QSize central = view_->sizeHint() + QSize(2 * border, 2 * border);
  const QSize fitting = size() - centralWidget()->size() + central;
  setFixedSize(mayGrow ? fitting : fitting.boundedTo(size()));
  if (QLayout* frameLayout = layout()) frameLayout->activate();
}

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // A menu item's prompt while it is highlighted, the idle text after.
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    SetMessageText(tip.isEmpty() && QApplication::activePopupWidget() == nullptr ? Text(IDS_IDLE_MESSAGE) : tip);
    return true;
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
