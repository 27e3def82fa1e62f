#include "opponent/simulation.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/turn.h"
#include "model/messages.h"
#include "opponent/strategy.h"

std::atomic<std::uint8_t> simulationRunning{0};
TerrainGrid recordedTerrain;
std::int8_t recordedUnits[kBoardSize][kBoardSize];

void RecordBoard(const CWorld& world) {
  std::memcpy(recordedTerrain, world.terrain, sizeof recordedTerrain);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) recordedUnits[x][y] = static_cast<std::int8_t>(world.cells[x][y].unitType);
}

void RunSimulation() {
  {
    CWorld world;
    RunReplays(world);
  }
  simulationRunning.store(0, std::memory_order_release);
  simulationRunning.notify_all();
}

std::int32_t UpdatedScore(std::int32_t old, std::int32_t playerGain, std::int32_t chaosGain) {
  // Summed in 64 bits so that extreme scores read from a profile cannot
  // overflow; the result is kept within 32 bits.
  const std::int64_t sum = static_cast<std::int64_t>(old) + playerGain - chaosGain;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum / 2, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

namespace {

// What a replay's start put on the board, and the bad codes it met.
struct ReplayUnits {
  struct Placed {
    std::int8_t x, y, type;
  };
  Placed placed[kBoardSquares];
  int count = 0;
  int badTerrain = 0;
  int badUnits = 0;
};

// SetUpReplay's work, in one walk of the recorded board. With `units`, it
// also lists the units it placed (x-major) and counts the bad codes.
void BuildReplay(CWorld& world, ReplayUnits* units) {
  world.StartCounters(0, 0);
  world.mode = ModeSimulation;
  world.ApplyTerrain(recordedTerrain);
  std::int32_t value = 0;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int code = recordedUnits[x][y];
      if (units) units->badTerrain += !IsTerrainCode(recordedTerrain[x][y]);
      if (!IsValidUnitCode(code)) {
        PrintMessage(kBadHumanType);
        if (units) ++units->badUnits;
      } else if (IsPlayerUnit(code)) {
        value += kUnitPrice[code];
        if (world.PlaceUnit(code, x, y) && units)
          units->placed[units->count++] = {static_cast<std::int8_t>(x), static_cast<std::int8_t>(y),
                                           static_cast<std::int8_t>(code)};
      }
    }
  world.chaosMoney = value;
}

// Every replay starts from the same position, built once by BuildReplay.
// A turn changes the board only by taking player units off it (with their
// Jammer zones and Artillery cover) and by the Scouts' marks, which it lifts
// again at its end; so putting back the units it took off, found among the
// ones placed at the start, restores the start. The messages SetUpReplay
// prints for impossible recorded codes are printed again for every replay.
class CReplayStart {
 public:
  explicit CReplayStart(CWorld& world) {
    BuildReplay(world, &units_);
    chaosMoney_ = world.chaosMoney;
  }

  void Restore(CWorld& world) const {
    world.StartCounters(0, 0);
    world.mode = ModeSimulation;
    for (int i = 0; i < units_.badTerrain; ++i) PrintMessage(kBadTerrainType);
    for (int i = 0; i < units_.count; ++i) {
      const ReplayUnits::Placed& unit = units_.placed[i];
      if (world.At(unit.x, unit.y).unitType != unit.type) world.PlaceUnit(unit.type, unit.x, unit.y);
    }
    for (int i = 0; i < units_.badUnits; ++i) PrintMessage(kBadHumanType);
    world.chaosMoney = chaosMoney_;
  }

 private:
  ReplayUnits units_;
  std::int32_t chaosMoney_;
};

}  // namespace

long long RunReplays(CWorld& world) {
  long long actions = 0;
  const CReplayStart start(world);
  for (int i = 0; i < kStrategyCount; ++i) {
    if (i > 0) start.Restore(world);
    LoadStrategy(world, i);
    actions += PlayTurn(world);
    const std::int32_t old = strategyScores[i].load(std::memory_order_relaxed);
    strategyScores[i].store(UpdatedScore(old, world.lastPlayerGain, world.lastChaosGain), std::memory_order_relaxed);
  }
  return actions;
}

void SetUpReplay(CWorld& world) { BuildReplay(world, nullptr); }
