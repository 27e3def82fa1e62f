#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <system_error>

#include "engine/turn.h"
#include "model/maps.h"
#include "model/messages.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "tests/test_support.h"

// Counts the heap allocations made while armed, to prove that a replay
// allocates nothing.
namespace {
std::atomic<bool> countingAllocations{false};
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  if (countingAllocations.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
// The replacement new takes its memory from malloc, so free gives it back;
// the compiler cannot see that pairing.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

class SimulationTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    std::memset(recordedTerrain, 2, sizeof recordedTerrain);
    std::memset(recordedUnits, 0, sizeof recordedUnits);
  }
};

TEST_F(SimulationTest, ScoresAreRunningAveragesTruncatedTowardZero) {
  EXPECT_EQ(UpdatedScore(0, 100, -40), 70);
  EXPECT_EQ(UpdatedScore(-3, 0, 0), -1);
  EXPECT_EQ(UpdatedScore(3, 0, 0), 1);
  EXPECT_EQ(UpdatedScore(-10, -20, 0), -15);
  EXPECT_EQ(UpdatedScore(2147483647, 2147483647, -2147483647 - 1), 2147483647);  // kept within 32 bits
}

TEST_F(SimulationTest, AReplayStartsWithChaosHoldingWhatTheUnitsAreWorth) {
  recordedUnits[3][4] = Drone;
  recordedUnits[10][10] = Artillery;
  CWorld world;
  world.treasury = 555;
  world.turn = 7;
  SetUpReplay(world);
  EXPECT_EQ(world.mode, ModeSimulation);
  EXPECT_EQ(world.chaosMoney, 420);
  EXPECT_EQ(world.treasury, 0);
  EXPECT_EQ(world.turn, 0);
  EXPECT_EQ(world.At(3, 4).unitType, Drone);
  EXPECT_EQ(world.At(11, 11).artilleryCore, 1);

  std::memset(recordedUnits, 0, sizeof recordedUnits);
  SetUpReplay(world);
  EXPECT_EQ(world.chaosMoney, 0);
  EXPECT_EQ(world.At(3, 4).unitType, Empty);
}

TEST_F(SimulationTest, AReplayRebuildsTheLiveBoardSquareForSquare) {
  CWorld live;
  randomSeed = 2024;
  live.Terraform(builtInMaps[0].data());
  int placed = 0;
  for (int x = 0; x < 24; x += 3)
    for (int y = 0; y < 24; y += 2) placed += live.PlaceUnit((x + y) % 8 + 1, x, y);
  ASSERT_GT(placed, 10);
  RecordBoard(live);
  CWorld replay;
  SetUpReplay(replay);
  EXPECT_EQ(std::memcmp(replay.cells, live.cells, sizeof live.cells), 0);
}

TEST_F(SimulationTest, AUnitOnTheWrongGroundStillCountsItsPrice) {
  recordedTerrain[1][1] = 0;  // water
  recordedUnits[1][1] = Infantry;
  recordedUnits[2][2] = 9;
  CWorld world;
  testing::internal::CaptureStdout();
  SetUpReplay(world);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error: Bad Human Type...\n");
  EXPECT_EQ(world.chaosMoney, 100);
  EXPECT_EQ(world.At(1, 1).unitType, Water);
}

TEST_F(SimulationTest, EveryReplayPrintsTheMessagesOfItsStart) {
  recordedTerrain[0][5] = 7;
  recordedTerrain[9][9] = -1;
  recordedUnits[3][3] = 9;
  recordedUnits[2][8] = Farmer;
  recordedUnits[6][6] = Farmer;
  CWorld world;
  testing::internal::CaptureStdout();
  SetUpReplay(world);
  const std::string start = testing::internal::GetCapturedStdout();
  ASSERT_EQ(start, std::string(kBadTerrainType) + kBadTerrainType + kBadHumanType);
  randomSeed = 11;
  testing::internal::CaptureStdout();
  RunReplays(world);
  std::string everyReplay;
  for (int i = 0; i < kStrategyCount; ++i) everyReplay += start;
  EXPECT_EQ(testing::internal::GetCapturedStdout(), everyReplay);
}

TEST_F(SimulationTest, EveryStrategyIsScoredOnceFromTheWholeStartPosition) {
  // A crowded board of every unit type on varied ground: replays lose Mines,
  // Jammers and Artillery, and every replay must still start from the whole
  // recorded position.
  CWorld land;
  land.Terraform(builtInMaps[6].data());
  std::memcpy(recordedTerrain, land.terrain, sizeof recordedTerrain);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int type = land.At(x, y).unitType;
      recordedUnits[x][y] = static_cast<std::int8_t>(type == Empty && (x + 2 * y) % 3 == 0 ? 1 + (x + y) % 8 : type);
    }
  for (auto& score : strategyScores) score = 1000;
  randomSeed = 7;
  CWorld world;
  RunReplays(world);
  const std::uint32_t seedAfter = randomSeed;
  // Strategy i's replay: set up, load i, play; the score folds in its gains.
  randomSeed = 7;
  int lostUnits = 0;
  for (int i = 0; i < kStrategyCount; ++i) {
    CWorld check;
    SetUpReplay(check);
    LoadStrategy(check, i);
    bool hasRoom, hasUnit;
    const std::int64_t before = check.UnitsValue(hasRoom, hasUnit);
    PlayTurn(check);
    lostUnits += check.UnitsValue(hasRoom, hasUnit) < before;
    EXPECT_EQ(strategyScores[i].load(), UpdatedScore(1000, check.lastPlayerGain, check.lastChaosGain)) << i;
  }
  EXPECT_EQ(randomSeed, seedAfter);
  EXPECT_GT(lostUnits, 100);  // the replays did take units off the board
}

TEST_F(SimulationTest, AReplayAllocatesNothing) {
  recordedUnits[5][5] = Armor;
  for (int x = 0; x < 24; x += 2) recordedUnits[x][9] = Artillery;
  CWorld world;
  randomSeed = 3;
  RunReplays(world);  // the first replays may give the turn's unit pool its memory
  allocations = 0;
  countingAllocations = true;
  for (int i = 0; i < 20; ++i) {
    SetUpReplay(world);
    LoadStrategy(world, i);
    PlayTurn(world);
  }
  countingAllocations = false;
  EXPECT_EQ(allocations.load(), 0);
}
