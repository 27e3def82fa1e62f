#include "ui/platform/frame_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "ui/platform/document.h"
#include "ui/platform/recent_file_list.h"
#include "ui/platform/status_bar.h"
#include "ui/platform/view.h"
#include "ui/platform/window_app.h"
#include "ui/resources/images.h"
#include "ui/resources/menu.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"

namespace {

QString IdleText() { return QString::fromStdString(LoadResourceString(IDS_IDLE_MESSAGE)); }

}  // namespace

CFrameWnd::CFrameWnd() : QMainWindow(nullptr) { setAttribute(Qt::WA_DeleteOnClose, false); }

CFrameWnd::~CFrameWnd() = default;

bool CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE | FWS_PREFIXTITLE;
  cs.exStyle = 0;
  return true;
}

bool CFrameWnd::LoadFrame(int resourceId) {
  CREATESTRUCT cs{0, 0};
  if (!PreCreateWindow(cs)) return false;
  style_ = cs.style;
  ApplyStyle();
  setWindowIcon(QPixmap::fromImage(LoadImageResource(resourceId)));
  BuildMenu(resourceId);
  BuildAccelerators(resourceId);
  OnUpdateFrameTitle();
  return OnCreate() != -1;
}

void CFrameWnd::ApplyStyle() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if (style_ & WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (style_ & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style_ & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style_ & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);
  if (style_ & WS_MAXIMIZE) setWindowState(Qt::WindowMaximized);
}

void CFrameWnd::BuildMenu(int resourceId) {
  for (const MenuResource& popup : LoadMenuResource(resourceId)) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.title));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenuItems(menu); });
    connect(menu, &QMenu::aboutToHide, this, [this] { SetMessageText(IdleText()); });
    for (const MenuItemResource& item : popup.items) {
      if (item.kind == MenuItemResource::Separator) {
        menu->addSeparator();
        continue;
      }
      // The text after "\t" is shown as the item's shortcut; the keys
      // themselves belong to the accelerator table.
      QAction* action = menu->addAction(QString::fromUtf8(item.text));
      action->setStatusTip(QString::fromStdString(CommandPrompt(item.command)));
      action->setEnabled(!item.grayed);
      const int command = item.command;
      connect(action, &QAction::triggered, this, [command] {
        if (CWinApp* app = AfxGetApp()) app->RouteCommand(command);
      });
      actions_[command] = action;
      if (command == ID_FILE_MRU_FILE1) {
        fileMenu_ = menu;
        recentPlaceholder_ = action;
      }
    }
  }
  UpdateRecentFileMenu();
}

void CFrameWnd::BuildAccelerators(int resourceId) {
  for (const AcceleratorResource& accelerator : LoadAcceleratorResource(resourceId)) {
    auto* shortcut = new QShortcut(QKeySequence(accelerator.key | accelerator.modifiers), this);
    shortcut->setContext(Qt::WindowShortcut);
    const int command = accelerator.command;
    connect(shortcut, &QShortcut::activated, this, [command] {
      if (CWinApp* app = AfxGetApp()) app->RouteCommand(command);
    });
  }
}

void CFrameWnd::UpdateMenuItems(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    for (const auto& [id, known] : actions_) {
      if (known != action || action == recentPlaceholder_) continue;
      CCmdUI ui{id};
      CWinApp* app = AfxGetApp();
      if (app != nullptr && app->RouteUpdateCommand(ui)) {
        action->setEnabled(ui.enabled);
        action->setCheckable(ui.checkable);
        if (ui.checkable) action->setChecked(ui.checked);
      }
    }
  }
}

void CFrameWnd::UpdateRecentFileMenu() {
  if (fileMenu_ == nullptr || recentPlaceholder_ == nullptr) return;
  for (QAction* action : recentActions_) {
    actions_.erase(action->data().toInt());
    fileMenu_->removeAction(action);
    delete action;
  }
  recentActions_.clear();
  CWinApp* app = AfxGetApp();
  const CRecentFileList* recent = app != nullptr ? app->RecentFiles() : nullptr;
  const int count = recent != nullptr ? static_cast<int>(recent->Entries().size()) : 0;
  recentPlaceholder_->setVisible(count == 0);
  actions_[ID_FILE_MRU_FILE1] = recentPlaceholder_;
  for (int i = 0; i < count; ++i) {
    auto* action = new QAction(recent->MenuText(i), fileMenu_);
    const int command = ID_FILE_MRU_FILE1 + i;
    action->setData(command);
    action->setStatusTip(QString::fromStdString(CommandPrompt(command)));
    connect(action, &QAction::triggered, this, [command] {
      if (CWinApp* a = AfxGetApp()) a->RouteCommand(command);
    });
    fileMenu_->insertAction(recentPlaceholder_, action);
    recentActions_.push_back(action);
    actions_[command] = action;
  }
}

