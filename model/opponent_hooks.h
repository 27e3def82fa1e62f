#pragma once
// The points at which a live game hands over to the adaptive opponent.
//
// The opponent (opponent/: strategy choice, profile, game log, background
// simulation) is built on the model and the turn, so neither may call it
// directly. Instead they call these hooks, which the opponent implements and
// a program installs once at start-up (UseAdaptiveOpponent in
// opponent/adaptive_opponent.h). Only a playing world calls them. Without
// hooks installed a game is played against a fixed strategy: nothing is
// chosen, logged, saved or learned.

class CWorld;

class COpponentHooks {
 public:
  virtual ~COpponentHooks() = default;
  // StartNewGame, before the map is drawn: load the strategy for the game.
  virtual void ChooseStrategy(CWorld& world) = 0;
  // StartNewGame, last: log the new terrain.
  virtual void LogTerrain(const CWorld& world) = 0;
  // First thing of a playing turn: log the player's positions and, when no
  // simulation runs, save the profile, choose the strategy anew, record the
  // board and start the simulation on it.
  virtual void TurnStarts(CWorld& world) = 0;
  // The turn's end test found a win or a loss: count it and save the profile.
  virtual void GameEnded(bool won) = 0;
};

// The installed hooks, or null.
extern COpponentHooks* opponentHooks;
