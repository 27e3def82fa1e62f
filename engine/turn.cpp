#include "engine/turn.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/unit_pool.h"
#include "model/messages.h"
#include "model/random.h"
#include "model/saturating.h"
#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "units/barbarian.h"
#include "units/scout.h"

namespace {

constexpr int kPhases = 50;
constexpr int kMaxActions = std::numeric_limits<int>::max();

// The player's total value on the board, without the treasury. hasRoom and
// hasUnit tell whether some square is Empty and some holds a player unit.
std::int64_t BoardValue(const CWorld& world, bool& hasRoom, bool& hasUnit) {
  std::int64_t value = 0;
  hasRoom = hasUnit = false;
  for (const auto& column : world.cells)
    for (const Cell& cell : column) {
      if (!IsValidUnitCode(cell.unitType)) {
        PrintMessage(kBadHumanType);
      } else if (IsPlayerUnit(cell.unitType)) {
        value += kUnitPrice[cell.unitType];
        hasUnit = true;
      } else if (cell.unitType == Empty) {
        hasRoom = true;
      }
    }
  return value;
}

// Draws squares, x then y, until one fits. False after kMaxSquareDraws
// squares without one.
template <typename Fits>
bool DrawSquare(int& x, int& y, Fits fits) {
  for (int draws = 0; draws < kMaxSquareDraws; ++draws) {
    if (fits(x, y)) return true;
    x = RandomDraw(24, 0);
    y = RandomDraw(24, 0);
  }
  return fits(x, y);
}

CUnit* CreateUnit(CUnitPool& pool, int kind, CWorld* world, CUnit* tail, int x, int y, int facing) {
  switch (kind) {
    case KindScout: return pool.Create<CScout>(world, tail, 0, x, y, facing);
    case KindScavenger: return pool.Create<CScavenger>(world, tail, 0, x, y, facing);
    case KindCommon: return pool.Create<CCommonBarbarian>(world, tail, 0, x, y, facing);
    case KindAmphibious: return pool.Create<CAmphibiousBarbarian>(world, tail, 0, x, y, facing);
    case KindMobile: return pool.Create<CMobileBarbarian>(world, tail, 0, x, y, facing);
    case KindJump: return pool.Create<CJumpBarbarian>(world, tail, 0, x, y, facing);
    case KindKamikazee: return pool.Create<CKamikazeeBarbarian>(world, tail, 0, x, y, facing);
    default: return pool.Create<CArmoredBarbarian>(world, tail, 0, x, y, facing);
  }
}

// Chaos spends its money: a draw over the purchase thresholds picks the
// kind, a random fitting square its place, while Chaos has more money than
// the kind's price.
void BuyBarbarians(CWorld& world, CUnitPool& pool, CUnit* head) {
  const std::int32_t* t = world.purchaseThresholds;
  CUnit* tail = head;
  for (;;) {
    const int r = RandomDraw(t[7], 1);
    int x = RandomDraw(24, 0);
    int y = RandomDraw(24, 0);
    int kind;
    if (r > t[2] && r <= t[3]) {
      kind = KindAmphibious;
      if (!DrawSquare(x, y, [&](int sx, int sy) {
            const int type = world.At(sx, sy).unitType;
            return type == Empty || type == Water;
          }))
        return;
    } else {
      if (!DrawSquare(x, y, [&](int sx, int sy) { return world.At(sx, sy).unitType == Empty; })) return;
      kind = r > t[6]   ? KindArmored
             : r > t[5] ? KindKamikazee
             : r > t[4] ? KindJump
             : r > t[3] ? KindMobile
             : r > t[1] ? KindCommon
             : r > t[0] ? KindScavenger
                        : KindScout;
    }
    if (world.chaosMoney <= kKindStats[kind].price) return;
    const int facing = RandomDraw(4, 0);
    CUnit* unit = CreateUnit(pool, kind, &world, tail, x, y, facing);
    world.chaosMoney -= kKindStats[kind].price;
    tail->next = unit;
    tail = unit;
  }
}

// While playing and no simulation runs: save the profile, choose the
// strategy anew, record the board and start scoring the strategies on it.
void StartLearning(CWorld& world) {
  if (simulationRunning.load(std::memory_order_acquire)) return;
  SaveProfile();
  world.ChooseStrategy();
  RecordBoard(world);
  StartSimulation();
}

}  // namespace

