#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "engine/turn.h"
#include "engine/unit_pool.h"
#include "model/messages.h"
#include "model/random.h"
#include "model/saturating.h"
#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "tests/test_support.h"
#include "units/unit.h"

namespace {

struct UnitSeen {
  int kindCode, x, y, facing;
};

// Remembers the units and Chaos's money right after the purchases, and what
// survived the last phase.
class PurchaseWatcher : public CTurnObserver {
 public:
  std::vector<UnitSeen> bought;
  int moneyAfterPurchases = -1;
  long long survivorsWorth = 0;

  void AtPoint(const CWorld& world, int phase, const CUnit& head) override {
    if (phase == -1) {
      moneyAfterPurchases = world.chaosMoney;
      for (const CUnit* unit = head.next; unit; unit = unit->next)
        bought.push_back({unit->kindCode, unit->x, unit->y, unit->facing});
    }
    if (phase == 49)
      for (const CUnit* unit = head.next; unit; unit = unit->next) survivorsWorth += unit->loot + unit->price;
  }
};

// Counts the squares under a Scout's far mark after the last phase.
class MarkWatcher : public CTurnObserver {
 public:
  int markedAtTheEnd = 0;

  void AtPoint(const CWorld& world, int phase, const CUnit&) override {
    if (phase != kPhases - 1) return;
    for (const auto& column : world.cells)
      for (const Cell& cell : column) markedAtTheEnd += cell.scoutFar;
  }
};

}  // namespace

class TurnTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    ClearBoard(world);
    world.mode = ModeSimulation;
    world.treasury = 0;
    world.chaosMoney = 2000;
    world.turn = 0;
    world.phase = 0;
    LoadStrategy(world, 0);
  }
  void SetThresholds(std::initializer_list<int> thresholds) {
    std::copy(thresholds.begin(), thresholds.end(), world.purchaseThresholds);
  }
  void FillBoard(int type) {
    for (auto& column : world.cells)
      for (Cell& cell : column) cell.unitType = type;
  }

  CWorld world;
  PurchaseWatcher watcher;
};

TEST_F(TurnTest, PurchasesFromSeedOneFollowTheDraws) {
  SetThresholds({10, 20, 30, 40, 50, 60, 70, 80});
  randomSeed = 1;
  PlayTurn(world, &watcher);
  ASSERT_EQ(watcher.bought.size(), 29u);
  EXPECT_EQ(watcher.bought[0].kindCode, 9);  // r = 1: a Scout at (0, 0) facing up
  EXPECT_EQ(watcher.bought[0].x, 0);
  EXPECT_EQ(watcher.bought[0].y, 0);
  EXPECT_EQ(watcher.bought[0].facing, 0);
  EXPECT_EQ(watcher.bought[1].kindCode, 9);
  EXPECT_EQ(watcher.bought[1].x, 1);
  EXPECT_EQ(watcher.bought[1].y, 3);
  EXPECT_EQ(watcher.bought[1].facing, 2);
  EXPECT_EQ(watcher.bought[2].kindCode, 15);  // r = 65: a Kamikazee Barbarian
  EXPECT_EQ(watcher.bought[2].x, 0);
  EXPECT_EQ(watcher.bought[2].y, 19);
  EXPECT_EQ(watcher.bought[2].facing, 3);
  EXPECT_EQ(watcher.moneyAfterPurchases, 10);  // a Jump Barbarian (70) was drawn next
}

TEST_F(TurnTest, EachKindOwnsItsRangeOfTheDraw) {
  SetThresholds({10, 20, 30, 40, 50, 60, 70, 80});
  const std::pair<int, int> cases[] = {{1, 9},   {10, 9},  {11, 10}, {20, 10}, {21, 11}, {30, 11}, {31, 12},
                                       {35, 12}, {40, 12}, {41, 13}, {51, 14}, {61, 15}, {71, 16}, {80, 16}};
  for (auto [r, kind] : cases) {
    PurchaseWatcher first;
    SeedWhere([r = r] { return RandomDraw(80, 1) == r; });
    ClearBoard(world);
    world.chaosMoney = 2000;
    PlayTurn(world, &first);
    ASSERT_FALSE(first.bought.empty());
    EXPECT_EQ(first.bought[0].kindCode, kind) << "r = " << r;
  }
}

