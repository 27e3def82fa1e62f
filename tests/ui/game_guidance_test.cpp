// What the window does to guide and speed up a player: How to Play, the
// tooltips, the outline under the mouse and the keyboard's cursor, the reasons
// for a refused purchase or sale, hurrying a turn, the zoom and the Chaos
// window.

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "tests/ui/game_test_support.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/unit_texts.h"
#include "units/unit.h"

class GameGuidanceTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(Start());
    FlatLand();
  }

  void Key(QWidget* to, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
  }
  void MoveMouse(QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, View().mapToGlobal(to), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
  }
  // Whether square (x, y) shows the mouse's outline along its top edge.
  bool Outlined(int x, int y) { return Pixel(190 + 21 * x + 10, 15 + 21 * y + 1) == CTarvellView::OutlineColour(); }
  // Whether square (x, y) shows the keyboard cursor's dashes along its top
  // edge: its colour and black, in turns.
  bool CursorDrawn(int x, int y) {
    const QImage edge = View().grab(QRect(190 + 21 * x + 3, 15 + 21 * y + 1, 15, 1)).toImage();
    bool dash = false, gap = false;
    for (int i = 0; i < edge.width(); ++i) {
      dash |= edge.pixelColor(i, 0) == CTarvellView::CursorColour();
      gap |= edge.pixelColor(i, 0) == QColor(Qt::black);
    }
    return dash && gap;
  }
};

TEST_F(GameGuidanceTest, HowToPlayOpensFromTheHelpMenuWithItsPrompt) {
  QAction* item = Action("howToPlayAction");
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->statusTip().isEmpty());
  Command("howToPlayAction");
  auto* help = Frame()->findChild<CHowToPlayWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  EXPECT_GT(help->Page().toPlainText().size(), 1000);
  EXPECT_TRUE(help->Page().toPlainText().contains("Chaos"));
}

TEST_F(GameGuidanceTest, EveryButtonLegendEntryAndCounterHasATooltip) {
  for (const auto& [id, type] : {std::pair{IDC_DRONE, 1},
                                 {IDC_MINE, 2},
                                 {IDC_FARMER, 3},
                                 {IDC_INFANTRY, 4},
                                 {IDC_SETTLER, 5},
                                 {IDC_ARMOR, 6},
                                 {IDC_JAMMER, 7},
                                 {IDC_ARTILLERY, 8}}) {
    const QString tip = View().Control(id)->toolTip();
    EXPECT_TRUE(tip.startsWith("<p>" + UnitName(type))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QString("Price $%1; sells for $%2").arg(kUnitPrice[type]).arg(kUnitResale[type])))
        << tip.toStdString();
  }
  // Every legend picture and every label under the barbarians' pictures.
  int pictures = 0, barbarianLabels = 0;
  for (QLabel* label : View().findChildren<QLabel*>()) {
    const bool picture = !label->pixmap().isNull();
    const bool legendLabel = label->mapTo(&View(), QPoint()).x() > 600 && !picture;
    if (!picture && !legendLabel) continue;
    pictures += picture;
    barbarianLabels += legendLabel;
    EXPECT_TRUE(label->toolTip().contains(QRegularExpression(R"(\$\d+)"))) << label->text().toStdString();
  }
  EXPECT_EQ(pictures, 16);
  EXPECT_EQ(barbarianLabels, 16);
  for (const char* id : {IDC_TREASURY, IDC_TURN, IDC_RECORD}) EXPECT_FALSE(View().Control(id)->toolTip().isEmpty());
}

TEST_F(GameGuidanceTest, TheOutlineFollowsTheMouseAndLeavesWithIt) {
  MoveMouse(Square(3, 4));
  EXPECT_EQ(View().HoverSquare(), QPoint(3, 4));
  EXPECT_TRUE(Outlined(3, 4));
  MoveMouse(Square(5, 4));
  EXPECT_EQ(View().HoverSquare(), QPoint(5, 4));
  EXPECT_TRUE(Outlined(5, 4));
  EXPECT_FALSE(Outlined(3, 4));
  MoveMouse({100, 100});  // over the unit buttons
  EXPECT_EQ(View().HoverSquare(), QPoint(-1, -1));
  EXPECT_FALSE(Outlined(5, 4));
}

