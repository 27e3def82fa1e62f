#pragma once
// The 250 fixed Chaos strategies and the user's standing against them.
//
// A strategy gives, for each barbarian kind, a behaviour table (4 states x 8
// perception codes of action codes) and a purchase weight. LoadStrategy copies
// one into a world; ChooseStrategy picks the one whose score lies nearest a
// target set by the lowest score and the user's win rate.
//
// Chaos plays in one of two modes, a setting of the program. Classic is the
// game as it always was. Adaptive holds every kind of player nearer an even
// match: Chaos's purse grows or shrinks with the player's record
// (ChaosPurseFactor), and a player who loses most games meets strategies
// that did the player good. Replays are the same in both modes.

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

enum class ChaosMode {
  Classic,
  Adaptive,
};

// The choice ChooseStrategy makes from the current scores and a record: the
// target the record sets, and the strategy whose score lies nearest it (the
// first of several as near). Read only while no simulation runs.
//
// With lowest score m, the target is m when every score is positive, and
// otherwise moves from 0 towards m as the win rate p rises above one half:
// 2 (p - 1/2) m. In adaptive mode, for a player who has won less than half
// the games recorded, it is the mirror image: with highest score M, M when
// every score is negative, otherwise 2 (1/2 - p) M, moving from 0 towards
// the strategy that did the player the most good as p falls.
struct StrategyChoice {
  int index;
  std::int64_t target;
};
StrategyChoice ChooseFromScores(const Record& record, ChaosMode mode = ChaosMode::Classic);

// The index ChooseStrategy loads.
int ChosenStrategyIndex(const Record& record, ChaosMode mode = ChaosMode::Classic);

// Copies strategy `index` into the world: its behaviour tables and the
// cumulative purchase thresholds. An index outside 0..249 changes nothing.
void LoadStrategy(CWorld& world, int index);

// Loads the strategy ChosenStrategyIndex names and notes it as the one in
// play.
void ChooseStrategy(CWorld& world, const Record& record, ChaosMode mode = ChaosMode::Classic);

// Adaptive mode's factor on Chaos's starting money and income, in 1/65536ths
// (kPurseOne, model/saturating.h, is 1): 1 + 4 (p - 1/2) for the win rate p =
// wins / (wins + losses), held between a quarter and two, rounded to the
// nearest 1/65536. A record without games (or one no game produces, with
// wins + losses not above 0) counts as p = 1: a new player meets a Chaos
// twice as rich, and each loss makes it poorer.
std::int32_t ChaosPurseFactor(const Record& record);