TEST_F(TurnTest, ChaosBuysOnlyWithMoreMoneyThanThePrice) {
  SetThresholds({80, 80, 80, 80, 80, 80, 80, 80});  // every draw is a Scout
  world.chaosMoney = 10;
  // The kind and the square are drawn before the money is looked at: a turn
  // that buys nothing on an empty board makes exactly those three draws.
  randomSeed = 77;
  for (int i = 0; i < 3; ++i) RandomStep();
  const std::uint32_t afterThree = randomSeed;
  randomSeed = 77;
  PlayTurn(world, &watcher);
  EXPECT_TRUE(watcher.bought.empty());
  EXPECT_EQ(randomSeed.load(), afterThree);

  PurchaseWatcher one;
  world.chaosMoney = 11;
  PlayTurn(world, &one);
  EXPECT_EQ(one.bought.size(), 1u);
  EXPECT_EQ(one.moneyAfterPurchases, 1);
}

TEST_F(TurnTest, OnlyTheAmphibiousBarbarianAppearsOnWater) {
  for (int x = 0; x < 24; ++x)
    for (int y = 0; y < 24; ++y) world.At(x, y).unitType = (x + y) % 3 == 0 ? Empty : Water;
  world.chaosMoney = 100000;
  LoadStrategy(world, 240);  // every kind equally likely
  randomSeed = 4242;
  PlayTurn(world, &watcher);
  int onWater = 0;
  for (const UnitSeen& unit : watcher.bought) {
    const bool water = (unit.x + unit.y) % 3 != 0;
    if (water) {
      EXPECT_EQ(unit.kindCode, 12);
    }
    onWater += water;
  }
  EXPECT_GT(onWater, 0);
}

TEST_F(TurnTest, AFullBoardSellsExactlyOneUnitFirst) {
  FillBoard(Farmer);
  world.chaosMoney = 0;
  PlayTurn(world, &watcher);
  int empty = 0;
  for (const auto& column : world.cells)
    for (const Cell& cell : column) empty += cell.unitType == Empty;
  EXPECT_EQ(empty, 1);
  EXPECT_EQ(world.treasury, 80 + 575 * 50 * 5);  // the resale, then every Farmer's income
}

TEST_F(TurnTest, ABoardWithRoomSellsNothing) {
  FillBoard(Farmer);
  world.At(7, 7).unitType = Empty;
  world.chaosMoney = 0;
  PlayTurn(world);
  EXPECT_EQ(world.At(7, 7).unitType, Empty);
  EXPECT_EQ(world.treasury, 575 * 250);
}

TEST_F(TurnTest, ABoardWithNeitherRoomNorUnitsBuysNothingAndDrawsNothing) {
  FillBoard(Water);
  world.chaosMoney = 5000;
  randomSeed = 31;
  PlayTurn(world, &watcher);
  EXPECT_TRUE(watcher.bought.empty());
  EXPECT_EQ(randomSeed.load(), 31u);
  EXPECT_EQ(world.chaosMoney, 5000 + 144);
}

TEST_F(TurnTest, ChaosIncomeIsScaledByTheWorldsPurse) {
  EXPECT_EQ(CWorld().chaosPurse, kPurseOne) << "every world starts with the rules' own money";
  FillBoard(Water);  // nothing is bought
  world.chaosMoney = 5000;
  world.chaosPurse = kPurseOne / 4;
  PlayTurn(world);
  EXPECT_EQ(world.chaosMoney, 5000 + 36);  // 144 / 4
  world.chaosPurse = 2 * kPurseOne;
  PlayTurn(world);
  EXPECT_EQ(world.chaosMoney, 5036 + 450);  // 225 x 2
  EXPECT_EQ(world.lastChaosGain, 0) << "the income comes after the turn's gain is taken";
}

