#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <latch>
#include <thread>

#include "model/random.h"
#include "model/saturating.h"
#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "session/session.h"
#include "tests/save_faults.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

int ThreadCount() {
  return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/task"), fs::directory_iterator()));
}

}  // namespace

class SessionTest : public CoreTest {
 protected:
  void Start(const std::string& profile = "default.tvu") {
    ProfileProblem problem;
    ASSERT_TRUE(session.UseProfile(profile, problem)) << problem.reason;
    bool started = false;
    session.NewGame([&](bool ok) { started = ok; });
    ASSERT_TRUE(started);
  }
  CWorld& World() { return session.World(); }

  ScratchFolder folder;
  TestFrontEnd frontEnd;
  CSession session{frontEnd, nullptr};
};

TEST_F(SessionTest, PurchasesAndSalesAreRefusedForTheFirstReasonThatHolds) {
  EXPECT_EQ(session.Buy(Drone, 0, 0), Refusal::NoGame);
  Start();
  CWorld& world = World();
  ClearBoard(world);
  world.At(1, 0).unitType = Water;
  world.At(2, 0).unitType = Impassable;
  world.treasury = 60;
  // A Farmer costs more than $60, but water is what the player is told.
  EXPECT_EQ(session.Buy(Farmer, 1, 0), Refusal::Water);
  EXPECT_EQ(session.Buy(Farmer, 2, 0), Refusal::Impassable);
  EXPECT_EQ(session.Buy(Farmer, 3, 0), Refusal::NotEnoughMoney);
  EXPECT_EQ(session.Sell(3, 0), Refusal::NothingToSell);
  EXPECT_EQ(session.Buy(Drone, 3, 0), Refusal::None);
  EXPECT_EQ(world.At(3, 0).unitType, Drone);
  EXPECT_EQ(session.Buy(Drone, 3, 0), Refusal::Occupied);
  testing::internal::CaptureStdout();
  EXPECT_EQ(session.Buy(9, 4, 0), Refusal::BadType);
  EXPECT_FALSE(testing::internal::GetCapturedStdout().empty());
  EXPECT_EQ(session.Sell(3, 0), Refusal::None);
  world.mode = ModeIdle;  // the game is over
  EXPECT_EQ(session.Buy(Drone, 5, 0), Refusal::NoGame);
  EXPECT_EQ(session.Sell(1, 0), Refusal::NoGame);
}

TEST_F(SessionTest, ACloseWaitsForTheSimulationWithoutBlockingAndLeavesNoThread) {
  // A thread made and joined first, so that any helper thread a sanitizer
  // starts with the first thread is already counted.
  std::thread([] {}).join();
  const int threadsBefore = ThreadCount();
  std::latch release(1);
  bool closed = false;
  {
    CSession::Options options;
    options.simulation = [&] {
      release.wait();
      RunSimulation();
    };
    CSession held(frontEnd, nullptr, options);
    ProfileProblem problem;
    ASSERT_TRUE(held.UseProfile("held.tvu", problem));
    held.NewGame();
    held.World().treasury = 1000;  // the game goes on after the turn
    ASSERT_TRUE(held.PlayTurn());
    ASSERT_TRUE(held.SimulationRunning());
    EXPECT_EQ(ThreadCount(), threadsBefore + 1);

    held.Close([&](bool mayEnd) { closed = mayEnd; });
    EXPECT_FALSE(closed);
    EXPECT_EQ(frontEnd.waiting, 1);
    EXPECT_EQ(held.Buy(Drone, 0, 0), Refusal::NoGame);  // busy meanwhile
    EXPECT_FALSE(frontEnd.RunPosted(300ms));            // nothing comes while the latch holds
    EXPECT_FALSE(closed);

    release.count_down();
    ASSERT_TRUE(frontEnd.RunPosted(60s));
    EXPECT_TRUE(closed);
    EXPECT_EQ(frontEnd.waiting, 0);
    EXPECT_FALSE(held.SimulationRunning());
    EXPECT_EQ(frontEnd.asked, std::vector<std::string>{"abandon"});
    EXPECT_EQ(ReadFile("held.tvu").substr(0, 4), "0\t1\t");  // saved after the simulation, with the loss
  }
  EXPECT_EQ(ThreadCount(), threadsBefore);
}

TEST_F(SessionTest, TheProfileIsHeldByItsPathWhereverTheWorkingFolderMoves) {
  fs::create_directories("a");
  fs::create_directories("b");
  WriteFile("b/default.tvu", "9\t9\t");
  fs::current_path("a");
  Start();
  fs::current_path("../b");  // as the Select User file dialog does
  World().mode = ModeIdle;
  session.NewGame();  // saves the profile
  EXPECT_EQ(ReadFile(folder.Path() / "a/default.tvu").size(), 504u);
  EXPECT_EQ(ReadFile(folder.Path() / "b/default.tvu"), "9\t9\t");
}

