#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <latch>
#include <string>
#include <vector>

#include "engine/turn.h"
#include "engine/unit_pool.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/kept_game.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "session/session.h"
#include "tests/test_support.h"
#include "units/unit.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A turn told as `tarvell-cli turn --trace` tells it: at each point the seed,
// the player's units lost since the point before, and every barbarian.
class Trace : public CTurnObserver {
 public:
  explicit Trace(const CWorld& world) { Remember(world); }
  std::string text;

  void AtPoint(const CWorld& world, int phase, const CUnit& head) override {
    text += "phase " + std::to_string(phase) + " seed " + std::to_string(randomSeed.load()) + "\n";
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (IsPlayerUnit(previous_[x][y]) && world.At(x, y).unitType != previous_[x][y])
          text += "gone " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(previous_[x][y]) + "\n";
    Remember(world);
    for (const CUnit* unit = head.next; unit; unit = unit->next) {
      text += "unit";
      for (const int value : {TurnUnitPool().IndexOf(unit), int{unit->kindCode}, unit->x, unit->y, unit->facing,
                              int{unit->state}, unit->loot})
        text += " " + std::to_string(value);
      text += "\n";
    }
  }

 private:
  void Remember(const CWorld& world) {
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) previous_[x][y] = world.At(x, y).unitType;
  }
  int previous_[kBoardSize][kBoardSize];
};

// Every field of every square, and the numbers of the game.
struct Snapshot {
  std::vector<Cell> cells;
  std::vector<std::int8_t> terrain;
  std::vector<std::int32_t> shown;
  std::vector<std::int32_t> numbers;
  std::vector<std::uint8_t> tables;

  explicit Snapshot(const CWorld& world)
      : cells(&world.cells[0][0], &world.cells[0][0] + kBoardSquares),
        terrain(&world.terrain[0][0], &world.terrain[0][0] + kBoardSquares),
        shown(&world.shownUnits[0][0], &world.shownUnits[0][0] + kBoardSquares),
        numbers{world.mode,          world.treasury,       world.chaosMoney,
                world.turn,          world.phase,          world.lastPlayerGain,
                world.lastChaosGain, world.strategyInPlay, static_cast<std::int32_t>(randomSeed.load())},
        tables(&world.behaviourTables[0][0][0], &world.behaviourTables[0][0][0] + sizeof world.behaviourTables) {
    numbers.insert(numbers.end(), std::begin(world.purchaseThresholds), std::end(world.purchaseThresholds));
  }
};

void ExpectSameCells(const std::vector<Cell>& a, const std::vector<Cell>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    const Cell& p = a[i];
    const Cell& q = b[i];
    const bool same = p.unitType == q.unitType && p.artilleryRing == q.artilleryRing &&
                      p.artilleryCore == q.artilleryCore && p.jammed == q.jammed && p.defenceBonus == q.defenceBonus &&
                      p.incomeBonus == q.incomeBonus && p.scoutNear == q.scoutNear && p.scoutFar == q.scoutFar &&
                      std::memcmp(p.scoutNearDir, q.scoutNearDir, sizeof p.scoutNearDir) == 0 &&
                      std::memcmp(p.scoutFarDir, q.scoutFarDir, sizeof p.scoutFarDir) == 0 && p.siteBits == q.siteBits;
    ASSERT_TRUE(same) << "square " << i / kBoardSize << "," << i % kBoardSize;
  }
}

// The first empty land squares, in board order, where a player could buy.
std::vector<std::pair<int, int>> EmptyLand(const CWorld& world, int count) {
  std::vector<std::pair<int, int>> squares;
  for (int x = 0; x < kBoardSize && static_cast<int>(squares.size()) < count; ++x)
    for (int y = 0; y < kBoardSize && static_cast<int>(squares.size()) < count; ++y)
      if (world.At(x, y).unitType == Empty) squares.emplace_back(x, y);
  return squares;
}

}  // namespace