TEST_F(TurnTest, ADegenerateSeedEndsTheSearchesInsteadOfHanging) {
  FillBoard(Water);
  world.At(0, 0).unitType = Empty;  // the stuck generator draws (0, 0) every time
  world.At(5, 5).unitType = Empty;
  world.chaosMoney = 5000;
  randomSeed = 0x80000000u;  // steps to 0 for ever: every draw is 0
  PlayTurn(world, &watcher);
  for (const UnitSeen& unit : watcher.bought) {
    EXPECT_EQ(unit.x, 0);
    EXPECT_EQ(unit.y, 0);
  }
  FillBoard(Farmer);
  world.At(0, 0).unitType = Water;
  randomSeed = 0x80000000u;  // full board, but (0, 0) holds no unit: the sale gives up
  world.chaosMoney = 5000;
  PlayTurn(world, &watcher);
  EXPECT_EQ(world.At(0, 0).unitType, Water);
}

TEST_F(TurnTest, ARichChaosBuysUpToTheBoundAndThePoolGivesItsMemoryBack) {
  // 2000000000 would buy 200 million Scouts; the turn buys the bound's worth
  // and keeps the rest of the money, and a turn of that size leaves no more
  // memory behind than a usual one.
  SetThresholds({80, 80, 80, 80, 80, 80, 80, 80});  // every draw is a Scout
  world.chaosMoney = 2'000'000'000;
  randomSeed = 12345;
  PlayTurn(world, &watcher);
  EXPECT_EQ(watcher.bought.size(), static_cast<std::size_t>(kMaxBarbariansPerTurn));
  EXPECT_EQ(watcher.moneyAfterPurchases, 2'000'000'000 - 10 * kMaxBarbariansPerTurn);
  EXPECT_EQ(world.phase, kPhases);
  EXPECT_LE(TurnUnitPool().HeldSlots(), CUnitPool::kKeptSlots);
}

TEST_F(TurnTest, SurvivorsRepayLootAndPrice) {
  LoadStrategy(world, 3);
  randomSeed = 99;
  world.At(3, 3).unitType = Drone;
  world.At(10, 10).unitType = Farmer;
  PlayTurn(world, &watcher);
  EXPECT_GT(watcher.survivorsWorth, 0);
  EXPECT_EQ(world.lastChaosGain, watcher.moneyAfterPurchases + watcher.survivorsWorth - 2000);
  EXPECT_EQ(world.chaosMoney, 2000 + world.lastChaosGain + 144);
}

TEST_F(TurnTest, IncomeDependsOnTheGround) {
  world.chaosMoney = 0;
  world.At(1, 1).unitType = Drone;
  world.At(1, 1).incomeBonus = -1;  // terrain code 4
  world.At(2, 2).unitType = Farmer;
  world.At(2, 2).incomeBonus = 3;  // terrain code 8
  world.At(3, 3).unitType = Settler;
  world.At(3, 3).incomeBonus = 1;
  world.At(4, 4).unitType = Infantry;
  world.At(4, 4).incomeBonus = 2;
  world.treasury = 7;
  PlayTurn(world);
  EXPECT_EQ(world.treasury, 7 + 0 + 400 + 200);
  EXPECT_EQ(world.lastPlayerGain, 600);
  EXPECT_EQ(world.lastChaosGain, 0);
}

TEST_F(TurnTest, TurnEndClearsEveryScoutMarkAndCountsTheTurn) {
  // Only Scouts are bought, on a board where nothing harms them, and they
  // step and mark by turns: the marks they lift as they step come off, the
  // ones made in the last phase overlap, and going home lifts those too.
  SetThresholds({100, 100, 100, 100, 100, 100, 100, 100});
  for (int perception = 0; perception < 8; ++perception) {
    world.behaviourTables[KindScout][0][perception] = ActionMoveForward << 2 | 1;
    world.behaviourTables[KindScout][1][perception] = ActionEngage << 2 | 0;
  }
  MarkWatcher marks;
  randomSeed = 5;
  world.turn = 2;
  PlayTurn(world, &marks);
  EXPECT_GT(marks.markedAtTheEnd, 100);
  EXPECT_EQ(world.turn, 3);
  EXPECT_EQ(world.phase, 50);
  EXPECT_EQ(world.chaosMoney, 2000 + world.lastChaosGain + 9 * 36);
  for (const auto& column : world.cells)
    for (const Cell& cell : column) {
      EXPECT_EQ(cell.scoutNear + cell.scoutFar, 0);
      for (int f = 0; f < 4; ++f) EXPECT_EQ(cell.scoutNearDir[f] + cell.scoutFarDir[f], 0);
    }
}

TEST_F(TurnTest, ABadUnitCodeIsReportedByTheStartAndTheEndOfTheTurn) {
  world.chaosMoney = 0;
  world.At(4, 4).unitType = 9;
  world.At(2, 2).unitType = Farmer;
  world.At(7, 7).unitType = Drone;
  testing::internal::CaptureStdout();
  PlayTurn(world);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(kBadHumanType) + kBadHumanType);
  EXPECT_EQ(world.At(4, 4).unitType, 9);
}

