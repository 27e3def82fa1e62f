// Starting, closing and configuring the game.

#include <QCloseEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QUrl>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QMessageBox>

#include "model/saturating.h"
#include "opponent/files.h"
#include "tests/ui/game_test_support.h"
#include "ui/chaos_window.h"
#include "ui/options_dialog.h"

using GameStartTest = GameTest;

TEST_F(GameStartTest, AStartInAnEmptyFolderMakesTheDefaultProfile) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Read("default.tvu").size(), 504u);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - default.tvu");
  EXPECT_EQ(Text(IDC_RECORD), "0-0 (0.000)");
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(World().treasury, 2000);
  View().repaint();
  EXPECT_EQ(Text(IDC_TREASURY), "$2000");
  EXPECT_EQ(Text(IDC_TURN), "0");
  EXPECT_EQ(Read("tv_log.txt").rfind("New Terrain:\n\n", 0), 0u);
  EXPECT_EQ(View().selectedType, 1);
  EXPECT_EQ(CheckedUnitButton(), IDC_DRONE);
  EXPECT_EQ(Status(), "Ready");
  EXPECT_EQ(Frame()->statusBar()->findChildren<QLabel*>().size(), 5);
}

TEST_F(GameStartTest, TheWindowHasAFixedSizeThatFitsTheForm) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Frame()->minimumSize(), Frame()->maximumSize());
  EXPECT_EQ(View().size(), View().sizeHint());
  EXPECT_EQ(Frame()->pos(), QPoint(0, 0));
  EXPECT_LE(Frame()->width(), 800);
}

TEST_F(GameStartTest, AProfileNamedOnTheCommandLineIsLoadedAfterTheDefaultIsSaved) {
  Write("alice.tvu", "3\t1\t-5\t");
  ASSERT_TRUE(Start("alice.tvu"));
  EXPECT_EQ(Read("default.tvu").size(), 504u);  // saved, and so created
  EXPECT_EQ(ProfilePath(), Here("alice.tvu"));
  EXPECT_EQ(UserRecord().wins, 3);
  EXPECT_EQ(UserRecord().losses, 1);
  EXPECT_EQ(strategyScores[0].load(), -5);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - alice.tvu");
  EXPECT_EQ(Text(IDC_RECORD), "3-1 (0.750)");
  EXPECT_EQ(World().mode, ModePlaying);
}

// A damaged profile's negative count shows as 0 and is kept as it is.
TEST_F(GameStartTest, ANegativeCountShowsAsZero) {
  Write("bent.tvu", "2\t-5\t");
  ASSERT_TRUE(Start("bent.tvu"));
  EXPECT_EQ(UserRecord().losses, -5);
  EXPECT_EQ(Text(IDC_RECORD), "2-0 (1.000)");
}

TEST_F(GameStartTest, AProfileThatCannotBeOpenedEndsTheStart) {
  Dialogs().Acknowledge();
  EXPECT_FALSE(Start("nobody.tvu"));
  EXPECT_EQ(Game().MainFrame(), nullptr) << "no window stays behind";
}

TEST_F(GameStartTest, OnlyTvuFilesAreOpenedAsProfiles) {
  Write("notes.txt", "my notes");
  QString message;
  Dialogs().Acknowledge(&message);
  EXPECT_FALSE(Start("notes.txt"));
  EXPECT_TRUE(message.contains("notes.txt")) << message.toStdString();
  EXPECT_EQ(Read("notes.txt"), "my notes");

  Write("BOB.TVU", "1\t2\t");
  ASSERT_TRUE(Start("BOB.TVU"));  // any letter case
  EXPECT_EQ(UserRecord().wins, 1);
}

TEST_F(GameStartTest, ADroppedFileThatIsNoProfileLeavesTheGameAsItWas) {
  ASSERT_TRUE(Start());
  Write("picture.png", "not a profile");
  const int treasury = World().treasury;
  Dialogs().Acknowledge();
  Game().OpenDocumentFile("picture.png");
  EXPECT_EQ(ProfilePath(), Here("default.tvu"));
  EXPECT_EQ(World().treasury, treasury);
  EXPECT_EQ(Read("picture.png"), "not a profile");
}

