#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "model/maps.h"
#include "model/random.h"
#include "model/terrain_rules.h"
#include "model/world.h"
#include "opponent/game_log.h"
#include "opponent/strategy.h"
#include "tests/test_support.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class TerrainTest : public CoreTest {
 protected:
  std::map<int, int> CodeCounts() const {
    std::map<int, int> counts;
    for (const auto& column : world.terrain)
      for (std::int8_t code : column) ++counts[code];
    return counts;
  }
  std::vector<int> Line(int x) const { return std::vector<int>(world.terrain[x], world.terrain[x] + 24); }

  CWorld world;
};

TEST_F(TerrainTest, BuiltInMapsAreFourUniformQuarters) {
  const int quarters[10][4] = {{2, 2, 3, 3}, {3, 3, 2, 2}, {3, 2, 2, 2}, {2, 3, 2, 2}, {2, 2, 3, 2},
                               {2, 2, 2, 3}, {2, 2, 2, 2}, {3, 3, 3, 3}, {1, 1, 2, 2}, {2, 2, 1, 1}};
  for (int m = 0; m < 10; ++m)
    for (int x = 0; x < 24; ++x)
      for (int y = 0; y < 24; ++y)
        ASSERT_EQ(builtInMaps[m][x * 24 + y], quarters[m][(x / 12) * 2 + y / 12]) << m + 1 << ": " << x << "," << y;
}

TEST_F(TerrainTest, Seed12345OnMap1GivesTheKnownLandscape) {
  randomSeed = 12345;
  world.Terraform(builtInMaps[0].data());
  EXPECT_EQ(CodeCounts(), (std::map<int, int>{{0, 21}, {1, 16}, {2, 39}, {3, 342}, {4, 121}, {5, 27}, {8, 2}, {9, 8}}));
  EXPECT_EQ(Line(0), (std::vector<int>{2, 2, 3, 3, 3, 4, 5, 5, 5, 4, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 1, 1, 1, 2}));
  EXPECT_EQ(Line(23), (std::vector<int>{3, 3, 3, 3, 3, 4, 5, 5, 5, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 3}));
  EXPECT_EQ(randomSeed.load(), 10319851u);
}

TEST_F(TerrainTest, Seed1OnMap7GivesTheKnownLandscape) {
  randomSeed = 1;
  world.Terraform(builtInMaps[6].data());
  EXPECT_EQ(CodeCounts(), (std::map<int, int>{{0, 91}, {1, 64}, {2, 322}, {3, 58}, {4, 37}, {8, 1}, {9, 3}}));
  EXPECT_EQ(Line(0), (std::vector<int>{0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0}));
}

TEST_F(TerrainTest, TerraformedBoardMatchesItsCodesSquareBySquare) {
  randomSeed = 12345;
  world.Terraform(builtInMaps[0].data());
  int sites = 0;
  for (int x = 0; x < 24; ++x)
    for (int y = 0; y < 24; ++y) {
      const Cell& cell = world.At(x, y);
      const int code = world.terrain[x][y];
      EXPECT_EQ(cell.unitType, code == 0 ? Water : code == 5 ? Impassable : Empty);
      EXPECT_EQ((cell.siteBits & kSiteHere) != 0, code == 8 || code == 9);
      sites += (cell.siteBits & kSiteHere) != 0;
      // No water touches land of code 2 or more, diagonals aside.
      if (code != 0) continue;
      for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
        EXPECT_LE(world.terrain[Wrap(x + dx)][Wrap(y + dy)], 1);
    }
  EXPECT_EQ(sites, 10);
}

