#include "opponent/adaptive_opponent.h"

#include "model/saturating.h"
#include "model/world.h"
#include "opponent/game_log.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"

void CAdaptiveOpponent::ChooseStrategy(CWorld& world) { ::ChooseStrategy(world); }

void CAdaptiveOpponent::LogTerrain(const CWorld& world) { ::LogTerrain(world); }

void CAdaptiveOpponent::TurnStarts(CWorld& world) {
  LogPlayerPositions(world);
  if (world.mode != ModePlaying || simulationRunning.load(std::memory_order_acquire)) return;
  SaveProfile();
  ::ChooseStrategy(world);
  RecordBoard(world);
  StartSimulation();
}

void CAdaptiveOpponent::GameEnded(bool won) {
  SaturatingAdd(won ? wins : losses, 1);
  SaveProfile();
}

void UseAdaptiveOpponent() {
  static CAdaptiveOpponent opponent;
  opponentHooks = &opponent;
}