TEST_F(SessionTest, AFailedSaveIsToldOnceUntilASaveSucceeds) {
  Start();
  {
    const CausedSaveFault failing(SaveFault::Write);
    session.NewGame();
    session.NewGame();
  }
  ASSERT_EQ(frontEnd.saveFailures.size(), 1u);
  EXPECT_EQ(frontEnd.saveFailures[0].path, session.ProfilePath());
  EXPECT_EQ(frontEnd.saveFailures[0].reason, std::strerror(EFBIG));
  EXPECT_FALSE(session.ProfileSaved());
  session.NewGame();
  EXPECT_TRUE(session.ProfileSaved());
  {
    const CausedSaveFault failing(SaveFault::Open);
    session.NewGame();
  }
  EXPECT_EQ(frontEnd.saveFailures.size(), 2u);
}

TEST_F(SessionTest, LeavingAGameAsksOnceATurnIsPlayedAndNoKeepsEverything) {
  Start();
  session.NewGame();  // still in the first setup: nothing to ask
  EXPECT_TRUE(frontEnd.asked.empty());
  World().treasury = 1000;
  World().turn = 1;
  frontEnd.abandon = AbandonChoice::KeepPlaying;
  bool done = true;
  session.NewGame([&](bool started) { done = started; });
  EXPECT_FALSE(done);
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(session.UserRecord().losses, 0);

  // New User: the overwrite question's NO keeps the game, even after the
  // abandon question's Yes.
  WriteFile("bob.tvu", "4\t4\t");
  frontEnd.abandon = AbandonChoice::Abandon;
  frontEnd.newUserName = "bob";
  frontEnd.asked.clear();
  session.NewUser();
  EXPECT_EQ(frontEnd.asked, (std::vector<std::string>{"abandon", "name", "overwrite"}));
  EXPECT_EQ(World().mode, ModePlaying);
  EXPECT_EQ(session.UserRecord().losses, 0);
  EXPECT_EQ(ReadFile("bob.tvu"), "4\t4\t");

  frontEnd.overwrite = true;
  session.NewUser();
  EXPECT_EQ(ReadFile("default.tvu").substr(0, 4), "0\t1\t");  // the abandoned game, saved as the user left
  EXPECT_EQ(ReadFile("bob.tvu").size(), 504u);                // a fresh record
  EXPECT_EQ(session.ProfilePath(), (folder.Path() / "bob.tvu").string());
  EXPECT_EQ(World().turn, 0);
}

TEST_F(SessionTest, AProfileThatCannotBeUsedIsToldBeforeAnyQuestionAndNothingIsWritten) {
  Start();
  World().turn = 1;
  fs::create_directory("folder.tvu");
  WriteFile("notes.txt", "1\t1\t");
  for (const char* path : {"folder.tvu", "notes.txt", "missing.tvu"}) {
    OpenResult result = OpenResult::Opened;
    session.OpenProfile(path, [&](OpenResult r) { result = r; });
    EXPECT_EQ(result, OpenResult::Failed) << path;
  }
  ASSERT_EQ(frontEnd.openFailures.size(), 3u);
  EXPECT_EQ(frontEnd.openFailures[0].reason, "is a folder");
  EXPECT_EQ(frontEnd.openFailures[1].kind, ProfileProblem::NotAProfile);
  EXPECT_EQ(frontEnd.openFailures[2].reason, "No such file or directory");
  EXPECT_TRUE(frontEnd.asked.empty());
  EXPECT_EQ(World().mode, ModePlaying);

  // A profile this user may not read (CI runs as root: as nobody) is an
  // error, not a fresh record written over the old one.
  WriteFile("secret.tvu", "12\t3\t");
  fs::permissions("secret.tvu", fs::perms::owner_write);
  fs::permissions(folder.Path(), fs::perms::all);
  const int status = InChild(
      [] {
        TestFrontEnd childFrontEnd;
        CSession child(childFrontEnd, nullptr);
        ProfileProblem problem;
        if (child.UseProfile("secret.tvu", problem)) return 1;
        return problem.reason == "Permission denied" ? 0 : 2;
      },
      true);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile("secret.tvu"), "12\t3\t");
}

TEST_F(SessionTest, AProfileHeldByAnotherProgramIsRefusedWithItsProcess) {
  Start("shared.tvu");
  const int status = InChild([] {
    TestFrontEnd childFrontEnd;
    CSession child(childFrontEnd, nullptr);
    ProfileProblem problem;
    if (child.UseProfile("shared.tvu", problem)) return 1;
    return problem.kind == ProfileProblem::InUse && problem.holder == getppid() ? 0 : 2;
  });
  EXPECT_EQ(status, 0);
}

