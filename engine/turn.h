#pragma once
// One whole turn of a game: Chaos buys barbarians, they act for fifty
// phases, the survivors are repaid, the player's units earn income, the game
// may end, and Chaos receives its income for the next turn. The turn is
// CWorld::PlayTurn; this header adds what watches it.

class CUnit;
class CWorld;

// Sees the turn at 51 points: after Chaos's purchases (phase -1) and after
// each of the 50 phases, with the list head of the turn's units.
class CTurnObserver {
 public:
  virtual ~CTurnObserver() = default;
  virtual void AtPoint(const CWorld& world, int phase, const CUnit& head) = 0;
};

// Searches for a square (the full board's sale, every spawn) give up after
// this many drawn squares without one that fits. A generator seeded by the
// program never comes near it; a degenerate seed given explicitly would
// otherwise search for ever.
constexpr int kMaxSquareDraws = 1'000'000;
