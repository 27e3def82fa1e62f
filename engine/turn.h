#pragma once
// One whole turn of a game: Chaos buys barbarians, they act for fifty
// phases, the survivors are repaid, the player's units earn income, the game
// may end, and Chaos receives its income for the next turn.

#include <algorithm>
#include <cstdint>

class CUnit;
class CWorld;

constexpr int kPhases = 50;
// A shown turn redraws the whole board before these phases.
constexpr int kFullRedrawPhases[] = {25, 40};
// The end test: the player wins when the end value exceeds kWinFactor times
// Chaos's money and loses when it falls below kLossFloor.
constexpr std::int64_t kWinFactor = 20;
constexpr std::int64_t kLossFloor = 20;

// The player's worth: the treasury plus every unit on the board at its
// price, as the turn values the board at its start and, after the income, at
// its end. A code outside -2..8 counts nothing (and is not reported here).
std::int64_t PlayerWorth(const CWorld& world);
// The worth above which the player wins against Chaos's money.
constexpr std::int64_t VictoryLine(std::int64_t chaosMoney) { return kWinFactor * chaosMoney; }
// The end test of a turn on the player's end worth and Chaos's money before
// its income: a win above the victory line, else a loss below kLossFloor.
// When both would hold, only the win counts.
enum class Outcome { Continues, Victory, Defeat };
constexpr Outcome EndTest(std::int64_t worth, std::int64_t chaosMoney) {
  if (worth > VictoryLine(chaosMoney)) return Outcome::Victory;
  if (worth < kLossFloor) return Outcome::Defeat;
  return Outcome::Continues;
}
// Chaos's income after a turn, by the number of turns completed: 9 x (turn +
// 3)^2. Beyond 2^20 the income is far past the 32-bit limit anyway; the bound
// keeps the square itself within 64 bits.
constexpr std::int64_t ChaosIncome(std::int32_t turn) {
  const std::int64_t next = std::min<std::int64_t>(std::int64_t{turn} + 3, std::int64_t{1} << 20);
  return 9 * next * next;
}

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

// A turn buys at most this many barbarians; the rest of Chaos's money stays
// unspent. Whole games stay far below it: the most any turn bought in runs
// of thousands of games of every policy was 70,420, at the twentieth turn of
// a game in which the player could no longer buy anything. Without a bound
// such a stalled game's Chaos, ever richer, would make every turn larger and
// slower than the last until the memory ran out.
constexpr int kMaxBarbariansPerTurn = 750'000;

// Plays one whole turn of the world. While playing it draws, paces itself,
// hands over to the opponent's hooks at its start and at a game's end, and
// may end the game; in a simulation world it only changes the numbers.
// Returns the number of unit actions taken (one per unit and phase). The
// observer, if any, sees the turn after the purchases and after every phase.
int PlayTurn(CWorld& world, CTurnObserver* observer = nullptr);
