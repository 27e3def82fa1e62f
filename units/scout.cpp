#include "units/scout.h"
#include "model/saturating.h"

#include "model/messages.h"
#include "model/world.h"

namespace {

// Directions in which a marker at offset (-i, -j) lies from the square at
// offset (i, j) from it: up if the square lies below, and so on.
template <typename Count>
void CountDirections(Count (&counts)[4], int i, int j, int delta) {
  if (j > 0) counts[FacingUp] += delta;
  if (i < 0) counts[FacingRight] += delta;
  if (j < 0) counts[FacingDown] += delta;
  if (i > 0) counts[FacingLeft] += delta;
}

}  // namespace

CScout::CScout(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CUnit(world, prev, initialState, x, y, facing, KindScout), areaMarked(0) {}

std::uint8_t CScout::ChooseAction() { return ActionFromTable(KindScout); }

std::uint8_t CScout::Look() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return 0;
  const Cell& own = world->At(x, y);
  if (own.jammed != 0) return 2;
  switch (world->At(tx, ty).unitType) {
    case Impassable:
    case Water: return 1;
    case Empty: return (own.artilleryRing > 0 || own.artilleryCore > 0) ? 3 : 0;
    case Drone:
    case Farmer: return 4;
    case Mine: return 7;
    case Infantry:
    case Settler:
    case Jammer:
    case Artillery: return 5;
    case Armor: return 6;
    default: PrintMessage(kBadHumanType); return 0;
  }
}

void CScout::Engage() {
  if (!areaMarked) MarkScoutArea();
}

void CScout::ChangeMarks(int cx, int cy, int delta) {
  const std::uint8_t flag = delta > 0 ? 1 : 0;
  for (int i = -3; i <= 3; ++i)
    for (int j = -3; j <= 3; ++j) {
      Cell& cell = world->At(Wrap(cx + i), Wrap(cy + j));
      cell.scoutFar = flag;
      CountDirections(cell.scoutFarDir, i, j, delta);
    }
  for (int i = -2; i <= 2; ++i)
    for (int j = -2; j <= 2; ++j) {
      Cell& cell = world->At(Wrap(cx + i), Wrap(cy + j));
      cell.scoutNear = flag;
      CountDirections(cell.scoutNearDir, i, j, delta);
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
  Report("Scout destroyed at (%d,%d).\t");
  ClearScoutArea();
  CUnit::Destroy();
}

CScavenger::CScavenger(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CUnit(world, prev, initialState, x, y, facing, KindScavenger) {}

std::uint8_t CScavenger::ChooseAction() { return ActionFromTable(KindScavenger); }

std::uint8_t CScavenger::Look() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return 0;
  const int ahead = world->At(tx, ty).unitType;
  if (ahead == Impassable || ahead == Water) return 1;
  if (!IsValidUnitCode(ahead)) {
    PrintMessage(kBadHumanType);
    return 0;
  }
  if (ahead != Empty && ahead != Mine) return 0;  // a player unit it could not plunder past
  const Cell& own = world->At(x, y);
  if (own.siteBits != 0 && !(own.siteBits & kSiteHere)) return (own.siteBits & (1u << facing)) ? 3 : 2;
  const int richness = static_cast<std::int8_t>(own.incomeBonus);
  if (richness > 2) return 7;
  if (richness == 2) return 6;
  if (richness == 1) return 5;
  return 4;
}

void CScavenger::Engage() {
  const int plunder = world->At(x, y).incomeBonus + 2;
  if (plunder > 0) SaturatingAdd(loot, plunder);
}

void CScavenger::Destroy() {
  Report("Scavenger destroyed at (%d,%d).\t");
  CUnit::Destroy();
}
