// The board view: where a click lands, buying and selling, the unit keys,
// End Setup, and what the view draws.

#include <QTest>
#include <QTimer>

#include "tests/ui/game_test_support.h"
#include "units/barbarian.h"
#include "units/scout.h"

class GameBoardTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(Start());
    FlatLand();
  }
};

TEST_F(GameBoardTest, SquaresStartInsideTheBlackEdgeOfTheBoard) {
  int column = -1, row = -1;
  EXPECT_FALSE(CTarvellView::SquareAt(190, 100, column, row));  // the outer black edge
  EXPECT_FALSE(CTarvellView::SquareAt(300, 15, column, row));
  ASSERT_TRUE(CTarvellView::SquareAt(191, 16, column, row));
  EXPECT_EQ(column, 0);
  ASSERT_TRUE(CTarvellView::SquareAt(210, 100, column, row));  // the gap right of column 0's tile
  EXPECT_EQ(column, 0);
  ASSERT_TRUE(CTarvellView::SquareAt(211, 100, column, row));
  EXPECT_EQ(column, 1);
  ASSERT_TRUE(CTarvellView::SquareAt(693, 518, column, row));
  EXPECT_EQ(column, 23);
  EXPECT_EQ(row, 23);
  EXPECT_FALSE(CTarvellView::SquareAt(694, 100, column, row));
  EXPECT_FALSE(CTarvellView::SquareAt(300, 519, column, row));
}

TEST_F(GameBoardTest, PressAndReleaseOnOneSquareBuysTheSelectedType) {
  Click(Qt::LeftButton, {200, 25}, {205, 30});
  EXPECT_EQ(World().At(0, 0).unitType, Drone);
  EXPECT_EQ(World().treasury, 1980);
  EXPECT_EQ(Text(IDC_TREASURY), "$1980");
  EXPECT_EQ(View().leftPress[0], -1);

  Click(Qt::LeftButton, {200, 25}, {215, 25});  // released on square (1, 0)
  EXPECT_EQ(World().At(1, 0).unitType, Empty);
  EXPECT_EQ(World().treasury, 1980);
  EXPECT_EQ(View().leftPress[0], -1);
}

TEST_F(GameBoardTest, AReleaseOffTheBoardKeepsThePressForLater) {
  Click(Qt::LeftButton, Square(3, 3), {100, 100});
  EXPECT_EQ(World().At(3, 3).unitType, Empty);
  EXPECT_EQ(View().leftPress[0], 3);
  EXPECT_EQ(View().leftPress[1], 3);
  Click(Qt::LeftButton, {100, 100}, Square(3, 3));  // a press off the board changes nothing
  EXPECT_EQ(World().At(3, 3).unitType, Drone);
}

TEST_F(GameBoardTest, RefusedPurchasesChangeNothing) {
  World().At(4, 4).unitType = Water;
  Click(Qt::LeftButton, Square(4, 4));
  World().treasury = 10;
  Click(Qt::LeftButton, Square(5, 5));
  EXPECT_EQ(World().At(4, 4).unitType, Water);
  EXPECT_EQ(World().At(5, 5).unitType, Empty);
  EXPECT_EQ(World().treasury, 10);
}

TEST_F(GameBoardTest, SellingRefundsAndShowsTheTreasury) {
  Command(IDC_ARTILLERY);
  Click(Qt::LeftButton, Square(6, 7));
  EXPECT_EQ(Text(IDC_TREASURY), "$1600");
  EXPECT_EQ(World().At(7, 7).artilleryCore, 1);
  Click(Qt::RightButton, Square(6, 7));
  EXPECT_EQ(World().At(6, 7).unitType, Empty);
  EXPECT_EQ(World().At(7, 7).artilleryCore, 0);
  EXPECT_EQ(World().treasury, 1900);
  EXPECT_EQ(Text(IDC_TREASURY), "$1900");
  Click(Qt::RightButton, Square(6, 7));  // nothing left to sell
  EXPECT_EQ(World().treasury, 1900);
}

TEST_F(GameBoardTest, UnitKeysFollowTheButtonsOrder) {
  const std::pair<int, int> keys[] = {{Qt::Key_F1, 1}, {Qt::Key_F2, 2}, {Qt::Key_F3, 3}, {Qt::Key_F4, 4},
                                      {Qt::Key_F5, 5}, {Qt::Key_F6, 7}, {Qt::Key_F7, 6}, {Qt::Key_F8, 8}};
  Frame()->show();
  Frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
  for (auto [key, type] : keys) {
    QTest::keyClick(Frame(), static_cast<Qt::Key>(key));
    EXPECT_EQ(View().selectedType, type) << "key F" << key - Qt::Key_F1 + 1;
  }
  EXPECT_EQ(CheckedUnitButton(), IDC_ARTILLERY);
  Command(IDC_JAMMER);
  EXPECT_EQ(View().selectedType, 7);
  EXPECT_EQ(CheckedUnitButton(), IDC_JAMMER);
}

