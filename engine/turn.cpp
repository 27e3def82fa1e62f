#include "engine/turn.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/unit_pool.h"
#include "model/messages.h"
#include "model/opponent_hooks.h"
#include "model/random.h"
#include "model/saturating.h"
#include "model/world.h"
#include "units/barbarian.h"
#include "units/scout.h"

namespace {

constexpr int kMaxActions = std::numeric_limits<int>::max();

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
// the kind's price and has bought fewer than kMaxBarbariansPerTurn. At the
// bound the purchases end before the next draw.
void BuyBarbarians(CWorld& world, CUnitPool& pool, CUnit* head) {
  const std::int32_t* t = world.purchaseThresholds;
  CUnit* tail = head;
  for (int bought = 0; bought < kMaxBarbariansPerTurn; ++bought) {
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

}  // namespace

std::int64_t PlayerWorth(const CWorld& world) {
  std::int64_t worth = world.treasury;
  for (const auto& column : world.cells)
    for (const Cell& cell : column)
      if (IsPlayerUnit(cell.unitType)) worth += kUnitPrice[cell.unitType];
  return worth;
}

int PlayTurn(CWorld& world, CTurnObserver* observer) {
  CUnitListHead head;
  CUnitPool& pool = TurnUnitPool();
  std::int64_t actions = 0;  // told as an int, held at its limit

  if (world.mode == ModePlaying && world.opponent) world.opponent->TurnStarts(world);

  const std::int32_t startChaosMoney = world.chaosMoney;
  world.lastPlayerGain = 0;
  world.lastChaosGain = 0;

  bool hasRoom, hasUnit;
  UnitSquares unitSquares;
  const std::int64_t startPlayerValue = world.treasury + world.UnitsValue(hasRoom, hasUnit, unitSquares);

  // A full board: one random player unit is sold to make room.
  if (!hasRoom && hasUnit) {
    int x = RandomDraw(24, 0);
    int y = RandomDraw(24, 0);
    if (DrawSquare(x, y, [&](int sx, int sy) { return IsPlayerUnit(world.At(sx, sy).unitType); }))
      hasRoom = world.SellUnit(x, y);
  }
  if (hasRoom) BuyBarbarians(world, pool, &head);

  if (world.mode == ModePlaying)
    if (CBoardDisplay* view = world.View()) view->DrawBarbarians(&head);
  if (observer) observer->AtPoint(world, -1, head);

  for (int p = 0; p < kPhases; ++p) {
    world.phase = p;
    if (world.mode == ModePlaying) {
      if (CBoardDisplay* view = world.View()) {
        if (p == kFullRedrawPhases[0] || p == kFullRedrawPhases[1]) {
          view->DrawTerrain(world.terrain);
          view->DrawBarbarians(&head);
          view->DrawUnits(world.shownUnits);
        }
        view->DrawTurnPhase(world.turn, p);
      }
    }
    if (world.mode == ModePlaying) {
      for (CUnit* unit = head.next; unit;) {
        CUnit* const following = unit->next;
        const CUnit* const before = unit->prev;
        if (world.mode == ModePlaying)
          if (CBoardDisplay* view = world.View())
            view->DrawTerrainAt(unit->x, unit->y, world.terrain[unit->x][unit->y]);
        unit->TakeTurn();
        ++actions;
        if (world.mode == ModePlaying && CUnit::StillLinked(before, unit)) {
          if (CBoardDisplay* view = world.View()) view->DrawBarbarian(unit);
          if (startChaosMoney > 0) world.Pause(world.gameSpeed * world.gameSpeed);
        }
        unit = following;
      }
    } else {
      // Nothing is shown: the units only act. (Nothing a unit does makes a
      // world that is not playing start playing.)
      for (CUnit* unit = head.next; unit;) {
        CUnit* const following = unit->next;
        unit->TakeTurn();
        ++actions;
        unit = following;
      }
    }
    if (observer) observer->AtPoint(world, p, head);
  }
  world.phase = kPhases;

  // The survivors go home with their loot and are paid their price back. A
  // Scout lifts its marks as it leaves, as it does when it steps away or
  // dies. Only Scouts make marks, and a board is built without any, so the
  // turn ends, as it started, with none anywhere.
  for (CUnit* unit = head.next; unit;) {
    CUnit* const following = unit->next;
    if (KindIndexOf(unit->kindCode) == KindScout) static_cast<CScout*>(unit)->ClearScoutArea();
    SaturatingAdd(world.chaosMoney, static_cast<std::int64_t>(unit->loot) + unit->price);
    unit->~CUnit();
    unit = following;
  }
  head.next = nullptr;
  pool.Release();

  // Income. A turn takes player units off the board but puts none on it and
  // changes no other square, so every square that can hold a unit (or a bad
  // code) now was listed at the start, in the same order as a walk of the
  // whole board; the others add nothing.
  std::int64_t endValue = 0;
  for (int i = 0; i < unitSquares.count; ++i) {
    const Cell& cell = world.AtSquare(unitSquares.squares[i]);
    const int type = cell.unitType;
    endValue += CWorld::UnitValue(type);
    if (IsPlayerUnit(type) && EarnsIncome(type)) SaturatingAdd(world.treasury, UnitIncome(type, cell.incomeBonus));
  }
  endValue += world.treasury;

  if (world.mode == ModePlaying) {
    const Outcome outcome = EndTest(endValue, world.chaosMoney);
    if (outcome == Outcome::Victory) {
      if (world.owner) world.owner->ShowVictory();
      world.mode = ModeIdle;
      if (world.opponent) world.opponent->GameEnded(true);
      if (CBoardDisplay* view = world.View()) {
        view->DrawRecord();
        view->DrawTerrain(world.terrain);
        view->DrawUnits(world.shownUnits);
      }
    } else if (outcome == Outcome::Defeat) {
      if (world.owner) world.owner->ShowDefeat();
      world.mode = ModeIdle;
      if (world.opponent) world.opponent->GameEnded(false);
      if (CBoardDisplay* view = world.View()) {
        view->DrawRecord();
        view->DrawTerrain(world.terrain);
      }
    }
  }

  world.lastPlayerGain = Saturated(endValue - startPlayerValue);
  world.lastChaosGain = Saturated(std::int64_t{world.chaosMoney} - startChaosMoney);

  SaturatingAdd(world.turn, 1);
  SaturatingAdd(world.chaosMoney, ScaledMoney(ChaosIncome(world.turn), world.chaosPurse));

  if (world.mode == ModePlaying) world.RefreshDisplay();
  return static_cast<int>(std::min<std::int64_t>(actions, kMaxActions));
}
