#include "ui/turn_report_dock.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/turn_report.h"
#include "ui/settings.h"
#include "ui/unit_texts.h"

namespace {

// The floating report's place and size, as the player leaves them.
const QString kGeometryKey = QStringLiteral("Settings/TurnReportGeometry");

QTreeWidgetItem* AddLine(QTreeWidget* tree, const QString& text) {
  return new QTreeWidgetItem(tree, QStringList(text));
}

QTreeWidgetItem* AddLine(QTreeWidgetItem* parent, const QString& text) {
  return new QTreeWidgetItem(parent, QStringList(text));
}

// One line a kind that has any: "Scout: 3".
void AddKinds(QTreeWidgetItem* parent, const std::array<int, kKindCount>& counts) {
  for (int kind = 0; kind < kKindCount; ++kind)
    if (counts[kind] > 0) AddLine(parent, CTurnReportDock::tr("%1: %2").arg(BarbarianName(kind)).arg(counts[kind]));
}

int Sum(const std::array<int, kKindCount>& counts) {
  int sum = 0;
  for (const int count : counts) sum += count;
  return sum;
}

}  // namespace

CTurnReportDock::CTurnReportDock(QWidget* parent) : QDockWidget(tr("Turn Report"), parent) {
  setObjectName(QStringLiteral("turnReportDock"));
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  // A report that opens after a turn leaves the keys with the board.
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* contents = new QWidget(this);
  auto* layout = new QVBoxLayout(contents);
  heading_ = new QLabel(tr("No turn has been shown yet."), contents);
  heading_->setObjectName(QStringLiteral("turnReportHeading"));
  heading_->setTextFormat(Qt::PlainText);
  tree_ = new QTreeWidget(contents);
  tree_->setObjectName(QStringLiteral("turnReportTree"));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->header()->setStretchLastSection(true);
  layout->addWidget(heading_);
  layout->addWidget(tree_, 1);
  setWidget(contents);
  connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { OnItem(item); });
  connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { OnItem(item); });
  connect(toggleViewAction(), &QAction::triggered, this, [this](bool shown) {
    if (shown) closedByPlayer_ = false;
  });
}

void CTurnReportDock::ShowReport(const TurnReport& report) {
  heading_->setText(tr("Turn %1").arg(report.turn));
  tree_->clear();
  AddLine(tree_, tr("Income earned: %1").arg(MoneyText(report.income)));
  if (report.soldType != 0)
    AddLine(tree_, tr("Sold to make room: %1 at (%2,%3) for %4")
                       .arg(UnitName(report.soldType))
                       .arg(report.soldX)
                       .arg(report.soldY)
                       .arg(MoneyText(report.saleRefund)));

  QTreeWidgetItem* lost = AddLine(tree_, tr("Units lost: %1").arg(static_cast<int>(report.losses.size())));
  lost->setToolTip(0, tr("Pick a lost unit to outline its square on the board."));
  for (const TurnLoss& loss : report.losses) {
    QTreeWidgetItem* item =
        AddLine(lost, tr("%1 at (%2,%3), phase %4").arg(UnitName(loss.type)).arg(loss.x).arg(loss.y).arg(loss.phase));
    item->setData(0, Qt::UserRole, QPoint(loss.x, loss.y));
  }

  AddKinds(AddLine(tree_, tr("Barbarians bought: %1 for %2").arg(Sum(report.bought)).arg(MoneyText(report.spent))),
           report.bought);
  AddKinds(AddLine(tree_, tr("Barbarians destroyed: %1").arg(Sum(report.destroyed))), report.destroyed);
  AddKinds(
      AddLine(tree_,
              tr("Barbarians gone home: %1, with %2 of loot").arg(Sum(report.home)).arg(MoneyText(report.homeLoot))),
      report.home);
  AddLine(tree_, tr("Chaos's gain: %1").arg(MoneyText(report.chaosGain)))
      ->setToolTip(0, tr("The loot and prices of the barbarians gone home, less what Chaos spent on barbarians. "
                         "Chaos's income for the next turn comes on top."));

  QTreeWidgetItem* reports =
      AddLine(tree_, tr("Destruction reports: %1").arg(static_cast<int>(report.destructions.size())));
  for (const TurnDestruction& destruction : report.destructions)
    AddLine(reports,
            DestructionText(report.turn, destruction.phase, destruction.what, destruction.x, destruction.y).trimmed());
  lost->setExpanded(true);
  reports->setExpanded(true);

  if (closedByPlayer_ || isVisible()) return;
  // The keys stay the board's, also where every window that shows is made
  // the active one.
  QWidget* const board = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  const bool boardActive = board != nullptr && board->isActiveWindow();
  Place();
  show();
  if (boardActive) board->activateWindow();
}

void CTurnReportDock::Place() {
  if (placed_) return;
  placed_ = true;
  // Where the player left it last, in this run or an earlier one.
  if (const std::unique_ptr<QSettings> settings = OpenSettings();
      settings && isFloating() && restoreGeometry(settings->value(kGeometryKey).toByteArray()))
    return;
  const QFontMetrics metrics = fontMetrics();
  resize(metrics.averageCharWidth() * 64, metrics.height() * 28);
  if (!isFloating() || parentWidget() == nullptr) return;
  // To the right of the main window, or at the screen's right edge.
  const QRect frame = parentWidget()->window()->frameGeometry();
  QPoint at = frame.topRight() + QPoint(8, 0);
  if (const QScreen* screen = parentWidget()->screen()) {
    const QRect available = screen->availableGeometry();
    at.setX(std::max(available.left(), std::min(at.x(), available.right() - width())));
    at.setY(std::max(available.top(), std::min(at.y(), available.bottom() - height())));
  }
  move(at);
}

CTurnReportDock::~CTurnReportDock() { Remember(); }

void CTurnReportDock::Remember() {
  // Kept when the player closes it or the game ends, not at every move: a
  // window manager moves a new window about before it settles.
  if (!placed_ || !isFloating()) return;
  if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(kGeometryKey, saveGeometry());
}

void CTurnReportDock::closeEvent(QCloseEvent* event) {
  closedByPlayer_ = true;
  Remember();
  QDockWidget::closeEvent(event);
}

void CTurnReportDock::OnItem(const QTreeWidgetItem* item) {
  const QVariant square = item != nullptr ? item->data(0, Qt::UserRole) : QVariant();
  if (square.isValid()) emit lossChosen(square.toPoint());
}