TEST_F(TurnTest, ASimulationTurnShowsAndBooksNothing) {
  RecordingOwner owner;
  world.owner = &owner;
  world.chaosMoney = 0;
  world.treasury = 1000;
  ScratchFolder folder;
  PlayTurn(world);
  EXPECT_TRUE(owner.calls.empty());
  EXPECT_EQ(world.mode, ModeSimulation);
  EXPECT_FALSE(std::filesystem::exists("default.tvu"));
  EXPECT_FALSE(std::filesystem::exists("tv_log.txt"));
  EXPECT_EQ(simulationRunning.load(), 0);
}

// A live game: the session of a fresh default profile is the world's
// opponent, as it is for the game it holds.
class PlayingTurnTest : public TurnTest {
 protected:
  void SetUp() override {
    TurnTest::SetUp();
    ProfileProblem problem;
    ASSERT_TRUE(session.UseProfile("default.tvu", problem));
    world.mode = ModePlaying;
    world.owner = &owner;
    world.opponent = &session;
  }
  void TearDown() override {
    world.opponent = nullptr;
    TurnTest::TearDown();
  }
  int CountCalls(const std::string& call) const { return std::count(owner.calls.begin(), owner.calls.end(), call); }
  const Record& UserRecord() const { return session.UserRecord(); }

  ScratchFolder folder;
  RecordingOwner owner;
  TestFrontEnd frontEnd;
  CSession session{frontEnd, nullptr};
};

TEST_F(PlayingTurnTest, AWinIsExactlyMoreThanTwentyTimesChaosMoney) {
  world.chaosMoney = 5;  // too little to buy anything
  world.treasury = 100;
  PlayTurn(world);
  EXPECT_EQ(world.mode, ModePlaying);  // 100 is not more than 20 x 5
  WaitForNoSimulation();
  world.chaosMoney = 5;
  world.treasury = 101;
  PlayTurn(world);
  EXPECT_EQ(world.mode, ModeIdle);
  EXPECT_EQ(UserRecord().wins, 1);
  EXPECT_EQ(CountCalls("Victory"), 1);
}

TEST_F(PlayingTurnTest, ALossIsAnEndValueBelowTwenty) {
  world.chaosMoney = 100;
  world.treasury = 20;
  PlayTurn(world);
  EXPECT_EQ(world.mode, ModePlaying);
  WaitForNoSimulation();
  world.treasury = 19;
  world.chaosMoney = 5;
  PlayTurn(world);
  EXPECT_EQ(world.mode, ModeIdle);
  EXPECT_EQ(UserRecord().losses, 1);
  EXPECT_EQ(CountCalls("Defeat"), 1);
}

TEST_F(PlayingTurnTest, WhenBothTestsHoldOnlyTheWinCounts) {
  world.chaosMoney = 0;
  world.treasury = 10;
  PlayTurn(world);
  EXPECT_EQ(UserRecord().wins, 1);
  EXPECT_EQ(UserRecord().losses, 0);
  EXPECT_EQ(CountCalls("Defeat"), 0);
}

