// The turn report beside the board: shown after a turn, held until the next
// one, and a loss picked in it outlined on the board.

#include <QDockWidget>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/game_test_support.h"

namespace {

class TurnReportWindowTest : public GameTest {
 protected:
  QDockWidget* Dock() { return Frame()->findChild<QDockWidget*>("turnReportDock"); }
  QTreeWidget* Tree() { return Frame()->findChild<QTreeWidget*>("turnReportTree"); }
  QString Heading() { return Frame()->findChild<QLabel*>("turnReportHeading")->text(); }
  // The report's losses, each with its square.
  std::vector<QTreeWidgetItem*> Losses() {
    std::vector<QTreeWidgetItem*> losses;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
      if ((*it)->data(0, Qt::UserRole).isValid()) losses.push_back(*it);
    return losses;
  }
};

}  // namespace

TEST_F(TurnReportWindowTest, ReportsTheTurnAndOutlinesAPickedLoss) {
  ASSERT_TRUE(Start());
  ASSERT_NE(Dock(), nullptr);
  EXPECT_FALSE(Dock()->isVisible()) << "a report before any turn";
  // Farmers on every other square: some fall, the others earn.
  FlatLand();
  for (int x = 0; x < 24; ++x)
    for (int y = x % 2; y < 24; y += 2) World().PlaceUnit(Farmer, x, y);
  World().treasury = 1000;
  World().chaosMoney = 5000;
  World().gameSpeed = 0;
  QTest::mouseClick(View().Control(IDC_END_SETUP), Qt::LeftButton);
  ASSERT_TRUE(WaitForBoard());
  ASSERT_EQ(World().turn, 1);

  EXPECT_TRUE(Dock()->isVisible());
  EXPECT_TRUE(Dock()->isFloating());
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), Frame()) << "the report took the keys from the board";
  EXPECT_EQ(Heading(), "Turn 0");
  int lost = 0;
  for (int x = 0; x < 24; ++x)
    for (int y = x % 2; y < 24; y += 2) lost += World().At(x, y).unitType != Farmer;
  ASSERT_GT(lost, 0);
  ASSERT_LT(lost, 24 * 12);
  EXPECT_EQ(static_cast<int>(Losses().size()), lost);

  // A purchase between turns leaves the report as it is.
  Click(Qt::LeftButton, Square(1, 0));
  ASSERT_EQ(World().At(1, 0).unitType, Drone);
  EXPECT_EQ(Heading(), "Turn 0");
  ASSERT_EQ(static_cast<int>(Losses().size()), lost);

  // A loss picked with the mouse is outlined on the board until the next
  // click there.
  QTreeWidgetItem* loss = Losses().back();
  const QPoint square = loss->data(0, Qt::UserRole).toPoint();
  EXPECT_EQ(World().At(square.x(), square.y()).unitType, Empty);
  Tree()->scrollToItem(loss);
  QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, Qt::NoModifier, Tree()->visualItemRect(loss).center());
  EXPECT_EQ(View().LossSquare(), square);
  const QPoint centre = Square(square.x(), square.y());
  EXPECT_EQ(Pixel(centre.x() - 9, centre.y()), CTarvellView::LossColour()) << "no outline on the square's edge";
  Click(Qt::LeftButton, Square(0, 23));
  EXPECT_EQ(View().LossSquare(), QPoint(-1, -1));
  EXPECT_NE(Pixel(centre.x() - 9, centre.y()), CTarvellView::LossColour());

  // Closed by the player, the dock stays closed with the next turn's report,
  // and View > Turn Report shows it.
  QAction* toggle = Action("turnReportAction");
  ASSERT_NE(toggle, nullptr);
  toggle->trigger();
  EXPECT_FALSE(Dock()->isVisible());
  World().treasury = 1000;  // nothing to ask about, and no defeat
  QTest::keyClick(View().Control(IDC_END_SETUP), Qt::Key_Return);
  ASSERT_TRUE(WaitForBoard());
  ASSERT_EQ(World().turn, 2);
  EXPECT_FALSE(Dock()->isVisible());
  toggle->trigger();
  EXPECT_TRUE(Dock()->isVisible());
  EXPECT_EQ(Heading(), "Turn 1");

  // Where the player leaves it, it opens in the next run.
  Dock()->move(Dock()->pos() + QPoint(-30, 40));
  const QPoint left = Dock()->pos();
  WaitForNoSimulation();
  ASSERT_TRUE(Start());
  World().treasury = 1000;
  World().gameSpeed = 0;
  QTest::keyClick(View().Control(IDC_END_SETUP), Qt::Key_Return);
  ASSERT_TRUE(WaitForBoard());
  ASSERT_TRUE(Dock()->isVisible());
  EXPECT_EQ(Dock()->pos(), left);
}
