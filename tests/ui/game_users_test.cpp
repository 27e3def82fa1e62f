// New games, new users, choosing a user and the recent-profile list; whole
// games to victory and to defeat.

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <sys/stat.h>

#include "tests/save_faults.h"
#include "tests/ui/game_test_support.h"
#include "ui/chaos_window.h"

class GameUsersTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(Start());
  }
  // Plays one End Setup with Chaos unable to buy, so that the game goes on.
  void PlayQuietTurn() {
    World().chaosMoney = 5;
    World().treasury = std::min(World().treasury, 50);
    Command(IDC_END_SETUP);
    ASSERT_EQ(World().mode, ModePlaying);
    WaitForNoSimulation();
  }
  // Types name into the New User dialog and presses OK.
  void NewUserNamed(const std::string& name) {
    Dialogs().Do(IDD_NEW_USER, [name](QDialog& dialog) {
      dialog.findChild<QLineEdit*>("IDC_USERNAME")->setText(QString::fromStdString(name));
      ModalAnswers::PressButton(dialog, kAccept);
    });
  }
};

TEST_F(GameUsersTest, NewGameDuringTheFirstSetupAsksNothing) {
  const std::string log = Read("tv_log.txt");
  Command("newGameAction");
  EXPECT_EQ(UserRecord().losses, 0);
  EXPECT_EQ(Read("tv_log.txt").size(), 2 * log.size());  // a second terrain
}

TEST_F(GameUsersTest, NewGameAfterATurnCountsTheAbandonedGameOnYes) {
  PlayQuietTurn();
  Dialogs().Press(IDD_CONFIRM, kReject);
  Command("newGameAction");
  EXPECT_EQ(World().turn, 1);  // "NO" keeps the game
  EXPECT_EQ(UserRecord().losses, 0);
  Dialogs().Press(IDD_CONFIRM, kAccept);
  Command("newGameAction");
  EXPECT_EQ(World().turn, 0);
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(UserRecord().losses, 1);
  EXPECT_EQ(Text(IDC_RECORD), "0-1 (0.000)");
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "0\t1\t");
}

TEST_F(GameUsersTest, NewUserMakesAFreshProfileFromASafeName) {
  PlayQuietTurn();
  Dialogs().Press(IDD_CONFIRM, kAccept);  // the game left counts as lost
  NewUserNamed("my user!");
  Command("newUserAction");
  EXPECT_EQ(ProfilePath(), Here("my_user_.tvu"));
  EXPECT_EQ(Read("my_user_.tvu").size(), 504u);
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "0\t1\t");  // the old user saved under the old name
  EXPECT_EQ(UserRecord().losses, 0);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - my_user_.tvu");
  EXPECT_EQ(Text(IDC_RECORD), "0-0 (0.000)");
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(QFileInfo(Game().RecentFiles().Entries().front()).fileName(), "my_user_.tvu");
}

TEST_F(GameUsersTest, NewUserCancelledChangesNothing) {
  Dialogs().Press(IDD_NEW_USER, kReject);
  Command("newUserAction");
  EXPECT_EQ(ProfilePath(), Here("default.tvu"));
}

TEST_F(GameUsersTest, NoAtTheOverwriteQuestionRestoresTheAbandonedGame) {
  Write("bob.tvu", "9\t9\t");
  PlayQuietTurn();
  Dialogs().Press(IDD_CONFIRM, kAccept);
  NewUserNamed("bob");
  Dialogs().Press(IDD_OVERWRITE, kReject);
  Command("newUserAction");
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(World().turn, 1);
  EXPECT_EQ(UserRecord().losses, 0);
  EXPECT_EQ(ProfilePath(), Here("default.tvu"));
  EXPECT_EQ(Read("bob.tvu"), "9\t9\t");

  Dialogs().Press(IDD_CONFIRM, kAccept);  // and "Yes" overwrites it
  NewUserNamed("bob");
  Dialogs().Press(IDD_OVERWRITE, kAccept);
  Command("newUserAction");
  EXPECT_EQ(ProfilePath(), Here("bob.tvu"));
  EXPECT_EQ(Read("bob.tvu").substr(0, 4), "0\t0\t");
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "0\t1\t");
}

