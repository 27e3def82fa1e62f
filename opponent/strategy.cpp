#include "opponent/strategy.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "model/saturating.h"
#include "model/world.h"

namespace {

constexpr int kNumbersPerRecord = 1 + kKindCount * 33;

// The data file as one flat list of numbers, 265 per strategy.
constexpr std::int16_t kStrategyData[] = {
#include "strategy_table_data.inc"
};
static_assert(sizeof kStrategyData / sizeof kStrategyData[0] == kStrategyCount * kNumbersPerRecord,
              "strategy_table.txt must hold 250 lines of 265 numbers");

constexpr std::array<StrategyRecord, kStrategyCount> MakeTable() {
  std::array<StrategyRecord, kStrategyCount> table{};
  for (int i = 0; i < kStrategyCount; ++i) {
    const std::int16_t* numbers = kStrategyData + i * kNumbersPerRecord;
    if (numbers[0] != i) throw "strategy_table.txt: lines out of order";
    for (int k = 0; k < kKindCount; ++k) {
      const std::int16_t* plan = numbers + 1 + k * 33;
      for (int c = 0; c < 32; ++c) {
        if (plan[c] < 0 || plan[c] > 255) throw "strategy_table.txt: action code out of range";
        table[i].plans[k].behaviour[c] = static_cast<std::uint8_t>(plan[c]);
      }
      if (plan[32] < -128 || plan[32] > 127) throw "strategy_table.txt: weight out of range";
      table[i].plans[k].purchaseWeight = static_cast<std::int8_t>(plan[32]);
    }
  }
  return table;
}

}  // namespace

constexpr std::array<StrategyRecord, kStrategyCount> strategyTable = MakeTable();

std::atomic<std::int32_t> strategyScores[kStrategyCount];

std::array<std::int32_t, kStrategyCount> CurrentScores() {
  std::array<std::int32_t, kStrategyCount> scores;
  for (int i = 0; i < kStrategyCount; ++i) scores[i] = strategyScores[i].load(std::memory_order_relaxed);
  return scores;
}

void LoadStrategy(CWorld& world, int index) {
  if (index < 0 || index >= kStrategyCount) return;  // no such strategy: nothing changes
  const StrategyRecord& record = strategyTable[index];
  std::int32_t threshold = 0;
  for (int k = 0; k < kKindCount; ++k) {
    std::memcpy(world.behaviourTables[k], record.plans[k].behaviour, sizeof world.behaviourTables[k]);
    threshold += record.plans[k].purchaseWeight + 1;
    world.purchaseThresholds[k] = threshold;
  }
}

namespace {

// 2 x share x score, truncated toward zero and held within the 32-bit range:
// a profile may hold a record no game produces (negative losses, say), which
// puts the share above one half, and the target must not be converted out
// of range.
std::int32_t ShareOf(double share, std::int64_t score) {
  const double scaled = 2.0 * share * static_cast<double>(score);
  return static_cast<std::int32_t>(std::clamp(scaled, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                                              static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

}  // namespace

StrategyChoice ChooseFromScores(const Record& record, ChaosMode mode) {
  // Distances are taken in 64 bits: scores read from a profile may lie
  // anywhere in the 32-bit range, and their difference must not wrap.
  std::int64_t lowest = strategyScores[0].load(std::memory_order_relaxed);
  std::int64_t highest = lowest;
  for (int i = 1; i < kStrategyCount; ++i) {
    const std::int64_t score = strategyScores[i].load(std::memory_order_relaxed);
    lowest = std::min(lowest, score);
    highest = std::max(highest, score);
  }

  double excess = 0.0;     // how far the win rate lies above one half
  double shortfall = 0.0;  // and how far below
  const std::int64_t games = static_cast<std::int64_t>(record.wins) + record.losses;
  if (games > 0) {
    const double rate = static_cast<double>(record.wins) / static_cast<double>(games);
    if (rate > 0.5) excess = rate - 0.5;
    if (rate < 0.5) shortfall = 0.5 - rate;
  }
  std::int64_t target;
  if (mode == ChaosMode::Adaptive && shortfall > 0.0)
    target = highest < 0 ? highest : ShareOf(shortfall, highest);
  else
    target = lowest > 0 ? lowest : ShareOf(excess, lowest);

  int best = 0;
  std::int64_t nearest = std::llabs(strategyScores[0].load(std::memory_order_relaxed) - target);
  for (int i = 1; i < kStrategyCount; ++i) {
    const std::int64_t distance = std::llabs(strategyScores[i].load(std::memory_order_relaxed) - target);
    if (distance < nearest) {
      best = i;
      nearest = distance;
    }
  }
  return {best, target};
}

int ChosenStrategyIndex(const Record& record, ChaosMode mode) { return ChooseFromScores(record, mode).index; }

void ChooseStrategy(CWorld& world, const Record& record, ChaosMode mode) {
  world.strategyInPlay = ChosenStrategyIndex(record, mode);
  LoadStrategy(world, world.strategyInPlay);
}

std::int32_t ChaosPurseFactor(const Record& record) {
  // p = w / n, so 1 + 4 (p - 1/2) = (3w - l) / n: exact in 64 bits for any
  // 32-bit record, and held at its bounds before it is rounded.
  const std::int64_t games = static_cast<std::int64_t>(record.wins) + record.losses;
  constexpr std::int32_t quarter = kPurseOne / 4, twice = 2 * kPurseOne;
  if (games <= 0) return twice;
  const std::int64_t share = 3 * static_cast<std::int64_t>(record.wins) - record.losses;
  if (4 * share <= games) return quarter;
  if (share >= 2 * games) return twice;
  return static_cast<std::int32_t>((share * kPurseOne + games / 2) / games);
}
