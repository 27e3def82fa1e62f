#include "units/unit.h"

#include <cstdio>

#include "model/messages.h"
#include "model/random.h"
#include "model/world.h"

CUnit::CUnit(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing, int kind)
    : world(world),
      prev(prev),
      next(nullptr),
      initialState(initialState),
      state(initialState),
      square(static_cast<std::int16_t>(SquareOf(x, y))),
      x(x),
      y(y),
      facing(facing),
      loot(0),
      kindCode(KindCode(kind)),
      attack(kKindStats[kind].attack),
      defence(kKindStats[kind].defence),
      price(kKindStats[kind].price) {}

CUnit::CUnit()
    : world(nullptr),
      prev(nullptr),
      next(nullptr),
      initialState(0),
      state(0),
      square(-1),
      x(-1),
      y(-1),
      facing(-1),
      loot(-1),
      kindCode(0),
      attack(-1),
      defence(-1),
      price(-1) {}

CUnitListHead::CUnitListHead() : CUnit() {}

bool CUnit::Contest(int attack, int defence) {
  if (attack < 1) return false;
  if (defence < 1) return true;
  return RandomDraw(attack + defence, 1) > defence;
}

void CUnit::PrintBadFacing(const char* message) { PrintMessage(message); }

std::uint8_t CUnit::ChooseAction() {
  const std::uint8_t perception = Look();
  return world->behaviourTables[KindIndexOf(kindCode)][state & 3][perception & 7];
}

void CUnit::PerformAction() { Perform(*this, ChooseAction()); }

void CUnit::TakeTurn() {
  if (TakeArtilleryFire()) return;
  PerformAction();
}

namespace {
// An artillery die is RandomDraw(8, 1): its outcomes 1 and 2, and the
// impossible ones past 8, as bounds on the generator's value.
constexpr std::uint32_t kDieIsOne = DrawBound(8, 1, 1);
constexpr std::uint32_t kDieIsTwoOrLess = DrawBound(8, 1, 2);
constexpr std::uint32_t kDieIsEightOrLess = DrawBound(8, 1, 8);
}  // namespace

bool CUnit::ComeUnderFire(const Cell& square) {
  const int ring = square.artilleryRing;
  const int core = square.artilleryCore;
  const int strength = defence + square.defenceBonus;
  // Each Artillery whose outer ring holds the square fires with 1 in 8 at
  // strength 10 and 1 in 8 at strength 5; each whose inner 3 x 3 holds it
  // fires with 1 in 8 at strength 5. A die can show neither below 1 nor
  // above 8; the report of one is kept for the record.
  for (int i = 0; i < ring; ++i) {
    const std::uint32_t die = RandomStep();
    if ((die < kDieIsOne && Contest(10, strength)) ||
        (die >= kDieIsOne && die < kDieIsTwoOrLess && Contest(5, strength))) {
      Destroy();
      return true;
    }
    if (die >= kDieIsEightOrLess) [[unlikely]]
      PrintMessage(kBadDieRoll);
  }
  for (int i = 0; i < core; ++i) {
    const std::uint32_t die = RandomStep();
    if (die < kDieIsOne && Contest(5, strength)) {
      Destroy();
      return true;
    }
    if (die >= kDieIsEightOrLess) [[unlikely]]
      PrintMessage(kBadDieRoll);
  }
  return false;
}

void CUnit::Destroy() {
  Report();
  Remove();
}

void CUnit::Remove() {
  if (prev) prev->next = next;
  if (next) next->prev = prev;
  if (world->mode == ModePlaying) world->ShowDestruction(x, y);
  this->~CUnit();  // the turn's unit pool keeps the memory until the turn ends
}

void CUnit::Report() const {
  if (world->mode != ModePlaying) return;
  char report[256];
  std::snprintf(report, sizeof report, kKindStats[KindIndexOf(kindCode)].report, x, y);
  world->ReportDestruction(kindCode, x, y, report);
}

bool CUnit::StepOntoMine(int to, int defenceBonus) {
  world->RemoveUnit(kStep.at[to].x, kStep.at[to].y);  // the Mine is spent whatever follows
  if (Contest(10, defence + defenceBonus)) {
    Destroy();
    return false;
  }
  MoveTo(to);
  return true;
}