TEST_F(GameStartTest, OptionsShowTheSpeedAndSetIt) {
  ASSERT_TRUE(Start());
  int shown = -1;
  Dialogs().Do(IDD_OPTIONS, [&](QDialog& dialog) {
    shown = dialog.findChild<QSlider*>("IDC_SPEED")->value();
    dialog.findChild<QSlider*>("IDC_SPEED")->setValue(5);
    ModalAnswers::PressButton(dialog, kAccept);
  });
  Command("optionsAction");
  EXPECT_EQ(shown, 4);  // start-up speed 1: one step left of "Fastest"
  EXPECT_EQ(World().gameSpeed, 0);
  Dialogs().Do(IDD_OPTIONS, [](QDialog& dialog) {
    dialog.findChild<QSlider*>("IDC_SPEED")->setValue(0);
    ModalAnswers::PressButton(dialog, kReject);
  });
  Command("optionsAction");
  EXPECT_EQ(World().gameSpeed, 0);
  // The speed lasts through a new game.
  Command("newGameAction");
  EXPECT_EQ(World().gameSpeed, 0);
  // It is kept in the settings: the next start plays at it.
  Dialogs().Do(IDD_OPTIONS, [](QDialog& dialog) {
    QTest::keyClick(dialog.findChild<QSlider*>("IDC_SPEED"), Qt::Key_Home);  // "Slowest"
    ModalAnswers::PressButton(dialog, kAccept);
  });
  Command("optionsAction");
  EXPECT_EQ(World().gameSpeed, 5);
  ASSERT_TRUE(Start());
  EXPECT_EQ(World().gameSpeed, 5);
  Dialogs().Do(IDD_OPTIONS, [&shown](QDialog& dialog) {
    shown = dialog.findChild<QSlider*>("IDC_SPEED")->value();
    ModalAnswers::PressButton(dialog, kReject);
  });
  Command("optionsAction");
  EXPECT_EQ(shown, 0);
}

// Adaptive, chosen in Options, is kept in the settings and holds from the
// next new game on; the Chaos window names it, with the purse factor a new
// player's empty record sets.
TEST_F(GameStartTest, OptionsChooseAdaptiveChaosForTheNextGame) {
  ASSERT_TRUE(Start());
  Command("chaosAction");
  auto* chaos = Frame()->findChild<CChaosWindow*>();
  ASSERT_NE(chaos, nullptr);
  const auto shown = [chaos] {
    QStringList texts;
    for (QLabel* label : chaos->findChildren<QLabel*>())
      if (label->isVisibleTo(chaos)) texts << label->text();
    return texts.join(QLatin1Char('\n'));
  };
  EXPECT_TRUE(shown().contains("Mode in play: Classic")) << shown().toStdString();
  Dialogs().Do(IDD_OPTIONS, [](QDialog& dialog) {
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("IDC_CHAOS_CLASSIC")->isChecked());
    dialog.findChild<QRadioButton*>("IDC_CHAOS_ADAPTIVE")->click();
    ModalAnswers::PressButton(dialog, kAccept);
  });
  Command("optionsAction");
  EXPECT_EQ(QSettings("Tarvell", "Tarvell").value("Settings/ChaosMode").toString(), "adaptive");
  EXPECT_EQ(Document().Session().GameChaosMode(), ChaosMode::Classic);  // the game in progress keeps its mode
  EXPECT_TRUE(shown().contains("From the next new game: Adaptive")) << shown().toStdString();
  Command("newGameAction");
  World().chaosMoney = 5;  // a quiet turn: the game goes on
  World().treasury = 50;
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().turn, 1);
  WaitForNoSimulation();
  EXPECT_EQ(Document().Session().GameChaosMode(), ChaosMode::Adaptive);
  EXPECT_EQ(Document().Session().GamePurseFactor(), 2 * kPurseOne);
  chaos->Refresh();
  EXPECT_TRUE(
      shown().contains("Mode in play: Adaptive: Chaos's starting money and income ×2.00, from your record of 0 "
                       "won, 0 lost"))
      << shown().toStdString();
  EXPECT_FALSE(shown().contains("From the next new game")) << shown().toStdString();
}

TEST_F(GameStartTest, TheKeptChaosModeHoldsFromTheFirstGame) {
  QSettings("Tarvell", "Tarvell").setValue("Settings/ChaosMode", "adaptive");
  ASSERT_TRUE(Start());
  EXPECT_EQ(Document().Session().GameChaosMode(), ChaosMode::Adaptive);
  EXPECT_EQ(World().chaosMoney, 4000);  // a new player's record doubles Chaos's $2000
}

