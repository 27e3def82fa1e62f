#pragma once
// CTurnReportDock: the report of the last turn shown (engine/turn_report.h),
// in a dock window that floats beside the board at first and may be docked
// to it. It lists the income earned, a sale that made room, the units lost
// by kind and square, the barbarians bought, destroyed and gone home with
// their loot, Chaos's gain and the turn's destruction reports in order. A
// report stays until the next turn's replaces it.
//
// The dock opens with the first report of the run, where the player left
// it in the last run, and with every report after it, unless the player has
// closed it; View > Turn Report (its toggle action) opens it again. Picking a loss asks for its square to be outlined
// on the board.

#include <QDockWidget>
#include <QPoint>

struct TurnReport;
class QCloseEvent;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class CTurnReportDock : public QDockWidget {
  Q_OBJECT

 public:
  explicit CTurnReportDock(QWidget* parent);
  ~CTurnReportDock() override;

  // Shows report in place of the one before, and opens the dock unless the
  // player has closed it.
  void ShowReport(const TurnReport& report);

  // The report's lines. A loss is a child of the lost units' line and holds
  // its square as a QPoint in Qt::UserRole.
  QTreeWidget* Tree() const { return tree_; }

 signals:
  // The player picked the loss on this square.
  void lossChosen(QPoint square);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnItem(const QTreeWidgetItem* item);
  // Where the player left it last; else beside the main window, at a size
  // for its text. Once a run.
  void Place();
  // Keeps the floating dock's place and size in the settings.
  void Remember();

  QLabel* heading_;
  QTreeWidget* tree_;
  bool closedByPlayer_ = false;
  bool placed_ = false;
};
