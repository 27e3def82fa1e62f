#include "engine/turn_report.h"

#include "model/world.h"
#include "units/unit.h"

void CTurnReporter::Begin(const CWorld& world) {
  report_ = TurnReport{};
  report_.turn = world.turn;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) units_[x][y] = world.At(x, y).unitType;
}

void CTurnReporter::AtPoint(const CWorld& world, int phase, const CUnit& head) {
  NoteLosses(world, phase);
  if (phase < 0) {
    // Before the purchases only the sale that makes room on a full board
    // takes a unit off.
    if (!report_.losses.empty()) {
      const TurnLoss sale = report_.losses.front();
      report_.losses.clear();
      report_.soldType = sale.type;
      report_.soldX = sale.x;
      report_.soldY = sale.y;
      report_.saleRefund = kUnitResale[sale.type];
    }
    for (const CUnit* unit = head.next; unit != nullptr; unit = unit->next) {
      const int kind = KindIndexOf(unit->kindCode);
      ++report_.bought[kind];
      report_.spent += kKindStats[kind].price;
    }
    return;
  }
  if (phase != kPhases - 1) return;
  // After the last phase: the survivors are about to go home, and the board
  // is the one that earns the income.
  for (const CUnit* unit = head.next; unit != nullptr; unit = unit->next) {
    ++report_.home[KindIndexOf(unit->kindCode)];
    report_.homeLoot += unit->loot;
    report_.homePrices += unit->price;
  }
  for (int kind = 0; kind < kKindCount; ++kind) report_.destroyed[kind] = report_.bought[kind] - report_.home[kind];
  report_.chaosGain = report_.homeLoot + report_.homePrices - report_.spent;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const Cell& cell = world.At(x, y);
      if (IsPlayerUnit(cell.unitType) && EarnsIncome(cell.unitType))
        report_.income += UnitIncome(cell.unitType, cell.incomeBonus);
    }
}

void CTurnReporter::NoteLosses(const CWorld& world, int phase) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int type = units_[x][y];
      if (!IsPlayerUnit(type) || world.At(x, y).unitType == type) continue;
      report_.losses.push_back({phase, type, x, y});
      units_[x][y] = world.At(x, y).unitType;
    }
}

void CTurnReporter::Destruction(int phase, int what, int x, int y) {
  report_.destructions.push_back({phase, what, x, y});
}