TEST_F(GameGuidanceTest, EveryRefusalSaysWhyInTheStatusBar) {
  World().terrain[0][0] = 0;  // water
  World().terrain[1][0] = 5;  // impassable
  World().ApplyTerrain(World().terrain);
  Click(Qt::LeftButton, Square(0, 0));
  EXPECT_EQ(Status(), "Water: nothing can be built here.");
  Click(Qt::LeftButton, Square(1, 0));
  EXPECT_EQ(Status(), "Impassable ground: nothing can be built here.");
  Click(Qt::LeftButton, Square(2, 0));
  EXPECT_EQ(Status(), "Ready");  // bought: the reason goes
  Click(Qt::LeftButton, Square(2, 0));
  EXPECT_EQ(Status(), "Occupied: a Drone already stands here.");
  Click(Qt::RightButton, Square(3, 0));
  EXPECT_EQ(Status(), "Nothing of yours to sell here.");
  World().treasury = 99;
  Command(IDC_FARMER);
  Click(Qt::LeftButton, Square(3, 0));
  EXPECT_EQ(Status(), "Not enough money: a Farmer costs $100.");
  EXPECT_EQ(World().At(3, 0).unitType, Empty);
  // After a game has ended, a click, a key and End Setup say why nothing
  // happens.
  const QString noGame = "No game in progress: start a new game with File > New Game.";
  World().mode = ModeIdle;
  Click(Qt::RightButton, Square(2, 0));
  EXPECT_EQ(Status(), noGame);
  EXPECT_EQ(World().At(2, 0).unitType, Drone);
  Frame()->SetMessageText("Ready");
  Key(&View(), Qt::Key_Right);
  EXPECT_EQ(Status(), noGame);
  EXPECT_EQ(View().CursorSquare(), QPoint(-1, -1));
  Frame()->SetMessageText("Ready");
  Command(IDC_END_SETUP);
  EXPECT_EQ(Status(), noGame);
  EXPECT_EQ(World().turn, 0);
}

TEST_F(GameGuidanceTest, ArrowsMoveTheCursorEnterOrSpaceBuysAndDeleteSells) {
  Key(&View(), Qt::Key_Right);  // shows the cursor in the middle
  EXPECT_EQ(View().CursorSquare(), QPoint(12, 12));
  Key(&View(), Qt::Key_Right);
  Key(&View(), Qt::Key_Up);
  EXPECT_EQ(View().CursorSquare(), QPoint(13, 11));
  EXPECT_TRUE(CursorDrawn(13, 11));
  EXPECT_FALSE(Outlined(13, 11));  // unlike the mouse's outline
  Key(&View(), Qt::Key_Space);
  EXPECT_EQ(World().At(13, 11).unitType, Drone);
  Key(&View(), Qt::Key_Delete);
  EXPECT_EQ(World().At(13, 11).unitType, Empty);
  EXPECT_EQ(World().treasury, 2000);
  for (int i = 0; i < 30; ++i) Key(&View(), Qt::Key_Left);  // stops at the edge
  EXPECT_EQ(View().CursorSquare(), QPoint(0, 11));
  // A focused button keeps the arrows for the cursor, but Enter or Space
  // press the button, not a purchase under the cursor.
  QWidget* endSetup = View().Control(IDC_END_SETUP);
  Key(endSetup, Qt::Key_Right);
  EXPECT_EQ(View().CursorSquare(), QPoint(1, 11));
  Key(View().Control(IDC_MINE), Qt::Key_Return);
  EXPECT_EQ(View().selectedType, 2);
  QTest::keyClick(View().Control(IDC_FARMER), Qt::Key_Space);
  EXPECT_EQ(View().selectedType, 3);
  World().treasury = 900;
  Key(endSetup, Qt::Key_Enter);
  ASSERT_TRUE(WaitForBoard());
  EXPECT_EQ(World().turn, 1);
  EXPECT_EQ(World().At(1, 11).unitType, Empty);
}

