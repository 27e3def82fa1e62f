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

bool CUnit::ComeUnderFire(const Cell& square) {
  const int ring = square.artilleryRing;
  const int core = square.artilleryCore;
  const int strength = defence + square.defenceBonus;
  // Each Artillery whose outer ring holds the square fires with 1 in 8 at
  // strength 10 and 1 in 8 at strength 5; each whose inner 3 x 3 holds it
  // fires with 1 in 8 at strength 5.
  for (int i = 0; i < ring; ++i) {
    const int die = RandomDraw(8, 1);
    if ((die == 1 && Contest(10, strength)) || (die == 2 && Contest(5, strength))) {
      Destroy();
      return true;
    }
    if (die < 1 || die > 8) PrintMessage(kBadDieRoll);
  }
  for (int i = 0; i < core; ++i) {
    const int die = RandomDraw(8, 1);
    if (die == 1 && Contest(5, strength)) {
      Destroy();
      return true;
    }
    if (die < 1 || die > 8) PrintMessage(kBadDieRoll);
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
  world->ShowMessage(report);
}

bool CUnit::StepOntoMine(int tx, int ty, int defenceBonus) {
  world->RemoveUnit(tx, ty);  // the Mine is spent whatever follows
  if (Contest(10, defence + defenceBonus)) {
    Destroy();
    return false;
  }
  x = tx;
  y = ty;
  return true;
}
