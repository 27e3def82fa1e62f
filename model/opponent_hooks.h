#pragma once
// The points at which a live game hands over to the adaptive opponent.
//
// The opponent (opponent/: strategy choice, profile, game log, background
// simulation) is built on the model and the turn, so neither may call it
// directly. Instead they call the hooks of the world's `opponent`, which the
// game's session (session/session.h) implements and sets on the world it
// holds. Only a playing world calls them.

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