TEST_F(GameGuidanceTest, AtTwiceTheSizeAClickAtASquaresScaledCentreBuysThere) {
  Command("zoom200Action");
  EXPECT_TRUE(Action("zoom200Action")->isChecked());
  EXPECT_FALSE(Action("zoom100Action")->isChecked());
  EXPECT_EQ(View().size(), QSize(774, 549) * 2);
  EXPECT_GE(Frame()->width(), 2 * 774);
  EXPECT_EQ(View().Control(IDC_END_SETUP)->geometry().size(), QSize(136, 26) * 2);
  Click(Qt::LeftButton, Square(7, 9) * 2);
  EXPECT_EQ(World().At(7, 9).unitType, Drone);
  Click(Qt::LeftButton, Square(23, 23) * 2 + QPoint(9, 9));
  EXPECT_EQ(World().At(23, 23).unitType, Drone);
  // Pixels are doubled, not smoothed: the drone's corner pixel fills a 2 x 2 block.
  const QColor corner = Pixel(2 * (190 + 21 * 7 + 2), 2 * (15 + 21 * 9 + 2));
  EXPECT_EQ(Pixel(2 * (190 + 21 * 7 + 2) + 1, 2 * (15 + 21 * 9 + 2) + 1), corner);
  EXPECT_EQ(QSettings("Tarvell", "Tarvell").value("Settings/Zoom").toInt(), 200);
  Command("zoom100Action");
  EXPECT_EQ(View().size(), QSize(774, 549));
  Click(Qt::LeftButton, Square(8, 9));
  EXPECT_EQ(World().At(8, 9).unitType, Drone);
}

TEST_F(GameGuidanceTest, ViewChaosOpensTheChaosWindowBesideTheGame) {
  Command("chaosAction");
  auto* chaos = Frame()->findChild<CChaosWindow*>();
  ASSERT_NE(chaos, nullptr);
  EXPECT_TRUE(chaos->isVisible());
  EXPECT_FALSE(chaos->isModal());
  EXPECT_TRUE(chaos->isWindow());
}

// Escape during a turn plays the rest of it without pauses: the board ends
// exactly as a turn shown at speed 0 leaves it. The keyboard's cursor leaves
// the board while the turn shows.
TEST_F(GameGuidanceTest, AHurriedTurnShowsWhatATurnAtSpeedZeroShows) {
  simulationRunning.store(1);  // no simulation starts, so none draws meanwhile
  const auto play = [this](int speed, bool hurry) {
    randomSeed = 12345;
    World().StartNewGame();
    FlatLand();
    for (int x = 4; x < 20; x += 3) {
      View().BuyAt(x, 6);
      View().BuyAt(x, 15);
    }
    World().treasury = 900;
    World().gameSpeed = speed;
    Key(&View(), Qt::Key_Down);  // the cursor shows, on the same square each time
    Key(&View(), Qt::Key_Up);
    EXPECT_TRUE(CursorDrawn(12, 11));
    QElapsedTimer clock;
    clock.start();
    View().Control<QAbstractButton>(IDC_END_SETUP)->click();
    EXPECT_TRUE(View().ShowingTurn());
    EXPECT_FALSE(CursorDrawn(12, 11));
    if (hurry) {
      Key(&View(), Qt::Key_Escape);
      EXPECT_TRUE(View().Playback().Hurried());
    }
    EXPECT_TRUE(WaitForBoard());
    const qint64 took = clock.elapsed();
    EXPECT_FALSE(View().Playback().Hurried());  // the next turn is paced again
    EXPECT_TRUE(CursorDrawn(12, 11));
    Key(&View(), Qt::Key_Escape);  // between turns Escape does nothing
    EXPECT_FALSE(View().Playback().Hurried());
    return std::tuple{View().grab().toImage(), Text(IDC_TURN), Text(IDC_TREASURY), Status(), took};
  };
  const auto [still, stillTurn, stillTreasury, stillStatus, stillTook] = play(0, false);
  // At the slowest speed each of some 30 barbarians pauses 25 ms in each of
  // 50 phases: over half a minute unhurried.
  const auto [hurried, hurriedTurn, hurriedTreasury, hurriedStatus, hurriedTook] = play(5, true);
  simulationRunning.store(0);
  EXPECT_TRUE(still == hurried);
  EXPECT_EQ(stillTurn, "1");
  EXPECT_EQ(hurriedTurn, stillTurn);
  EXPECT_EQ(hurriedTreasury, stillTreasury);
  EXPECT_EQ(hurriedStatus, stillStatus);
  EXPECT_LT(hurriedTook, 10000);
}