TEST_F(GameBoardTest, EndSetupAsksOnlyAboveAThousandDollars) {
  World().treasury = 1000;
  World().chaosMoney = 100;  // too strong to lose to, too poor to win against
  Command(IDC_END_SETUP);    // no question: any dialog would fail the test
  EXPECT_EQ(World().turn, 1);

  World().treasury = 1001;
  Dialogs().Press(IDD_CONFIRM, kReject);
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().turn, 1);
  Dialogs().Type(IDD_CONFIRM, Qt::Key_Return);  // Enter answers "NO"
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().turn, 1);
  Dialogs().Press(IDD_CONFIRM, kAccept);
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().turn, 2);
}

TEST_F(GameBoardTest, AfterTheGameEndsTheBoardIgnoresClicksButKeysStillSelect) {
  World().mode = ModeIdle;
  Click(Qt::LeftButton, Square(2, 2));
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().At(2, 2).unitType, Empty);
  EXPECT_EQ(World().turn, 0);
  Command(IDC_ARTILLERY);
  EXPECT_EQ(View().selectedType, 8);
}

TEST_F(GameBoardTest, TilesIconsAndMarkerLandOnTheirPixels) {
  World().terrain[0][0] = 0;  // water
  World().terrain[1][0] = 5;  // impassable
  World().terrain[2][0] = 8;  // a site
  for (int x = 0; x < 3; ++x) View().DrawTerrainAt(x, 0, World().terrain[x][0]);
  EXPECT_EQ(Pixel(190 + 10, 15 + 10), QColor(0, 255, 255));
  EXPECT_EQ(Pixel(211 + 10, 15 + 18), QColor(255, 255, 255));
  EXPECT_EQ(Pixel(232 + 10, 15 + 10), QColor(255, 255, 0));  // the site's diamond
  EXPECT_EQ(Pixel(211, 15), QColor(0, 0, 0));                // every tile's black top row and left column
  EXPECT_EQ(Pixel(211, 30), QColor(0, 0, 0));
  EXPECT_EQ(Pixel(300, 100), QColor(0, 128, 0));  // land of code 2

  Command(IDC_ARMOR);
  Click(Qt::LeftButton, Square(5, 6));
  const int left = 190 + 21 * 5, top = 15 + 21 * 6;
  EXPECT_EQ(Pixel(left + 2, top + 2), QColor(0, 0, 255));  // the player's blue frame
  EXPECT_EQ(Pixel(left + 18, top + 18), QColor(0, 0, 255));
  EXPECT_EQ(Pixel(left + 1, top + 1), QColor(0, 128, 0));  // the tile shows around the icon
  View().DrawMarkerAt(5, 6);
  EXPECT_NE(Pixel(left + 10, top + 10), Pixel(left + 2, top + 2));
  EXPECT_EQ(Pixel(left + 2, top + 2), QColor(0, 0, 255));  // the marker starts 4 pixels in

  // Selling shows the marker, then the bare tile.
  Click(Qt::RightButton, Square(5, 6));
  EXPECT_EQ(Pixel(left + 2, top + 2), QColor(0, 128, 0));
  EXPECT_EQ(Pixel(left + 10, top + 10), QColor(0, 128, 0));
}

TEST_F(GameBoardTest, UnitIconsStayUntilTheirTileIsDrawnAgain) {
  Click(Qt::LeftButton, Square(8, 8));
  World().At(8, 8).unitType = Empty;  // gone from the board, not yet from the screen
  World().shownUnits[8][8] = 0;
  View().DrawUnits(World().shownUnits);
  const int left = 190 + 21 * 8, top = 15 + 21 * 8;
  EXPECT_EQ(Pixel(left + 2, top + 2), QColor(0, 0, 255));
  View().DrawTerrainAt(8, 8, World().terrain[8][8]);
  EXPECT_EQ(Pixel(left + 2, top + 2), QColor(0, 128, 0));
}

TEST_F(GameBoardTest, BarbariansAreDrawnInRedFrames) {
  CUnitListHead head;
  CCommonBarbarian common(&World(), &head, 0, 9, 10, 0);
  head.next = &common;
  View().DrawBarbarians(&head);
  const int left = 190 + 21 * 9, top = 15 + 21 * 10;
  EXPECT_EQ(Pixel(left + 2, top + 2), QColor(255, 0, 0));
  View().DrawBarbarian(nullptr);  // nothing for no unit
}

TEST_F(GameBoardTest, TurnTextShowsThePhaseUntilTheCountersAreDrawn) {
  World().turn = 3;
  World().phase = 17;
  View().DrawTurnPhase(World().turn, World().phase);
  EXPECT_EQ(Text(IDC_TURN), "3 (17)");
  View().DrawCounters(World().treasury, World().turn);
  EXPECT_EQ(Text(IDC_TURN), "3");
}

TEST_F(GameBoardTest, BadCodesAreReportedAndSkipped) {
  World().terrain[4][4] = 7;
  World().shownUnits[4][5] = -1;
  testing::internal::CaptureStdout();
  View().DrawTerrainAt(4, 4, World().terrain[4][4]);
  View().DrawUnitAt(4, 5, World().shownUnits[4][5]);
  View().DrawUnitAt(4, 6, World().shownUnits[4][6]);  // 0: no unit, no message
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error: Bad Terrain Type\n.Error: Bad Unit BM (Bit Map) Type\n.");
}