// --- The Chaos mode ---

TEST_F(SessionTest, TheChaosModeIsAProgramSettingThatTheNextGameTakesUp) {
  Start();
  EXPECT_EQ(session.GameChaosMode(), ChaosMode::Classic);
  EXPECT_EQ(World().chaosMoney, kStartingMoney);
  EXPECT_EQ(session.GamePurseFactor(), kPurseOne);

  session.SetChaosMode(ChaosMode::Adaptive);
  EXPECT_EQ(session.SettingChaosMode(), ChaosMode::Adaptive);
  EXPECT_EQ(session.GameChaosMode(), ChaosMode::Classic) << "the game in progress keeps its mode";
  EXPECT_EQ(World().chaosMoney, kStartingMoney);

  session.NewGame();
  EXPECT_EQ(session.GameChaosMode(), ChaosMode::Adaptive);
  EXPECT_EQ(session.GamePurseFactor(), 2 * kPurseOne);  // no games recorded
  EXPECT_EQ(World().chaosMoney, 2 * kStartingMoney);

  // A new user starts in the mode in use; the profile is as it always was.
  frontEnd.newUserName = "carol";
  session.NewUser();
  EXPECT_EQ(session.ProfilePath(), (folder.Path() / "carol.tvu").string());
  EXPECT_EQ(session.GameChaosMode(), ChaosMode::Adaptive);
  EXPECT_EQ(World().chaosMoney, 2 * kStartingMoney);
  std::string fresh;
  for (int i = 0; i < 252; ++i) fresh += "0\t";
  EXPECT_EQ(ReadFile("carol.tvu"), fresh);

  // A record of 1 win in 4 games: a quarter of the purse.
  WriteFile("dave.tvu", "1\t3\t");
  ProfileProblem problem;
  ASSERT_TRUE(session.UseProfile("dave.tvu", problem));
  EXPECT_EQ(session.RecordPurseFactor(), kPurseOne / 4);
  session.NewGame();
  EXPECT_EQ(World().chaosMoney, kStartingMoney / 4);

  session.SetChaosMode(ChaosMode::Classic);
  session.NewGame();
  EXPECT_EQ(World().chaosMoney, kStartingMoney);
  EXPECT_EQ(session.GamePurseFactor(), kPurseOne);
  EXPECT_EQ(session.RecordPurseFactor(), kPurseOne / 4) << "what an adaptive game would take";
}

TEST_F(SessionTest, AnAdaptiveTurnScalesChaosMoneyButItsReplaysLearnWhatClassicOnesDo) {
  struct Outcome {
    std::array<std::int32_t, kStrategyCount> scores;
    std::int32_t startMoney, chaosMoney;
    int strategy;
  };
  const auto playOneTurn = [&](ChaosMode mode, int fixedStrategy) {
    ResetScores();
    randomSeed = 77;
    CSession live(frontEnd, nullptr, {.simulateInPlace = true, .chaosMode = mode, .fixedStrategy = fixedStrategy});
    live.UseMemoryProfile();
    live.NewGame();
    Outcome outcome{};
    outcome.startMoney = live.World().chaosMoney;
    int bought = 0;
    for (int x = 0; x < kBoardSize && bought < 12; ++x)
      for (int y = 0; y < kBoardSize && bought < 12; y += 3) bought += live.Buy(Farmer, x, y) == Refusal::None;
    EXPECT_EQ(bought, 12);
    EXPECT_TRUE(live.PlayTurn());
    outcome.scores = CurrentScores();
    outcome.chaosMoney = live.World().chaosMoney;
    outcome.strategy = live.LastTurnStrategy().index;
    return outcome;
  };
  const Outcome classic = playOneTurn(ChaosMode::Classic, -1);
  const Outcome adaptive = playOneTurn(ChaosMode::Adaptive, -1);
  EXPECT_EQ(classic.startMoney, kStartingMoney);
  EXPECT_EQ(adaptive.startMoney, 2 * kStartingMoney);
  EXPECT_NE(classic.chaosMoney, adaptive.chaosMoney);
  EXPECT_NE(std::count(classic.scores.begin(), classic.scores.end(), 0), kStrategyCount) << "the Farmers were replayed";
  EXPECT_EQ(classic.scores, adaptive.scores);

  // A probe fixes the strategy of every turn; the replays still score all.
  const Outcome probe = playOneTurn(ChaosMode::Classic, 12);
  EXPECT_EQ(probe.strategy, 12);
  EXPECT_EQ(probe.scores, classic.scores);
}