QAction* CFrameWnd::CommandAction(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CFrameWnd::OnUpdateFrameTitle() {
  const QString application = QString::fromStdString(LoadResourceString(IDS_APP_TITLE));
  CDocument* document = GetActiveDocument();
  if (!(style_ & FWS_ADDTOTITLE) || document == nullptr || document->GetTitle().empty()) {
    setWindowTitle(application);
    return;
  }
  const QString title = QString::fromStdString(document->GetTitle());
  setWindowTitle((style_ & FWS_PREFIXTITLE) ? title + " - " + application : application + " - " + title);
}

void CFrameWnd::SetActiveView(CView* view) {
  view_ = view;
  if (viewBorder_ == nullptr) {
    // The view sits inside a thin border of its own.
    viewBorder_ = new QFrame(this);
    viewBorder_->setFrameStyle(QFrame::Box | QFrame::Plain);
    viewBorder_->setLineWidth(1);
    auto* layout = new QVBoxLayout(viewBorder_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    setCentralWidget(viewBorder_);
  }
  if (view != nullptr) viewBorder_->layout()->addWidget(view);
}

CDocument* CFrameWnd::GetActiveDocument() const { return view_ != nullptr ? view_->GetDocument() : nullptr; }

void CFrameWnd::SetStatusBar(CStatusBar* statusBar) {
  statusBar_ = statusBar;
  setStatusBar(statusBar);
}

void CFrameWnd::SetMessageText(const QString& text) {
  if (statusBar_ != nullptr) statusBar_->SetPaneText(0, text);
}

void CFrameWnd::MoveWindow(int x, int y, int width, int height) {
  const QSize decoration = frameGeometry().size() - geometry().size();
  const QSize client(width - decoration.width(), height - decoration.height());
  if (!(style_ & WS_THICKFRAME)) setFixedSize(client);
  resize(client);
  move(x, y);
}

void CFrameWnd::RecalcLayout() {
  if (QLayout* frameLayout = layout()) frameLayout->activate();
}

void CFrameWnd::ShrinkToFitView() {
  if (view_ == nullptr || centralWidget() == nullptr) return;
  RecalcLayout();
  // The view's border: its line and the one-pixel margin inside it.
  const int border = viewBorder_->frameWidth() + 1;
  const QSize central = view_->PreferredSize() + QSize(2 * border, 2 * border);
  const QSize target = (size() - centralWidget()->size() + central).boundedTo(size());
  if (!(style_ & WS_THICKFRAME)) setFixedSize(target);
  resize(target);
  RecalcLayout();
}

bool CFrameWnd::OnCmdMsg(int id) {
  if (id == ID_VIEW_STATUS_BAR && statusBar_ != nullptr) {
    statusBar_->setVisible(!statusBar_->isVisible());
    return true;
  }
  return false;
}

bool CFrameWnd::OnUpdateCmdUI(CCmdUI& ui) {
  if (ui.id == ID_VIEW_STATUS_BAR && statusBar_ != nullptr) {
    ui.SetCheck(statusBar_->isVisible());
    return true;
  }
  return false;
}

void CFrameWnd::DragAcceptFiles() { setAcceptDrops(true); }

bool CFrameWnd::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // A menu item's prompt while it is highlighted, the idle text after.
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    SetMessageText(tip.isEmpty() && QApplication::activePopupWidget() == nullptr ? IdleText() : tip);
    return true;
  }
  return QMainWindow::event(event);
}

void CFrameWnd::OnClose() { closeAccepted_ = true; }

void CFrameWnd::closeEvent(QCloseEvent* event) {
  closeAccepted_ = false;
  OnClose();
  if (!closeAccepted_) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}

void CFrameWnd::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CFrameWnd::dropEvent(QDropEvent* event) {
  // Only the first file dropped opens, as one profile is in use at a time.
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    if (CWinApp* app = AfxGetApp()) app->OpenDocumentFile(url.toLocalFile().toStdString().c_str());
    return;
  }
}