TEST_F(TerrainTest, StampsWrapAroundTheBoard) {
  TerrainGrid grid;
  std::memset(grid, 3, sizeof grid);
  ApplyLowerStamp(grid, 0, 0);
  EXPECT_EQ(grid[1][1], 0);    // the deepest square, 3 lower
  EXPECT_EQ(grid[22][22], 3);  // a corner of the 7 x 7 is not part of the stamp
  EXPECT_EQ(grid[22][23], 2);
  EXPECT_EQ(grid[4][4], 3);
  EXPECT_EQ(grid[5][1], 3);
  int changed = 0;
  for (auto& column : grid)
    for (std::int8_t code : column) changed += code != 3;
  EXPECT_EQ(changed, 45);

  std::memset(grid, 0, sizeof grid);
  ApplyRaiseStamp(grid, 23, 23);
  EXPECT_EQ(grid[23][23], 5);
  EXPECT_EQ(grid[0][23], 4);
  EXPECT_EQ(grid[23][0], 4);
  EXPECT_EQ(grid[1][23], 3);
  EXPECT_EQ(grid[23][1], 3);
  EXPECT_EQ(grid[1][1], 0);
  ApplyRaiseStamp(grid, 23, 23);
  EXPECT_EQ(grid[23][23], 5);  // clamped
  EXPECT_EQ(grid[0][0], 5);
}

TEST_F(TerrainTest, LevelRulesRoundHalvesTheirOwnWay) {
  EXPECT_EQ(LevelRoundUp(18), 5);
  EXPECT_EQ(LevelRoundDown(18), 4);
  EXPECT_EQ(LevelRoundUp(2), 0);
  EXPECT_EQ(LevelRoundDown(2), 0);
  EXPECT_EQ(LevelRoundUp(14), 4);
  EXPECT_EQ(LevelRoundDown(14), 3);
  EXPECT_EQ(LevelRoundUp(3), 1);
  EXPECT_EQ(LevelRoundDown(3), 1);
  EXPECT_EQ(LevelRoundUp(20), 5);
  EXPECT_EQ(LevelRoundDown(20), 5);
  TerrainGrid grid = {};
  grid[23][0] = 1;
  grid[0][1] = 2;
  grid[1][0] = 3;
  grid[0][23] = 4;
  grid[0][0] = 9;
  EXPECT_EQ(NeighbourSum(grid, 0, 0), 10);
}

TEST_F(TerrainTest, ApplyTerrainGivesEachCodeItsSquareValues) {
  TerrainGrid codes = {};
  const int table[][5] = {// code, unitType, defenceBonus, incomeBonus, site
                          {0, Water, 0, 0, 0},  {1, Empty, 0, 2, 0},      {2, Empty, 0, 1, 0}, {3, Empty, 1, 0, 0},
                          {4, Empty, 2, -1, 0}, {5, Impassable, 0, 0, 0}, {8, Empty, 0, 3, 1}, {9, Empty, 1, 2, 1}};
  for (int i = 0; i < 8; ++i) codes[i * 3][i * 3] = static_cast<std::int8_t>(table[i][0]);
  world.At(5, 5).jammed = 1;
  world.At(5, 5).scoutFarDir[2] = 4;
  world.At(10, 2).siteBits = 0xff;
  world.ApplyTerrain(codes);
  for (int i = 0; i < 8; ++i) {
    const Cell& cell = world.At(i * 3, i * 3);
    EXPECT_EQ(cell.unitType, table[i][1]) << "code " << table[i][0];
    EXPECT_EQ(cell.defenceBonus, table[i][2]) << "code " << table[i][0];
    EXPECT_EQ(cell.incomeBonus, table[i][3]) << "code " << table[i][0];
    EXPECT_EQ((cell.siteBits & kSiteHere) != 0, table[i][4] == 1) << "code " << table[i][0];
  }
  EXPECT_EQ(world.At(5, 5).jammed, 0);
  EXPECT_EQ(world.At(5, 5).scoutFarDir[2], 0);
  EXPECT_EQ(world.At(10, 2).siteBits, 0);             // old marks never survive
  EXPECT_EQ(world.At(23, 23).siteBits, 0x01 | 0x08);  // the site at (21, 21) lies up and left
}

TEST_F(TerrainTest, UnknownTerrainCodeIsReportedAndNeutral) {
  TerrainGrid codes;
  std::memset(codes, 2, sizeof codes);
  codes[3][4] = 7;
  codes[3][5] = -1;
  CaptureStdout();
  world.ApplyTerrain(codes);
  EXPECT_EQ(GetCapturedStdout(), "Error: Bad Terrain Type...\nError: Bad Terrain Type...\n");
  EXPECT_EQ(world.At(3, 4).unitType, Empty);
  EXPECT_EQ(world.At(3, 4).incomeBonus, 0);
}

