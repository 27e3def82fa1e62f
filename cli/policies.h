#pragma once
// The built-in players of `tarvell-cli play`: each buys, sells and places
// units between turns, as a player does with the mouse, and then ends the
// setup. A policy sees only what a player sees (the board's terrain and
// units, the treasury and the turn) and draws its random numbers from a
// generator of its own, never from the game's, so that it does not shift
// the game's draws.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CSession;

// The player's side of the board between two turns.
class CPlayerDesk {
 public:
  explicit CPlayerDesk(CSession& session) : session_(session) {}

  int Terrain(int x, int y) const;  // terrain code 0..5, 8 or 9
  int Unit(int x, int y) const;     // unitType: -2, -1, 0 (empty land) or 1..8
  int Treasury() const;
  int Turn() const;  // completed turns of the game

  // A left click (buy the type there) and a right click (sell), as the
  // session takes them from the window.
  bool Buy(int type, int x, int y);
  bool Sell(int x, int y);

 private:
  CSession& session_;
};

// A policy's own dice: SplitMix64, the same numbers on every platform.
class CPolicyRandom {
 public:
  explicit CPolicyRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  int Below(int n);  // 0..n-1, n > 0
 private:
  std::uint64_t state_;
};

class CPolicy {
 public:
  virtual ~CPolicy() = default;
  // Called once a game, after the new game has started.
  virtual void NewGame(CPlayerDesk&) {}
  // Buys, sells and places before each turn.
  virtual void Setup(CPlayerDesk& desk) = 0;
};

// The names `--policy` accepts, in the order --help lists them.
const std::vector<std::string>& PolicyNames();

// The named policy with its generator seeded from seed; null for an
// unknown name.
std::unique_ptr<CPolicy> MakePolicy(const std::string& name, std::uint64_t seed);
