#pragma once
// The 250 fixed Chaos strategies and the user's standing against them.
//
// A strategy gives, for each barbarian kind, a behaviour table (4 states x 8
// perception codes of action codes) and a purchase weight. LoadStrategy copies
// one into a world; ChooseStrategy picks the one whose score lies nearest a
// target set by the lowest score and the user's win rate.

#include <array>
#include <atomic>
#include <cstdint>

#include "model/board.h"

class CWorld;

constexpr int kStrategyCount = 250;

struct KindPlan {
  std::uint8_t behaviour[32];  // row (state) x 8 + column (perception)
  std::int8_t purchaseWeight;  // the kind's share is (weight + 1) / (sum + 8)
};

struct StrategyRecord {
  KindPlan plans[kKindCount];  // in kind order
};

static_assert(sizeof(KindPlan) == 33 && sizeof(StrategyRecord) == 264);

// Built from opponent/strategy_table.txt at compile time.
extern const std::array<StrategyRecord, kStrategyCount> strategyTable;

// The scores of the user's profile, one per strategy. They are written by the
// simulation thread while the window thread may save them at a game's end, so
// each is an atomic word; relaxed accesses suffice because the simulation's
// running flag orders every other read after the last write.
extern std::atomic<std::int32_t> strategyScores[kStrategyCount];

// A copy of every score, read at once.
std::array<std::int32_t, kStrategyCount> CurrentScores();

// The user's record of games, kept in the profile with the scores. Only the
// game's own thread reads or writes it.
struct Record {
  std::int32_t wins = 0;
  std::int32_t losses = 0;
};

// The choice ChooseStrategy makes from the current scores and a record: the
// target the record sets, and the strategy whose score lies nearest it (the
// first of several as near). Read only while no simulation runs.
struct StrategyChoice {
  int index;
  std::int64_t target;
};
StrategyChoice ChooseFromScores(const Record& record);

// The index ChooseStrategy loads.
int ChosenStrategyIndex(const Record& record);

// Copies strategy `index` into the world: its behaviour tables and the
// cumulative purchase thresholds. An index outside 0..249 changes nothing.
void LoadStrategy(CWorld& world, int index);

// Loads the strategy ChosenStrategyIndex names and notes it as the one in
// play.
void ChooseStrategy(CWorld& world, const Record& record);
