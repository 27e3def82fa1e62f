#include "opponent/simulation.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <system_error>
#include <thread>

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

void StartDetachedThread(unsigned (*procedure)()) { std::thread(procedure).detach(); }

ThreadStarter simulationStarter = StartDetachedThread;

bool StartSimulation(ThreadStarter start) {
  simulationRunning.store(1, std::memory_order_release);
  try {
    start(RunSimulation);
  } catch (const std::system_error&) {
    simulationRunning.store(0, std::memory_order_release);
    return false;
  }
  return true;
}

unsigned RunSimulation() {
  {
    CWorld world;
    RunReplays(world);
  }
  simulationRunning.store(0, std::memory_order_release);
  return 0;
}

std::int32_t UpdatedScore(std::int32_t old, std::int32_t playerGain, std::int32_t chaosGain) {
  // Summed in 64 bits so that extreme scores read from a profile cannot
  // overflow; the result is kept within 32 bits.
  const std::int64_t sum = static_cast<std::int64_t>(old) + playerGain - chaosGain;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum / 2, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

long long RunReplays(CWorld& world) {
  long long actions = 0;
  for (int i = 0; i < kStrategyCount; ++i) {
    world.SetUpReplay();
    world.LoadStrategy(i);
    actions += world.PlayTurn();
    const std::int32_t old = strategyScores[i].load(std::memory_order_relaxed);
    strategyScores[i].store(UpdatedScore(old, world.lastPlayerGain, world.lastChaosGain), std::memory_order_relaxed);
  }
  return actions;
}

void CWorld::SetUpReplay() {
  treasury = 0;
  chaosMoney = 0;
  turn = 0;
  phase = 0;
  lastPlayerGain = 0;
  lastChaosGain = 0;
  mode = ModeSimulation;
  ApplyTerrain(recordedTerrain);
  std::int32_t value = 0;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int code = recordedUnits[x][y];
      if (!IsValidUnitCode(code)) {
        PrintMessage(kBadHumanType);
      } else if (IsPlayerUnit(code)) {
        value += kUnitPrice[code];
        PlaceUnit(code, x, y);
      }
    }
  chaosMoney = value;
}

void WaitForSimulation(int pollMilliseconds) {
  while (simulationRunning.load(std::memory_order_acquire))
    std::this_thread::sleep_for(std::chrono::milliseconds(pollMilliseconds));
}