int CWorld::PlayTurn(CTurnObserver* observer) {
  CUnitListHead head;
  CUnitPool& pool = TurnUnitPool();
  int actions = 0;

  if (mode == ModePlaying) {
    LogPlayerPositions();
    if (mode == ModePlaying) StartLearning(*this);
  }

  const std::int32_t startChaosMoney = chaosMoney;
  lastPlayerGain = 0;
  lastChaosGain = 0;

  bool hasRoom, hasUnit;
  const std::int64_t startPlayerValue = treasury + BoardValue(*this, hasRoom, hasUnit);

  // A full board: one random player unit is sold to make room.
  if (!hasRoom && hasUnit) {
    int x = RandomDraw(24, 0);
    int y = RandomDraw(24, 0);
    if (DrawSquare(x, y, [&](int sx, int sy) { return IsPlayerUnit(cells[sx][sy].unitType); }))
      hasRoom = SellUnit(x, y);
  }
  if (hasRoom) BuyBarbarians(*this, pool, &head);

  if (mode == ModePlaying)
    if (CBoardDisplay* view = View()) view->DrawBarbarians(&head);
  if (observer) observer->AtPoint(*this, -1, head);

  for (int p = 0; p < kPhases; ++p) {
    phase = p;
    if (mode == ModePlaying) {
      if (CBoardDisplay* view = View()) {
        if (p == 25 || p == 40) {
          view->DrawTerrain(terrain);
          view->DrawBarbarians(&head);
          view->DrawUnits(shownUnits);
        }
        view->DrawTurnPhase(turn, p);
      }
    }
    for (CUnit* unit = head.next; unit;) {
      CUnit* const following = unit->next;
      const CUnit* const before = unit->prev;
      if (mode == ModePlaying)
        if (CBoardDisplay* view = View()) view->DrawTerrainAt(unit->x, unit->y, terrain[unit->x][unit->y]);
      unit->TakeTurn();
      if (actions < kMaxActions) ++actions;
      if (mode == ModePlaying && CUnit::StillLinked(before, unit)) {
        if (CBoardDisplay* view = View()) view->DrawBarbarian(unit);
        if (startChaosMoney > 0) Pause(gameSpeed * gameSpeed);
      }
      unit = following;
    }
    if (observer) observer->AtPoint(*this, p, head);
  }
  phase = kPhases;

  // The survivors go home with their loot and are paid their price back.
  for (CUnit* unit = head.next; unit;) {
    CUnit* const following = unit->next;
    SaturatingAdd(chaosMoney, static_cast<std::int64_t>(unit->loot) + unit->price);
    unit->~CUnit();
    unit = following;
  }
  head.next = nullptr;
  pool.Release();

  // Income, and the Scouts' marks are lifted everywhere.
  std::int64_t endValue = 0;
  for (auto& column : cells)
    for (Cell& cell : column) {
      const int type = cell.unitType;
      if (!IsValidUnitCode(type)) {
        PrintMessage(kBadHumanType);
      } else if (IsPlayerUnit(type)) {
        endValue += kUnitPrice[type];
        if (EarnsIncome(type)) SaturatingAdd(treasury, 50 * (kUnitIncomeBase[type] + std::int64_t{cell.incomeBonus}));
      }
      cell.scoutNear = 0;
      cell.scoutFar = 0;
      for (int f = 0; f < 4; ++f) cell.scoutNearDir[f] = cell.scoutFarDir[f] = 0;
    }
  endValue += treasury;

  if (mode == ModePlaying) {
    if (endValue > 20 * static_cast<std::int64_t>(chaosMoney)) {
      if (owner) owner->ShowVictory();
      mode = ModeIdle;
      SaturatingAdd(wins, 1);
      SaveProfile();
      if (CBoardDisplay* view = View()) {
        view->DrawRecord();
        view->DrawTerrain(terrain);
        view->DrawUnits(shownUnits);
      }
    } else if (endValue < 20) {
      if (owner) owner->ShowDefeat();
      mode = ModeIdle;
      SaturatingAdd(losses, 1);
      SaveProfile();
      if (CBoardDisplay* view = View()) {
        view->DrawRecord();
        view->DrawTerrain(terrain);
      }
    }
  }

  lastPlayerGain = Saturated(endValue - startPlayerValue);
  lastChaosGain = Saturated(std::int64_t{chaosMoney} - startChaosMoney);

  SaturatingAdd(turn, 1);
  // Beyond 2^20 the income is far past the 32-bit limit anyway; the bound
  // keeps the square itself within 64 bits.
  const std::int64_t next = std::min<std::int64_t>(std::int64_t{turn} + 3, std::int64_t{1} << 20);
  SaturatingAdd(chaosMoney, 9 * next * next);

  if (mode == ModePlaying) RefreshDisplay();
  return actions;
}