TEST_F(GameBoardTest, DestructionReportsReachTheStatusLine) {
  World().turn = 3;
  World().phase = 17;
  World().ShowMessage("Common Barbarian destroyed at (4,5).\t");
  EXPECT_EQ(Status(), "Turn 3, Phase 17: Common Barbarian destroyed at (4,5).\t");
}

namespace {

// Notes, for every event of one type that reaches a watched object, whether a
// turn was showing then, and whether the buttons looked disabled meanwhile.
class DuringTurn : public QObject {
 public:
  DuringTurn(CTarvellView& view, QEvent::Type type) : view_(view), type_(type) {}
  int inTurn = 0, outside = 0;
  bool buttonsDisabled = true;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != type_) return false;
    if (!view_.ShowingTurn()) {
      ++outside;
      return false;
    }
    ++inTurn;
    buttonsDisabled &= !view_.Control(IDC_END_SETUP)->isEnabled() && !view_.Control(IDC_FARMER)->isEnabled();
    return false;
  }

 private:
  CTarvellView& view_;
  QEvent::Type type_;
};

int Blocks(const std::string& log, const std::string& header) {
  int blocks = 0;
  for (std::size_t at = log.find(header); at != std::string::npos; at = log.find(header, at + 1)) ++blocks;
  return blocks;
}

}  // namespace

// At the fastest speed a turn may be over before a double click's second
// click arrives. A real double click reaches End Setup as press, release,
// double click, release; posted through the event queue as the window
// system delivers it, during the turn and again 150 ms after the first
// click, with F8 and Ctrl+N pressed during the turn: one turn is played and
// no key acts, neither during the turn nor after it.
TEST_F(GameBoardTest, AtTheFastestSpeedADoubleClickAndKeysDuringATurnPlayOneTurn) {
  Frame()->show();
  Frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
  ASSERT_GT(QApplication::doubleClickInterval(), 150);
  World().gameSpeed = 0;
  World().treasury = 500;
  World().chaosMoney = 400;  // neither side ends the game in one turn
  const std::string log = Read("tv_log.txt");
  QWidget* endSetup = View().Control(IDC_END_SETUP);
  DuringTurn doubleClicks(View(), QEvent::MouseButtonDblClick), keys(View(), QEvent::KeyPress);
  endSetup->installEventFilter(&doubleClicks);
  View().installEventFilter(&keys);
  const QPoint at = endSetup->rect().center();
  const auto doubleClick = [endSetup, at] {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QCoreApplication::postEvent(endSetup, new QMouseEvent(type, QPointF(at), endSetup->mapToGlobal(QPointF(at)),
                                                            Qt::LeftButton, held, Qt::NoModifier));
    }
  };
  doubleClick();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const QPointF square(Square(5, 5));
    QCoreApplication::postEvent(&View(), new QMouseEvent(type, square, View().mapToGlobal(square), Qt::LeftButton,
                                                         Qt::NoButton, Qt::NoModifier));
  }
  QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier));
  QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier));
  bool late = false;
  QTimer::singleShot(150, [&] {
    doubleClick();
    late = true;
  });
  QDeadlineTimer deadline(10000);
  while (!late && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  ASSERT_TRUE(WaitForBoard());
  QCoreApplication::processEvents();

  EXPECT_EQ(keys.inTurn, 2) << "the keys came after the turn";
  EXPECT_TRUE(keys.buttonsDisabled && doubleClicks.buttonsDisabled);
  EXPECT_GE(doubleClicks.inTurn, 1) << "the first double click came after the turn";
  EXPECT_EQ(doubleClicks.inTurn + doubleClicks.outside, 2);
  EXPECT_EQ(World().turn, 1);
  EXPECT_EQ(Blocks(Read("tv_log.txt"), "Human Position"), Blocks(log, "Human Position") + 1);
  EXPECT_EQ(Blocks(Read("tv_log.txt"), "New Terrain"), Blocks(log, "New Terrain")) << "Ctrl+N made a new game";
  EXPECT_EQ(View().selectedType, 1) << "F8 acted";
  EXPECT_EQ(World().At(5, 5).unitType, Empty) << "a click on the board during the turn bought";
  EXPECT_TRUE(endSetup->isEnabled());
  // A click after the double-click time plays the next turn, and so does F9.
  QTest::qWait(QApplication::doubleClickInterval());
  QTest::mouseClick(endSetup, Qt::LeftButton);
  ASSERT_TRUE(WaitForBoard());
  EXPECT_EQ(World().turn, 2);
  EXPECT_TRUE(endSetup->toolTip().contains("F9"));
  QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier));
  QCoreApplication::processEvents();
  ASSERT_TRUE(WaitForBoard());
  EXPECT_EQ(World().turn, 3);
}