class KeptGameTest : public CoreTest {
 protected:
  // A game to turn 3 on a fresh profile, every simulation run in place.
  void PlayToTurn3(CSession& session, const std::string& profile) {
    ProfileProblem problem;
    ASSERT_TRUE(session.UseProfile(profile, problem)) << problem.reason;
    session.NewGame();
    CWorld& world = session.World();
    ASSERT_EQ(world.mode, ModePlaying);
    auto land = EmptyLand(world, 8);
    ASSERT_EQ(land.size(), 8u);
    for (int i = 0; i < 6; ++i) ASSERT_EQ(session.Buy(Farmer, land[i].first, land[i].second), Refusal::None);
    ASSERT_EQ(session.Buy(Artillery, land[6].first, land[6].second), Refusal::None);
    for (int turn = 0; turn < 3; ++turn) {
      ASSERT_TRUE(session.PlayTurn());
      ASSERT_EQ(world.mode, ModePlaying) << "the game ended at turn " << world.turn;
      if (turn == 0) {
        ASSERT_EQ(session.Buy(Drone, land[7].first, land[7].second), Refusal::None);
      }
    }
    ASSERT_EQ(world.turn, 3);
    // In the setup of turn 3: Artillery, and two Jammers of which the first
    // is sold again, so that the overlap of their zones is left unjammed.
    land = EmptyLand(world, 3);
    ASSERT_EQ(session.Buy(Artillery, land[0].first, land[0].second), Refusal::None);
    ASSERT_EQ(session.Buy(Jammer, land[1].first, land[1].second), Refusal::None);
    ASSERT_EQ(session.Buy(Jammer, land[2].first, land[2].second), Refusal::None);
    ASSERT_EQ(session.Sell(land[1].first, land[1].second), Refusal::None);
  }

  ScratchFolder folder;
  TestFrontEnd frontEnd;
};