TEST_F(GameStartTest, AboutShowsItsBox) {
  ASSERT_TRUE(Start());
  Dialogs().Press(IDD_ABOUT, kAccept);
  Command("aboutAction");
  EXPECT_EQ(Dialogs().Shown(), std::vector<std::string>{IDD_ABOUT});
}

TEST_F(GameStartTest, ClosingSavesTheProfile) {
  Write("default.tvu", "4\t0\t");
  ASSERT_TRUE(Start());
  World().treasury = 1234;  // the game itself is not what is saved
  Command("exitAction");
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "4\t0\t");
}

TEST_F(GameStartTest, ClosingAfterATurnAsksAndNoKeepsTheWindow) {
  ASSERT_TRUE(Start());
  Frame()->show();
  World().turn = 1;
  Dialogs().Press(IDD_CONFIRM, kReject);
  Frame()->close();
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_EQ(UserRecord().losses, 0);
  Dialogs().Press(IDD_CONFIRM, kAccept);
  Frame()->close();
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "0\t1\t");  // the abandoned game counts as lost
}

TEST_F(GameStartTest, ClosingWhileASimulationRunsWaitsForItsScores) {
  ASSERT_TRUE(Start());
  FlatLand();
  for (int x = 0; x < 24; x += 2) World().PlaceUnit(Farmer, x, x);
  World().treasury = 900;
  World().chaosMoney = 500;  // neither side can end the game in one turn
  Command(IDC_END_SETUP);    // starts the simulation
  ASSERT_EQ(World().mode, ModePlaying);
  Dialogs().Press(IDD_CONFIRM, kAccept);
  Frame()->close();
  EXPECT_EQ(simulationRunning.load(), 0);
  const std::string saved = Read("default.tvu");
  EXPECT_EQ(saved, ProfileText(UserRecord()));
  int scored = 0;
  for (const auto& score : strategyScores) scored += score.load() != 0;
  EXPECT_GT(scored, 0);  // the simulation's scores reached the file
}

// A close during a slow turn plays the rest of it without pauses, then asks
// as a close after a turn does.
TEST_F(GameStartTest, ACloseDuringASlowTurnHurriesItThenAsks) {
  ASSERT_TRUE(Start());
  Frame()->show();
  FlatLand();
  for (int x = 0; x < 24; x += 3) World().PlaceUnit(Infantry, x, x);
  World().treasury = 900;
  World().chaosMoney = 2000;  // some 30 barbarians, 25 ms a move: half a minute and more
  World().gameSpeed = 5;
  QElapsedTimer clock;
  clock.start();
  View().Control<QAbstractButton>(IDC_END_SETUP)->click();
  Frame()->close();
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_TRUE(View().ShowingTurn());
  Dialogs().Press(IDD_CONFIRM, kAccept);
  QDeadlineTimer deadline(20000);
  while (Frame()->isVisible() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_LT(clock.elapsed(), 10000);
  EXPECT_EQ(World().turn, 1);
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "0\t1\t");  // the game left after its turn counts as lost
}

TEST_F(GameStartTest, AProfileDroppedOnTheWindowBecomesTheUser) {
  ASSERT_TRUE(Start());
  Write("frank.tvu", "2\t7\t");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString((std::filesystem::current_path() / "frank.tvu").string()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Frame(), &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Frame(), &drop);
  EXPECT_EQ(ProfileTitle(ProfilePath()), "frank.tvu");
  EXPECT_EQ(UserRecord().losses, 7);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - frank.tvu");
}

// Another Tarvell holds the default profile: the player is told by whom and
// may choose another user; playing on writes nothing to that profile.
TEST_F(GameStartTest, ADefaultProfileInUseOffersAnotherUserAndWritesNothing) {
  Write("default.tvu", "7\t7\t");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    const CProfileLock lock = CProfileLock::Acquire("default.tvu");
    const char held = lock.Held() ? 'y' : 'n';
    if (::write(ready[1], &held, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 'y');
  QString told;
  Dialogs().Do(IDD_ANOTHER_USER, [&told](QDialog& question) {
    told = static_cast<QMessageBox&>(question).text();
    ModalAnswers::PressButton(question, kReject);  // play without saving
  });
  ASSERT_TRUE(Start());
  EXPECT_TRUE(told.contains(QStringLiteral("in use by another Tarvell (process %1)").arg(holder)))
      << told.toStdString();
  EXPECT_EQ(ProfilePath(), "");
  EXPECT_EQ(World().mode, ModePlaying);
  Command("exitAction");
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(Read("default.tvu"), "7\t7\t");
}