TEST_F(GameUsersTest, SelectUserLoadsTheProfileAndWorksInItsFolder) {
  std::filesystem::create_directory("others");
  Write("others/carol.tvu", "5\t5\t-9\t");
  const std::string path = (std::filesystem::current_path() / "others/carol.tvu").string();
  Dialogs().ChooseFile(path);
  Command("selectUserAction");
  EXPECT_EQ(ProfilePath(), Here("carol.tvu"));
  EXPECT_EQ(std::filesystem::current_path().filename(), "others");
  EXPECT_EQ(UserRecord().wins, 5);
  EXPECT_EQ(strategyScores[0].load(), -9);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - carol.tvu");
  EXPECT_EQ(Text(IDC_RECORD), "5-5 (0.500)");
  EXPECT_TRUE(std::filesystem::exists("tv_log.txt"));  // the log follows the profile's folder
  std::filesystem::current_path("..");
}

TEST_F(GameUsersTest, SelectUserAbandonedThenCancelledStaysAbandoned) {
  PlayQuietTurn();
  Dialogs().Press(IDD_CONFIRM, kAccept);
  Dialogs().ChooseFile(std::nullopt);
  Command("selectUserAction");
  EXPECT_EQ(World().mode, ModeIdle);
  EXPECT_EQ(UserRecord().losses, 1);
}

TEST_F(GameUsersTest, RecentProfilesReopenFromTheFileMenu) {
  Write("dave.tvu", "1\t0\t");
  Write("erin.tvu", "0\t1\t");
  Game().OpenDocumentFile("dave.tvu");
  Game().OpenDocumentFile("erin.tvu");
  ASSERT_EQ(ProfilePath(), Here("erin.tvu"));
  const QStringList recent = Game().RecentFiles().Entries();
  ASSERT_GE(recent.size(), 2);
  EXPECT_EQ(QFileInfo(recent[0]).fileName(), "erin.tvu");
  EXPECT_EQ(QFileInfo(recent[1]).fileName(), "dave.tvu");
  EXPECT_NE(Action("recentFileAction2"), nullptr);
  Command("recentFileAction2");
  EXPECT_EQ(QFileInfo(QString::fromStdString(ProfilePath())).fileName(), "dave.tvu");
  EXPECT_EQ(UserRecord().wins, 1);
  EXPECT_EQ(Read("erin.tvu").substr(0, 4), "0\t1\t");
}

TEST_F(GameUsersTest, AWonGameIsBookedSavedAndEndsTheBoard) {
  FlatLand();
  Command(IDC_FARMER);
  for (int i = 0; i < 10; ++i) Click(Qt::LeftButton, Square(2 * i, 3));
  EXPECT_EQ(Text(IDC_TREASURY), "$1000");
  World().chaosMoney = 40;  // Chaos is almost broke: the turn's income wins it
  Command("chaosAction");
  auto* chaos = Frame()->findChild<CChaosWindow*>();
  ASSERT_NE(chaos, nullptr);
  const auto chaosRecord = [chaos] {
    for (QLabel* label : chaos->findChildren<QLabel*>())
      if (label->text().startsWith("Record:")) return label->text();
    return QString();
  };
  // The win is booked and saved before its message shows; the board and the
  // Chaos window show it only once the message is closed.
  QString shownAtMessage, chaosAtMessage;
  Dialogs().Do(IDD_VICTORY, [&](QDialog& message) {
    EXPECT_EQ(UserRecord().wins, 1);
    EXPECT_EQ(Read("default.tvu").substr(0, 4), "1\t0\t");
    shownAtMessage = Text(IDC_RECORD);
    WaitForNoSimulation();  // the window reads nothing while one runs
    chaos->Refresh();
    chaosAtMessage = chaosRecord();
    ModalAnswers::PressButton(message, kAccept);
  });
  Command(IDC_END_SETUP);
  EXPECT_EQ(shownAtMessage, "0-0 (0.000)");
  EXPECT_TRUE(chaosAtMessage.startsWith("Record: 0 won, 0 lost")) << chaosAtMessage.toStdString();
  WaitForNoSimulation();
  chaos->Refresh();
  EXPECT_TRUE(chaosRecord().startsWith("Record: 1 won, 0 lost")) << chaosRecord().toStdString();
  EXPECT_EQ(World().mode, ModeIdle);
  EXPECT_EQ(UserRecord().wins, 1);
  EXPECT_EQ(Text(IDC_RECORD), "1-0 (1.000)");
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "1\t0\t");
  const int turn = World().turn;
  Command(IDC_END_SETUP);  // the game is over
  Click(Qt::LeftButton, Square(1, 1));
  EXPECT_EQ(World().turn, turn);
  EXPECT_EQ(World().At(1, 1).unitType, Empty);
  Command("newGameAction");  // a new game asks nothing
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(UserRecord().wins, 1);
}

