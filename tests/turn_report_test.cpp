// The turn report against the turn's own money and against tarvell-cli's
// trace of the same turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "engine/turn.h"
#include "engine/turn_report.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/strategy.h"
#include "tests/test_support.h"
#include "units/unit.h"

namespace {

// An owner that passes the destruction reports on to the reporter, as the
// window's does.
class ReportingOwner : public RecordingOwner {
 public:
  explicit ReportingOwner(CTurnReporter& reporter) : reporter_(reporter) { hasView = false; }
  void ReportDestruction(int, int phase, int what, int x, int y, const char*) override {
    reporter_.Destruction(phase, what, x, y);
  }

 private:
  CTurnReporter& reporter_;
};

// Land of every height, water and impassable ground, and a player's unit on
// every square that can hold one: a full board, so that one is sold before
// Chaos buys.
int TerrainAt(int x, int y) { return (x * 7 + y * 3) % 6; }
int UnitAt(int x, int y) {
  const int terrain = TerrainAt(x, y);
  // No Artillery and Armor: some barbarians live to go home with loot.
  constexpr int kTypes[] = {Drone, Farmer, Settler, Infantry, Mine, Jammer};
  return terrain == TerrainWater || terrain == TerrainImpassable ? 0 : kTypes[(x * 5 + y) % 6];
}

constexpr std::uint32_t kSeed = 12345;
constexpr int kChaosMoney = 20000;
constexpr int kTreasury = 300;
constexpr int kStrategy = 7;

std::string ScenarioText() {
  std::ostringstream text;
  text << "seed " << kSeed << "\ntreasury " << kTreasury << "\nchaos " << kChaosMoney << "\nturn 2\nstrategy "
       << kStrategy << "\nterrain\n";
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) text << TerrainAt(x, y) << ",";
    text << "\n";
  }
  text << "units\n";
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) text << UnitAt(x, y) << ",";
    text << "\n";
  }
  return text.str();
}

// The scenario's world as tarvell-cli sets it up, but playing.
void SetUpScenario(CWorld& world) {
  TerrainGrid terrain;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) terrain[x][y] = static_cast<std::int8_t>(TerrainAt(x, y));
  std::memcpy(world.terrain, terrain, sizeof terrain);
  world.ApplyTerrain(terrain);
  world.mode = ModePlaying;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (UnitAt(x, y) != 0) world.PlaceUnit(UnitAt(x, y), x, y);
  world.StartCounters(kTreasury, kChaosMoney, 2);
  world.gameSpeed = 0;
  LoadStrategy(world, kStrategy);
  randomSeed = kSeed;
}

}  // namespace

class TurnReportTest : public CoreTest {
 protected:
  ScratchFolder folder;
};

TEST_F(TurnReportTest, AgreesWithTheTurnsMoneyAndWithItsTrace) {
  CWorld world;
  CTurnReporter reporter;
  ReportingOwner owner(reporter);
  world.owner = &owner;
  SetUpScenario(world);
  const std::int32_t treasuryBefore = world.treasury, chaosBefore = world.chaosMoney;
  reporter.Begin(world);
  PlayTurn(world, &reporter);
  const TurnReport& report = reporter.Report();

  // The turn's money: the treasury gains the income and the sale's refund,
  // nothing else; Chaos gains its gain and its income.
  EXPECT_EQ(report.turn, 2);
  ASSERT_NE(report.soldType, 0);
  EXPECT_GT(report.income, 0);
  EXPECT_EQ(world.treasury - treasuryBefore, report.income + report.saleRefund);
  EXPECT_EQ(report.chaosGain, world.lastChaosGain);
  EXPECT_EQ(world.chaosMoney - chaosBefore, report.chaosGain + ChaosIncome(world.turn));

  // Every barbarian that died reported itself; every player's unit reported
  // is one of the losses of its phase.
  int barbarianReports = 0, destroyed = 0;
  for (const int count : report.destroyed) destroyed += count;
  for (const TurnDestruction& destruction : report.destructions) {
    if (!IsPlayerUnit(destruction.what)) {
      ++barbarianReports;
      continue;
    }
    const TurnLoss reported{destruction.phase, destruction.what, destruction.x, destruction.y};
    EXPECT_NE(std::find(report.losses.begin(), report.losses.end(), reported), report.losses.end())
        << "a report of a unit not lost at (" << destruction.x << "," << destruction.y << ")";
  }
  EXPECT_GT(destroyed, 0);
  EXPECT_GT(report.homeLoot, 0);
  EXPECT_EQ(barbarianReports, destroyed);

  // The same turn traced by tarvell-cli, which plays it without display.
  WriteFile("s.txt", ScenarioText());
  const CliRun run = RunCli("turn --scenario s.txt --trace");
  ASSERT_EQ(run.status, 0) << run.err;
  int phase = -2;
  std::array<int, kKindCount> bought{}, home{};
  long long homeLoot = 0;
  std::vector<TurnLoss> gone;
  int sold = 0;
  for (const std::string& line : Lines(run.out)) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    if (word == "phase") {
      in >> phase;
    } else if (word == "gone") {
      TurnLoss loss{phase, 0, 0, 0};
      in >> loss.x >> loss.y >> loss.type;
      if (phase < 0)
        sold = loss.type;
      else
        gone.push_back(loss);
    } else if (word == "unit") {
      int index, kindCode, x, y, facing, state, loot;
      in >> index >> kindCode >> x >> y >> facing >> state >> loot;
      if (phase == -1) ++bought[KindIndexOf(kindCode)];
      if (phase == kPhases - 1) {
        ++home[KindIndexOf(kindCode)];
        homeLoot += loot;
      }
    } else if (word == "treasury") {
      EXPECT_EQ(line, "treasury " + std::to_string(world.treasury)) << "not the same turn";
    } else if (word == "chaos") {
      EXPECT_EQ(line, "chaos " + std::to_string(world.chaosMoney)) << "not the same turn";
    }
  }
  EXPECT_EQ(report.soldType, sold);
  EXPECT_EQ(report.bought, bought);
  EXPECT_EQ(report.home, home);
  EXPECT_EQ(report.homeLoot, homeLoot);
  EXPECT_EQ(report.losses.size(), gone.size());
  EXPECT_TRUE(report.losses == gone);
}
