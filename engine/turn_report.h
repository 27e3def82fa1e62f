#pragma once
// TurnReport: what one turn of the game did, in numbers, for the player to
// read once the turn has been shown: the income, the units lost, the
// barbarians bought, destroyed and gone home, Chaos's gain and the
// destruction reports in the order they were made.
//
// A CTurnReporter fills it while the turn is played: it watches the turn as
// its observer and is told of every destruction report by the world's owner.
// Only a game that is shown installs one; a turn played without it (the
// background simulation's) pays nothing for the report.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/turn.h"
#include "model/board.h"

// A player's unit taken off the board by the barbarians (a Mine spent
// included).
struct TurnLoss {
  int phase;  // 0..49
  int type;   // 1..8
  int x, y;
  bool operator==(const TurnLoss&) const = default;
};

// A destruction report: what is a player's unit type (1..8) or a barbarian's
// kind code (9..16).
struct TurnDestruction {
  int phase;
  int what;
  int x, y;
  bool operator==(const TurnDestruction&) const = default;
};

struct TurnReport {
  // The turn as its reports number it: the turns completed before it.
  std::int32_t turn = -1;
  // What the Drones, Farmers and Settlers left at the end earned.
  std::int64_t income = 0;
  // The unit sold to make room on a full board before Chaos bought (type 0:
  // none), and what the sale brought.
  int soldType = 0;
  int soldX = -1, soldY = -1;
  std::int64_t saleRefund = 0;
  // In phase order; within a phase by square, x-major.
  std::vector<TurnLoss> losses;
  // By barbarian kind index (Scout .. Armored).
  std::array<int, kKindCount> bought{};
  std::array<int, kKindCount> destroyed{};
  std::array<int, kKindCount> home{};
  // Chaos's money spent on barbarians, the loot the survivors took home and
  // the prices repaid for them.
  std::int64_t spent = 0;
  std::int64_t homeLoot = 0;
  std::int64_t homePrices = 0;
  // What the turn brought Chaos before its income: the survivors' loot and
  // prices less what it spent.
  std::int64_t chaosGain = 0;
  std::vector<TurnDestruction> destructions;
};

class CTurnReporter final : public CTurnObserver {
 public:
  // Before the turn: a fresh report of the world's coming turn.
  void Begin(const CWorld& world);
  // The turn's observer: after the purchases (phase -1) and every phase.
  void AtPoint(const CWorld& world, int phase, const CUnit& head) override;
  // The owner passes on each destruction report of the turn.
  void Destruction(int phase, int what, int x, int y);

  // The report so far; whole once the turn has been played.
  const TurnReport& Report() const { return report_; }

 private:
  // Notes the player's units that left the board since the last point.
  void NoteLosses(const CWorld& world, int phase);

  TurnReport report_;
  std::int32_t units_[kBoardSize][kBoardSize] = {};
};