TEST_F(KeptGameTest, AGameKeptAtTurn3PlaysOnInANewSessionAsTheUnbrokenGame) {
  // The unbroken game, to turn 4.
  std::optional<Snapshot> atTurn3, atTurn4;
  std::string unbrokenTrace, unbrokenProfile;
  {
    TestFrontEnd unbrokenFrontEnd;
    CSession unbroken(unbrokenFrontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
    PlayToTurn3(unbroken, "unbroken.tvu");
    atTurn3.emplace(unbroken.World());
    Trace trace(unbroken.World());
    ASSERT_TRUE(unbroken.PlayTurn(&trace));
    atTurn4.emplace(unbroken.World());
    unbrokenTrace = trace.text;
    unbrokenProfile = ReadFile("unbroken.tvu");
  }
  // The board holds what must be rebuilt (sites, Artillery cover) and what
  // cannot be: a square within reach of the standing Jammer left unjammed
  // by the one sold.
  bool site = false, cover = false, unjammedNearJammer = false;
  for (int i = 0; i < kBoardSquares; ++i) {
    const Cell& cell = atTurn3->cells[i];
    site = site || cell.siteBits != 0;
    cover = cover || cell.artilleryCore != 0;
    if (cell.unitType != Jammer) continue;
    for (int j = 0; j < kBoardSquares; ++j) {
      const int dx = std::abs(j / kBoardSize - i / kBoardSize), dy = std::abs(j % kBoardSize - i % kBoardSize);
      if (std::min(dx, kBoardSize - dx) <= 4 && std::min(dy, kBoardSize - dy) <= 4 && !atTurn3->cells[j].jammed)
        unjammedNearJammer = true;
    }
  }
  ASSERT_TRUE(site);
  ASSERT_TRUE(cover);
  ASSERT_TRUE(unjammedNearJammer);

  // The same game from the same start, kept at turn 3.
  CoreTest::SetUp();
  {
    CSession session(frontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
    PlayToTurn3(session, "keep.tvu");
    session.World().gameSpeed = 7;  // the window's, not the game's
    frontEnd.abandon = AbandonChoice::KeepForLater;
    bool mayEnd = false;
    session.Close([&](bool ok) { mayEnd = ok; });
    EXPECT_TRUE(mayEnd);
    EXPECT_EQ(frontEnd.keepOffered, std::vector<bool>{true});
    EXPECT_EQ(session.UserRecord().losses, 0);
    EXPECT_EQ(session.World().mode, ModeIdle);
  }
  ASSERT_TRUE(fs::exists("keep.tvu.game"));
  EXPECT_EQ(ReadFile("keep.tvu").substr(0, 4), "0\t0\t");  // saved without the loss

  // A new program: other seed, other scores in memory until the profile is read.
  randomSeed = 12345;
  ResetScores();
  frontEnd.asked.clear();
  CSession resumed(frontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
  ProfileProblem problem;
  ASSERT_TRUE(resumed.UseProfile("keep.tvu", problem));
  bool started = false;
  resumed.NewGame([&](bool ok) { started = ok; });
  EXPECT_TRUE(started);
  EXPECT_EQ(frontEnd.asked, std::vector<std::string>{"continue 3"});
  EXPECT_FALSE(fs::exists("keep.tvu.game"));  // a resumed game's file goes
  EXPECT_EQ(resumed.World().gameSpeed, 1);

  const Snapshot restored(resumed.World());
  ExpectSameCells(restored.cells, atTurn3->cells);
  EXPECT_EQ(restored.terrain, atTurn3->terrain);
  EXPECT_EQ(restored.shown, atTurn3->shown);
  EXPECT_EQ(restored.numbers, atTurn3->numbers);
  EXPECT_EQ(restored.tables, atTurn3->tables);

  ASSERT_FALSE(resumed.SimulationRunning());
  Trace trace(resumed.World());
  ASSERT_TRUE(resumed.PlayTurn(&trace));
  EXPECT_TRUE(trace.text == unbrokenTrace) << "the turn went otherwise";
  EXPECT_NE(trace.text.find("\nunit "), std::string::npos);  // barbarians came
  const Snapshot after(resumed.World());
  ExpectSameCells(after.cells, atTurn4->cells);
  EXPECT_EQ(after.shown, atTurn4->shown);
  EXPECT_EQ(after.numbers, atTurn4->numbers);
  EXPECT_EQ(ReadFile("keep.tvu"), unbrokenProfile);  // the same record and scores at turn 4's start
}

TEST_F(KeptGameTest, TheGameIsKeptOnceTheSimulationHasEndedWithTheGeneratorItLeft) {
  std::latch release(1);
  CSession session(frontEnd, nullptr, {.logPath = "", .simulation = [&] {
                                         release.wait();
                                         RunSimulation();
                                       }});
  ProfileProblem problem;
  ASSERT_TRUE(session.UseProfile("held.tvu", problem));
  session.NewGame();
  session.World().treasury = 1000;
  ASSERT_TRUE(session.PlayTurn());
  ASSERT_TRUE(session.SimulationRunning());

  frontEnd.abandon = AbandonChoice::KeepForLater;
  bool mayEnd = false;
  session.Close([&](bool ok) { mayEnd = ok; });
  EXPECT_FALSE(fs::exists("held.tvu.game"));  // not while the simulation draws
  release.count_down();
  ASSERT_TRUE(frontEnd.RunPosted(60s));
  ASSERT_TRUE(mayEnd);
  KeptGame game;
  std::string error;
  ASSERT_TRUE(ReadKeptGame(ReadFile("held.tvu.game"), game, error)) << error;
  EXPECT_EQ(game.seed, randomSeed.load());
  EXPECT_EQ(game.turn, 1);
  EXPECT_EQ(game.treasury, session.World().treasury);
}

TEST_F(KeptGameTest, KeepingIsOfferedOnlyWhereTheUserChangesOrTheProgramEnds) {
  CSession session(frontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
  ProfileProblem problem;
  ASSERT_TRUE(session.UseProfile("ann.tvu", problem));
  session.NewGame();
  session.World().turn = 1;
  frontEnd.abandon = AbandonChoice::KeepForLater;  // not an answer New Game takes
  bool done = true;
  session.NewGame([&](bool ok) { done = ok; });
  EXPECT_FALSE(done);
  EXPECT_EQ(session.World().mode, ModePlaying);
  EXPECT_FALSE(fs::exists("ann.tvu.game"));

  // Select User: ann's game is kept, bob's starts; back to ann, it is offered.
  WriteFile("bob.tvu", "2\t5\t");
  frontEnd.profileToOpen = "bob.tvu";
  session.SelectUser();
  EXPECT_EQ(frontEnd.keepOffered, (std::vector<bool>{false, true}));
  EXPECT_TRUE(fs::exists("ann.tvu.game"));
  EXPECT_EQ(ReadFile("ann.tvu").substr(0, 4), "0\t0\t");
  EXPECT_EQ(session.UserRecord().losses, 5);
  EXPECT_EQ(session.World().turn, 0);

  // No at the question: ann's kept game counts as lost, and its file goes.
  frontEnd.continueKept = false;
  frontEnd.asked.clear();
  OpenResult result = OpenResult::Failed;
  session.OpenProfile("ann.tvu", [&](OpenResult r) { result = r; });
  EXPECT_EQ(result, OpenResult::Opened);
  EXPECT_EQ(frontEnd.asked, std::vector<std::string>{"continue 1"});
  EXPECT_EQ(ReadFile("ann.tvu").substr(0, 4), "0\t1\t");
  EXPECT_FALSE(fs::exists("ann.tvu.game"));
  EXPECT_EQ(session.World().turn, 0);
  EXPECT_EQ(session.World().mode, ModePlaying);

  // A game that cannot be written stays in play: nothing is left or lost.
  session.World().turn = 2;
  fs::create_directory("ann.tvu.game");
  WriteFile("ann.tvu.game/x", "");
  bool mayEnd = true;
  session.Close([&](bool ok) { mayEnd = ok; });
  EXPECT_FALSE(mayEnd);
  ASSERT_EQ(frontEnd.keptGameProblems.size(), 1u);
  EXPECT_EQ(frontEnd.keptGameProblems[0].kind, KeptGameProblem::CannotKeep);
  EXPECT_EQ(session.World().mode, ModePlaying);
  EXPECT_EQ(session.UserRecord().losses, 1);

  // A profile kept in memory has no place for a kept game.
  session.UseMemoryProfile();
  session.NewGame();
  session.World().turn = 1;
  frontEnd.abandon = AbandonChoice::Abandon;
  session.Close([](bool) {});
  EXPECT_FALSE(frontEnd.keepOffered.back());
}

TEST_F(KeptGameTest, ADamagedKeptGameIsToldOnceSetAsideAndAFreshGameStarts) {
  WriteFile("default.tvu.game", "Tarvell kept game 1\ntreasury 5\n");
  CSession session(frontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
  ProfileProblem problem;
  ASSERT_TRUE(session.UseProfile("default.tvu", problem));
  session.NewGame();
  ASSERT_EQ(frontEnd.keptGameProblems.size(), 1u);
  const KeptGameProblem& told = frontEnd.keptGameProblems[0];
  EXPECT_EQ(told.kind, KeptGameProblem::Damaged);
  EXPECT_EQ(told.path, (folder.Path() / "default.tvu.game").string());
  EXPECT_EQ(told.setAsideAs, told.path + ".damaged");
  EXPECT_FALSE(told.reason.empty());
  EXPECT_FALSE(fs::exists("default.tvu.game"));
  EXPECT_EQ(ReadFile("default.tvu.game.damaged"), "Tarvell kept game 1\ntreasury 5\n");
  EXPECT_TRUE(frontEnd.asked.empty());
  EXPECT_EQ(session.World().mode, ModePlaying);
  EXPECT_EQ(session.World().turn, 0);
  EXPECT_EQ(session.UserRecord().losses, 0);

  // One that cannot even be moved is told once while the program runs.
  fs::create_directory("default.tvu.game");
  fs::remove("default.tvu.game.damaged");
  fs::create_directory("default.tvu.game.damaged");
  WriteFile("default.tvu.game.damaged/x", "");
  for (int i = 0; i < 2; ++i) session.OpenProfile("default.tvu");
  EXPECT_EQ(frontEnd.keptGameProblems.size(), 2u);
  EXPECT_TRUE(frontEnd.keptGameProblems.back().setAsideAs.empty());
}

TEST_F(KeptGameTest, ANewUserThatReplacesAProfileReplacesItsKeptGameToo) {
  WriteFile("carl.tvu", "1\t1\t");
  WriteFile("carl.tvu.game", "the old user's game");
  CSession session(frontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
  ProfileProblem problem;
  ASSERT_TRUE(session.UseProfile("default.tvu", problem));
  session.NewGame();
  frontEnd.newUserName = "carl";
  frontEnd.overwrite = true;
  bool changed = false;
  session.NewUser([&](bool ok) { changed = ok; });
  EXPECT_TRUE(changed);
  EXPECT_FALSE(fs::exists("carl.tvu.game"));
  EXPECT_TRUE(frontEnd.keptGameProblems.empty());
  EXPECT_EQ(frontEnd.asked, (std::vector<std::string>{"name", "overwrite"}));
}

class KeptGameFileTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    CWorld world;
    world.StartNewGame();  // the strategy of a world without opponent stays unset
    LoadStrategy(world, 42);
    world.strategyInPlay = 42;
    const auto land = EmptyLand(world, 3);
    world.PlaceUnit(Artillery, land[0].first, land[0].second);
    world.PlaceUnit(Jammer, land[1].first, land[1].second);
    world.turn = 2;
    world.treasury = 1234;
    world.lastPlayerGain = -56;
    game = KeepWorld(world, randomSeed.load());
    text = KeptGameText(game);
  }
  // The file with line `index` (from 0) replaced and signed anew.
  std::string WithLine(std::size_t index, const std::string& replacement) const {
    std::vector<std::string> lines = Lines(text);
    lines.pop_back();  // the checksum
    lines.at(index) = replacement;
    std::string body;
    for (const auto& line : lines) body += line + '\n';
    return WithChecksum(body);
  }
  bool Reads(const std::string& candidate) {
    KeptGame read;
    return ReadKeptGame(candidate, read, error);
  }

  KeptGame game;
  std::string text;
  std::string error;
};

TEST_F(KeptGameFileTest, WhatIsWrittenReadsBackAsWritten) {
  KeptGame read;
  ASSERT_TRUE(ReadKeptGame(text, read, error)) << error;
  EXPECT_EQ(KeptGameText(read), text);
  EXPECT_EQ(read.strategy, 42);
  EXPECT_EQ(read.lastPlayerGain, -56);
  EXPECT_EQ(Lines(text).size(), 1u + 8 + 4 * 25 + 1);
  EXPECT_EQ(Lines(text).front(), kKeptGameVersion);
  EXPECT_EQ(Lines(text)[8], "seed " + std::to_string(randomSeed.load()));
}

TEST_F(KeptGameFileTest, EveryTruncationAndEveryFlippedByteIsRefused) {
  for (std::size_t size = 0; size < text.size(); ++size) EXPECT_FALSE(Reads(text.substr(0, size))) << size;
  for (std::size_t at = 0; at < text.size(); ++at)
    for (const unsigned char flip : {0x01, 0x20, 0x80}) {
      std::string damaged = text;
      damaged[at] = static_cast<char>(damaged[at] ^ flip);
      EXPECT_FALSE(Reads(damaged)) << at;
    }
  EXPECT_FALSE(Reads(text + "\n"));
  EXPECT_FALSE(Reads(std::string(100000, '\n')));
}

TEST_F(KeptGameFileTest, MalformedLinesAreRefusedEvenWithAGoodChecksum) {
  ASSERT_TRUE(Reads(WithLine(1, "treasury 0")));  // the re-signing itself is sound
  const std::string row = Lines(text)[10];
  for (const auto& [index, line] : std::vector<std::pair<std::size_t, std::string>>{
           {0, "Tarvell kept game 2"},
           {1, "treasury 12x"},
           {1, "treasury  12"},
           {1, "treasury"},
           {1, "treasury 99999999999"},
           {2, "treasury 5"},
           {9, "terrain2"},
           {10, row.substr(0, row.size() - 2)},
           {10, row + "0,"},
           {10, row.substr(0, row.size() - 1)},
       })
    EXPECT_FALSE(Reads(WithLine(index, line))) << index << ": " << line;
  EXPECT_FALSE(Reads(WithChecksum("Tarvell kept game 1\n")));
  EXPECT_FALSE(Reads(WithChecksum(text.substr(0, text.rfind("checksum")) + "extra\n")));
}

TEST_F(KeptGameFileTest, ValuesOutOfRangeAreRefused) {
  int water = -1, land = -1;
  for (int i = 0; i < kBoardSquares; ++i) {
    const int code = game.terrain[i / kBoardSize][i % kBoardSize];
    if (code == TerrainWater && water < 0) water = i;
    if (code == TerrainLand2 && game.units[i / kBoardSize][i % kBoardSize] == Empty && land < 0) land = i;
  }
  ASSERT_GE(water, 0);
  ASSERT_GE(land, 0);
  const auto refused = [&](auto change) {
    KeptGame bad = game;
    change(bad);
    return !Reads(KeptGameText(bad));
  };
  EXPECT_FALSE(refused([](KeptGame&) {}));
  EXPECT_TRUE(refused([](KeptGame& g) { g.treasury = -1; }));
  EXPECT_TRUE(refused([](KeptGame& g) { g.chaosMoney = -1; }));
  EXPECT_TRUE(refused([](KeptGame& g) { g.turn = 0; }));
  EXPECT_TRUE(refused([](KeptGame& g) { g.phase = 51; }));
  EXPECT_TRUE(refused([](KeptGame& g) { g.strategy = 250; }));
  EXPECT_TRUE(refused([](KeptGame& g) { g.strategy = -1; }));
  EXPECT_TRUE(refused([](KeptGame& g) { g.seed = 3u << 20; }));  // a short period
  EXPECT_TRUE(refused([&](KeptGame& g) { g.units[water / kBoardSize][water % kBoardSize] = Drone; }));
  EXPECT_TRUE(refused([&](KeptGame& g) { g.units[land / kBoardSize][land % kBoardSize] = Water; }));
  EXPECT_TRUE(refused([&](KeptGame& g) { g.units[land / kBoardSize][land % kBoardSize] = 9; }));
  EXPECT_TRUE(refused([&](KeptGame& g) { g.terrain[land / kBoardSize][land % kBoardSize] = 6; }));
  EXPECT_TRUE(refused([&](KeptGame& g) { g.shown[land / kBoardSize][land % kBoardSize] = -1; }));
  EXPECT_TRUE(refused([&](KeptGame& g) { g.jammed[land / kBoardSize][land % kBoardSize] = 2; }));
}
