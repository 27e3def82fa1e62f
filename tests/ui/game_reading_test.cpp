// Reading the board without its colours: the square pane and the board's
// accessible name follow the keyboard's cursor, the worth row follows the
// game, and the terrain overlay writes the bonuses on the board.

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

#include "tests/ui/game_test_support.h"

class GameReadingTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(Start());
    FlatLand();
  }
  // A key as the player gives it, through the event queue.
  void PostKey(Qt::Key key) {
    QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
    QCoreApplication::processEvents();
    WaitForBoard();
  }
  QString SquarePane() { return Pane(4); }
  QString BoardName() { return QAccessible::queryAccessibleInterface(&View())->text(QAccessible::Name); }
  QString WorthRow() { return Text("worthRow"); }
};

TEST_F(GameReadingTest, TheCursorsSquareIsNamedInThePaneAndToAScreenReader) {
  World().terrain[13][12] = 9;  // a site on hills
  World().ApplyTerrain(World().terrain);
  EXPECT_EQ(SquarePane(), "");
  PostKey(Qt::Key_Right);  // the cursor shows in the middle
  EXPECT_EQ(SquarePane(), "(12,12) Grassland: income +$50");
  EXPECT_EQ(BoardName(), SquarePane());
  PostKey(Qt::Key_Right);
  EXPECT_EQ(SquarePane(), "(13,12) Site on hills: income +$100, defence +1");
  View().OnUnitButton(IDC_INFANTRY);
  PostKey(Qt::Key_Space);
  ASSERT_EQ(World().At(13, 12).unitType, Infantry);
  EXPECT_EQ(SquarePane(), "(13,12) Site on hills: income +$100, defence +1 · Infantry");
  EXPECT_EQ(BoardName(), SquarePane());
  // The pane names the square last pointed at, by the mouse or the keys.
  const QPoint mouse = Square(3, 4);
  QCoreApplication::postEvent(&View(), new QMouseEvent(QEvent::MouseMove, mouse, View().mapToGlobal(mouse),
                                                       Qt::NoButton, Qt::NoButton, Qt::NoModifier));
  QCoreApplication::processEvents();
  EXPECT_EQ(SquarePane(), "(3,4) Grassland: income +$50");
  EXPECT_EQ(BoardName(), "(13,12) Site on hills: income +$100, defence +1 · Infantry");
  PostKey(Qt::Key_Down);
  EXPECT_EQ(SquarePane(), "(13,13) Grassland: income +$50");
}

TEST_F(GameReadingTest, TheWorthRowFollowsSalesAndTurnsButNotPurchases) {
  const QString start = "Your worth $2000 · victory above $40000 (20 × Chaos's $2000) · defeat below $20";
  EXPECT_EQ(WorthRow(), start);
  View().OnUnitButton(IDC_FARMER);
  PostKey(Qt::Key_Right);
  PostKey(Qt::Key_Space);  // $100 from the treasury into a Farmer worth $100
  ASSERT_EQ(World().At(12, 12).unitType, Farmer);
  EXPECT_EQ(WorthRow(), start);
  PostKey(Qt::Key_Delete);  // sold for $80
  ASSERT_EQ(World().At(12, 12).unitType, Empty);
  EXPECT_EQ(WorthRow(), "Your worth $1980 · victory above $40000 (20 × Chaos's $2000) · defeat below $20");
  World().treasury = 1000;  // nothing to ask before the turn
  World().gameSpeed = 0;
  Command(IDC_END_SETUP);
  ASSERT_EQ(World().turn, 1);
  EXPECT_TRUE(WorthRow().startsWith(QString("Your worth $%1 ").arg(World().treasury))) << WorthRow().toStdString();
  EXPECT_TRUE(WorthRow().contains(QString("(20 × Chaos's $%1)").arg(World().chaosMoney))) << WorthRow().toStdString();
}

TEST_F(GameReadingTest, TheOverlayWritesTheBonusesOnTheBoardAndIsRemembered) {
  World().terrain[3][4] = 1;  // lowland: +100 in the top left corner
  World().ApplyTerrain(World().terrain);
  View().DrawTerrain(World().terrain);
  View().repaint();
  const QImage before = View().grab(QRect(190 + 21 * 3, 15 + 21 * 4, 20, 20)).toImage();
  Action("terrainOverlayAction")->trigger();
  View().repaint();
  const QImage after = View().grab(QRect(190 + 21 * 3, 15 + 21 * 4, 20, 20)).toImage();
  EXPECT_NE(after.copy(0, 0, 20, 8), before.copy(0, 0, 20, 8));
  EXPECT_EQ(after.copy(0, 12, 20, 8), before.copy(0, 12, 20, 8)) << "no defence mark on lowland";
  EXPECT_TRUE(QSettings("Tarvell", "Tarvell").value("Settings/TerrainOverlay").toBool());
}