TEST_F(TerrainTest, NewGameResetsTheGameAndDrawsInTheGivenOrder) {
  ScratchFolder folder;
  TestFrontEnd frontEnd;
  CSession session(frontEnd, nullptr);
  world.opponent = &session;  // it chooses the strategy and logs, as for its own world
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 100;
  strategyScores[42] = 7;
  world.gameSpeed = 4;
  world.shownUnits[3][3] = Drone;
  world.turn = 9;
  randomSeed = 777;
  world.StartNewGame();
  EXPECT_EQ(world.mode, ModePlaying);
  EXPECT_EQ(world.treasury, 2000);
  EXPECT_EQ(world.chaosMoney, 2000);
  EXPECT_EQ(world.turn, 0);
  EXPECT_EQ(world.phase, 0);
  EXPECT_EQ(world.lastPlayerGain, 0);
  EXPECT_EQ(world.lastChaosGain, 0);
  EXPECT_EQ(world.gameSpeed, 4);
  EXPECT_EQ(world.shownUnits[3][3], 0);
  CWorld expected;
  LoadStrategy(expected, 42);
  EXPECT_EQ(std::memcmp(world.purchaseThresholds, expected.purchaseThresholds, sizeof expected.purchaseThresholds), 0);

  // The first draw picks the map; Terraform draws the rest.
  randomSeed = 777;
  const int map = RandomDraw(10, 1);
  expected.Terraform(builtInMaps[map - 1].data());
  const std::uint32_t seedAfter = randomSeed;
  EXPECT_EQ(std::memcmp(world.terrain, expected.terrain, sizeof world.terrain), 0);
  EXPECT_EQ(std::memcmp(world.cells, expected.cells, sizeof world.cells), 0);
  randomSeed = 777;
  world.StartNewGame();
  EXPECT_EQ(randomSeed.load(), seedAfter);
}

TEST_F(TerrainTest, EveryNewGameAppendsItsTerrainToTheLog) {
  ScratchFolder folder;
  TestFrontEnd frontEnd;
  CSession session(frontEnd, nullptr);
  world.opponent = &session;  // it chooses the strategy and logs, as for its own world
  randomSeed = 5;
  world.StartNewGame();
  world.StartNewGame();
  const std::string log = ReadFile(kGameLogName);
  const std::string block = "New Terrain:\n\n";
  ASSERT_EQ(log.find(block), 0u);
  const std::size_t second = log.find(block, 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(second, log.size() / 2);
  // Header, empty line, 24 data lines, empty line.
  const std::string first = log.substr(0, second);
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 27);
  EXPECT_EQ(std::count(first.begin(), first.end(), ','), 576);
  EXPECT_EQ(first.substr(first.size() - 3), ",\n\n");
}

TEST_F(TerrainTest, PositionBlockShowsUnitsWithTheirSigns) {
  ScratchFolder folder;
  ClearBoard(world);
  world.turn = 0;
  world.At(0, 0).unitType = Water;
  world.At(0, 1).unitType = Impassable;
  world.At(0, 2).unitType = Drone;
  LogPlayerPositions(kGameLogName, world);
  world.turn = 3;
  LogPlayerPositions(kGameLogName, world);
  const std::string log = ReadFile(kGameLogName);
  const std::string zeros = [] {
    std::string s;
    for (int i = 0; i < 24; ++i) s += "0,";
    return s + "\n";
  }();
  std::string block0 = "Human Position at Turn 0:\n\n-1,-2,1,";
  for (int i = 3; i < 24; ++i) block0 += "0,";
  block0 += "\n";
  for (int x = 1; x < 24; ++x) block0 += zeros;
  block0 += "\n";
  EXPECT_EQ(log.substr(0, block0.size()), block0);
  EXPECT_EQ(log.substr(block0.size(), 27), "Human Position at Turn 3:\n\n");
  EXPECT_EQ(log.size(), 2 * block0.size());
}
