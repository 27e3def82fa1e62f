#include "units/scout.h"
#include "model/saturating.h"

#include "model/messages.h"
#include "model/world.h"

CScout::CScout(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CKind(world, prev, initialState, x, y, facing), areaMarked(0) {}

void CScout::Engage() {
  if (!areaMarked) MarkScoutArea();
}

void CScout::ChangeMarks(int cx, int cy, int delta) {
  const std::uint8_t flag = delta > 0 ? 1 : 0;
  int ys[7];
  for (int k = 0; k < 7; ++k) ys[k] = Wrap(cy + k - 3);
    // Seen from offset (i, j), the Scout lies up if j > 0, right if i < 0,
    // down if j < 0 and left if i > 0. The loops are unrolled, so that every
    // test on i and j is settled at compile time.
#pragma GCC unroll 7
  for (int i = -3; i <= 3; ++i) {
    Cell* column = world->cells[Wrap(cx + i)];
#pragma GCC unroll 7
    for (int j = -3; j <= 3; ++j) {
      Cell& cell = column[ys[j + 3]];
      cell.scoutFar = flag;
      if (j != 0) cell.scoutFarDir[j > 0 ? FacingUp : FacingDown] += delta;
      if (i != 0) cell.scoutFarDir[i < 0 ? FacingRight : FacingLeft] += delta;
      if (i < -2 || i > 2 || j < -2 || j > 2) continue;
      cell.scoutNear = flag;
      if (j != 0) cell.scoutNearDir[j > 0 ? FacingUp : FacingDown] += delta;
      if (i != 0) cell.scoutNearDir[i < 0 ? FacingRight : FacingLeft] += delta;
    }
  }
}

void CScout::MarkScoutArea() {
  ChangeMarks(x, y, +1);
  areaMarked = 1;
}

void CScout::ClearScoutArea() {
  if (!areaMarked) return;
  ChangeMarks(x, y, -1);
  areaMarked = 0;
}

void CScout::MoveForward() {
  const CUnit* p = prev;
  const int fromX = x, fromY = y;
  CUnit::MoveForward();
  if (!StillLinked(p, this)) return;  // a Mine killed it; Destroy lifted the marks
  if ((x != fromX || y != fromY) && areaMarked) {
    ChangeMarks(fromX, fromY, -1);
    areaMarked = 0;
  }
}

void CScout::Destroy() {
  Report();
  ClearScoutArea();
  Remove();
}

void CScavenger::Engage() {
  const int plunder = Own().incomeBonus + 2;
  if (plunder > 0) SaturatingAdd(loot, plunder);
}

template class CKind<CUnit, CScout>;
template class CKind<CUnit, CScavenger>;