// The window's worth line weighs the board with the turn's own functions:
// the worth of the board after the turn is the turn's end value, and the end
// test on it decides as the turn did, at and beside both lines.
TEST_F(PlayingTurnTest, TheWorthAndTheEndTestDecideAsTheTurnDoes) {
  struct Board {
    int treasury;
    bool mine;  // a Mine: worth its price of 50, though it sells for 25
    Outcome expected;
  };
  // Chaos keeps 10, too little to buy anything: the victory line is 200.
  for (const Board& board : {Board{151, true, Outcome::Victory}, Board{150, true, Outcome::Continues},
                             Board{19, false, Outcome::Defeat}, Board{20, false, Outcome::Continues}}) {
    WaitForNoSimulation();
    ClearBoard(world);
    world.mode = ModePlaying;
    world.chaosMoney = 10;
    if (board.mine) world.PlaceUnit(Mine, 5, 5);
    world.treasury = board.treasury;
    const std::int64_t before = PlayerWorth(world);
    EXPECT_EQ(before, board.treasury + (board.mine ? 50 : 0));
    PlayTurn(world);
    const std::int64_t after = PlayerWorth(world);
    EXPECT_EQ(after, before + world.lastPlayerGain) << "the turn's own start and end values";
    const Outcome decided = CountCalls("Victory") == 1  ? Outcome::Victory
                            : CountCalls("Defeat") == 1 ? Outcome::Defeat
                                                        : Outcome::Continues;
    EXPECT_EQ(world.mode == ModePlaying, decided == Outcome::Continues);
    EXPECT_EQ(EndTest(after, 10), decided) << "worth " << after;
    EXPECT_EQ(decided, board.expected) << "worth " << after;
    owner.calls.clear();
  }
}

TEST_F(PlayingTurnTest, TheGameEndIsShownSavedAndStillCountsTheTurn) {
  world.chaosMoney = 0;
  world.treasury = 500;
  PlayTurn(world);
  WaitForNoSimulation();
  const auto victory = std::find(owner.calls.begin(), owner.calls.end(), "Victory");
  ASSERT_NE(victory, owner.calls.end());
  EXPECT_EQ(std::vector<std::string>(victory, owner.calls.end()),
            (std::vector<std::string>{"Victory", "DrawRecord", "DrawTerrain", "DrawUnits"}));  // no refresh after
  EXPECT_EQ(ReadFile("default.tvu").substr(0, 4), "1\t0\t");
  EXPECT_EQ(world.turn, 1);
  EXPECT_EQ(world.chaosMoney, 144);
}

TEST_F(PlayingTurnTest, ATurnIsLoggedSavedAndLearnedFrom) {
  std::memset(world.terrain, 2, sizeof world.terrain);
  world.ApplyTerrain(world.terrain);
  world.At(2, 3).unitType = Drone;
  world.treasury = 1000;  // the game goes on: only the turn start saves the profile
  world.chaosMoney = 2000;
  SetThresholds({1, 2, 3, 4, 5, 6, 7, 8});  // chosen anew at the turn start
  PlayTurn(world);
  EXPECT_EQ(ReadFile("tv_log.txt").rfind("Human Position at Turn 0:\n\n", 0), 0u);
  EXPECT_EQ(world.mode, ModePlaying);
  EXPECT_EQ(ReadFile("default.tvu").size(), 504u);  // saved before the simulation began
  EXPECT_EQ(world.purchaseThresholds[7], 108);      // strategy 0 on a fresh profile
  EXPECT_EQ(world.strategyInPlay, 0);
  EXPECT_EQ(recordedUnits[2][3], Drone);
  WaitForNoSimulation();
  bool scored = false;
  for (const auto& score : strategyScores) scored |= score.load() != 0;
  EXPECT_TRUE(scored);
}

TEST_F(PlayingTurnTest, ATurnWhileASimulationRunsNeitherSavesNorChoosesNorStartsOne) {
  simulationRunning = 1;  // as if a simulation were still busy
  SetThresholds({1, 2, 3, 4, 5, 6, 7, 8});
  world.chaosMoney = 5;  // buys nothing
  world.treasury = 50;   // neither a win nor a loss, which would save
  PlayTurn(world);
  EXPECT_EQ(world.mode, ModePlaying);
  EXPECT_FALSE(std::filesystem::exists("default.tvu"));
  EXPECT_EQ(world.purchaseThresholds[7], 8);
  EXPECT_TRUE(std::filesystem::exists("tv_log.txt"));
  simulationRunning = 0;
}