TEST_F(GameUsersTest, ALostGameIsBookedAndSaved) {
  FlatLand();
  World().treasury = 10;  // spent on nothing that stands
  World().chaosMoney = 5;
  Dialogs().Press(IDD_DEFEAT, kAccept);
  Command(IDC_END_SETUP);
  EXPECT_EQ(World().mode, ModeIdle);
  EXPECT_EQ(UserRecord().losses, 1);
  EXPECT_EQ(Text(IDC_RECORD), "0-1 (0.000)");
  EXPECT_EQ(Read("default.tvu").substr(0, 4), "0\t1\t");
}

TEST_F(GameUsersTest, SelectUserFromAnotherFolderSavesTheOldUserWhereItLives) {
  PlayQuietTurn();
  std::filesystem::create_directory("b");
  Write("b/default.tvu", "7\t7\t");
  Write("b/other.tvu", "2\t2\t");
  Dialogs().Press(IDD_CONFIRM, kAccept);
  Dialogs().ChooseFile((std::filesystem::current_path() / "b/other.tvu").string());
  Command("selectUserAction");
  EXPECT_EQ(std::filesystem::current_path().filename(), "b");
  EXPECT_EQ(Read("default.tvu"), "7\t7\t");                  // b's own user is untouched
  EXPECT_EQ(Read("../default.tvu").substr(0, 4), "0\t1\t");  // the abandoned game counts where it was played
  EXPECT_EQ(UserRecord().wins, 2);
  PlayQuietTurn();  // and the new user's turn start saves the new user's file
  EXPECT_EQ(Read("other.tvu").substr(0, 4), "2\t2\t");
  EXPECT_EQ(Read("default.tvu"), "7\t7\t");
  std::filesystem::current_path("..");
}

TEST_F(GameUsersTest, AFailedSaveIsToldOnceWithTheFileAndWhatFollows) {
  QString told[2];
  {
    const CausedSaveFault failing(SaveFault::Write);
    Dialogs().Acknowledge(&told[0]);
    PlayQuietTurn();
    ASSERT_FALSE(told[0].isEmpty());
    EXPECT_TRUE(told[0].contains(QString::fromStdString(ProfilePath()))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains("try again")) << told[0].toStdString();
    PlayQuietTurn();  // failing again: nothing more is said
  }
  PlayQuietTurn();
  const CausedSaveFault failing(SaveFault::Write);
  Dialogs().Press(IDD_CONFIRM, kAccept);  // leaving the game for another user
  Dialogs().Acknowledge(&told[1]);
  Write("fred.tvu", "");
  Game().OpenDocumentFile("fred.tvu");
  ASSERT_EQ(ProfilePath(), Here("fred.tvu"));
  ASSERT_FALSE(told[1].isEmpty());
  EXPECT_TRUE(told[1].contains("not in it")) << told[1].toStdString();
}

TEST_F(GameUsersTest, AProfileThatIsAFifoIsRefusedInsteadOfWaitedOn) {
  ASSERT_EQ(mkfifo("pipe.tvu", 0600), 0);
  Dialogs().Acknowledge();  // "Cannot open ..."
  Game().OpenDocumentFile("pipe.tvu");
  EXPECT_EQ(ProfilePath(), Here("default.tvu"));
}
