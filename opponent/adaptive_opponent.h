#pragma once
// The adaptive opponent behind the hooks of a live game: strategy choice,
// game log, profile saves and the background simulation.

#include "model/opponent_hooks.h"

class CAdaptiveOpponent final : public COpponentHooks {
 public:
  void ChooseStrategy(CWorld& world) override;
  void LogTerrain(const CWorld& world) override;
  void TurnStarts(CWorld& world) override;
  void GameEnded(bool won) override;
};

// Installs the adaptive opponent as the game's hooks. Every program that
// plays live games calls it once at start-up.
void UseAdaptiveOpponent();