TEST_F(PlayingTurnTest, TheTurnIsDrawnAndPacedAsItGoes) {
  world.gameSpeed = 3;
  world.chaosMoney = 300;
  world.treasury = 100000;  // ends in a victory, so no refresh at the end
  randomSeed = 5;
  PlayTurn(world, &watcher);
  const int units = static_cast<int>(watcher.bought.size());
  ASSERT_GT(units, 0);
  EXPECT_EQ(CountCalls("DrawTurnPhase"), 50);
  EXPECT_EQ(CountCalls("DrawBarbarians"), 3);  // after the purchases, at phases 25 and 40
  EXPECT_EQ(CountCalls("DrawTerrain"), 3);     // phases 25 and 40, and the victory
  EXPECT_EQ(CountCalls("Pause 9"), CountCalls("DrawBarbarian"));
  EXPECT_GE(CountCalls("DrawBarbarian"), units);
  EXPECT_EQ(owner.calls.front(), "DrawBarbarians");
}

TEST_F(PlayingTurnTest, NoPausesWhenChaosStartedWithoutMoney) {
  world.chaosMoney = 0;
  PlayTurn(world);
  for (const std::string& call : owner.calls) EXPECT_EQ(call.rfind("Pause", 0), std::string::npos);
}

TEST_F(PlayingTurnTest, LiveTurnsGoOnWhileTheSimulationRuns) {
  for (int x = 0; x < 24; x += 2)
    for (int y = 0; y < 24; y += 3) world.At(x, y).unitType = (x + y) % 8 + 1;
  world.treasury = 0;
  for (int t = 0; t < 4 && world.mode == ModePlaying; ++t) {
    PlayTurn(world);
    session.GameEnded(false);  // saves, as a game's end may, while the simulation writes scores
  }
  WaitForNoSimulation();
  EXPECT_EQ(simulationRunning.load(), 0);
  EXPECT_GE(world.turn, 1);
}

TEST_F(PlayingTurnTest, AStalledGameNeitherWrapsNorEndsInAFalseVictory) {
  // A player who buys nothing keeps his money while Chaos's grows without
  // end; once it passes the 32-bit limit it must stay there. No Empty square:
  // Chaos can buy nothing, so the turn is quick.
  FillBoard(Water);
  world.treasury = 2000;
  world.chaosMoney = std::numeric_limits<std::int32_t>::max() - 100;
  world.turn = 39;
  PlayTurn(world);
  EXPECT_EQ(world.chaosMoney, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(world.mode, ModePlaying);
  EXPECT_EQ(UserRecord().wins + UserRecord().losses, 0);
  EXPECT_EQ(CountCalls("Victory") + CountCalls("Defeat"), 0);
}

TEST_F(TurnTest, NothingWrapsAtTheLimitsOfTheStoredValues) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  FillBoard(Water);
  world.treasury = kMax;
  world.chaosMoney = kMax;
  world.turn = kMax;
  PlayTurn(world);
  EXPECT_EQ(world.chaosMoney, kMax);
  EXPECT_EQ(world.turn, kMax);
  EXPECT_EQ(world.lastChaosGain, 0);
  EXPECT_EQ(world.lastPlayerGain, 0);

  ClearBoard(world);  // a Farmer's income on top of an almost full treasury
  world.cells[0][0].unitType = Farmer;
  world.treasury = kMax - 10;
  world.chaosMoney = 0;
  PlayTurn(world);
  EXPECT_EQ(world.treasury, kMax);
  EXPECT_GE(world.lastPlayerGain, 0);
}

TEST_F(PlayingTurnTest, TheRecordStaysAtItsLimit) {
  WriteFile("default.tvu", "2147483647\t0\t");
  ProfileProblem problem;
  ASSERT_TRUE(session.UseProfile("default.tvu", problem));
  world.chaosMoney = 0;
  world.treasury = 10;
  PlayTurn(world);
  EXPECT_EQ(world.mode, ModeIdle);
  EXPECT_EQ(UserRecord().wins, std::numeric_limits<std::int32_t>::max());
}
