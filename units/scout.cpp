#include "units/scout.h"
#include "model/saturating.h"

#include "model/messages.h"
#include "model/world.h"

CScout::CScout(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CKind(world, prev, initialState, x, y, facing), areaMarked(0) {}

std::uint8_t CScout::Look() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return ScoutSeesOpen;
  const Cell& own = world->At(x, y);
  if (own.jammed != 0) return ScoutIsJammed;
  switch (world->At(tx, ty).unitType) {
    case Impassable:
    case Water: return ScoutSeesBlocked;
    case Empty: return (own.artilleryRing > 0 || own.artilleryCore > 0) ? ScoutSeesOpenUnderCover : ScoutSeesOpen;
    case Drone:
    case Farmer: return ScoutSeesDroneOrFarmer;
    case Mine: return ScoutSeesMine;
    case Infantry:
    case Settler:
    case Jammer:
    case Artillery: return ScoutSeesDefender;
    case Armor: return ScoutSeesArmor;
    default: PrintMessage(kBadHumanType); return ScoutSeesOpen;
  }
}

void CScout::Engage() {
  if (!areaMarked) MarkScoutArea();
}

void CScout::ChangeMarks(int cx, int cy, int delta) {
  const std::uint8_t flag = delta > 0 ? 1 : 0;
  int ys[7];
  for (int k = 0; k < 7; ++k) ys[k] = Wrap(cy + k - 3);
  // Seen from offset (i, j), the Scout lies up if j > 0, right if i < 0,
  // down if j < 0 and left if i > 0: the rows below and above the Scout's
  // count one direction, the columns left and right of it another.
  for (int i = -3; i <= 3; ++i) {
    Cell* column = world->cells[Wrap(cx + i)];
    const int across = i < 0 ? FacingRight : FacingLeft;
    const int acrossDelta = i != 0 ? delta : 0;
    for (int j = 0; j < 7; ++j) {
      Cell& cell = column[ys[j]];
      cell.scoutFar = flag;
      cell.scoutFarDir[across] += acrossDelta;
    }
    for (int j = 0; j < 3; ++j) column[ys[j]].scoutFarDir[FacingDown] += delta;
    for (int j = 4; j < 7; ++j) column[ys[j]].scoutFarDir[FacingUp] += delta;
    if (i < -2 || i > 2) continue;
    for (int j = 1; j < 6; ++j) {
      Cell& cell = column[ys[j]];
      cell.scoutNear = flag;
      cell.scoutNearDir[across] += acrossDelta;
    }
    for (int j = 1; j < 3; ++j) column[ys[j]].scoutNearDir[FacingDown] += delta;
    for (int j = 4; j < 6; ++j) column[ys[j]].scoutNearDir[FacingUp] += delta;
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

std::uint8_t CScavenger::Look() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return ScavengerSeesPlayerUnit;  // a safe column
  const int ahead = world->At(tx, ty).unitType;
  if (ahead == Impassable || ahead == Water) return ScavengerSeesBlocked;
  if (!IsValidUnitCode(ahead)) {
    PrintMessage(kBadHumanType);
    return ScavengerSeesPlayerUnit;
  }
  if (ahead != Empty && ahead != Mine) return ScavengerSeesPlayerUnit;  // it could not plunder past
  const Cell& own = world->At(x, y);
  if (own.siteBits != 0 && !(own.siteBits & kSiteHere))
    return (own.siteBits & (1u << facing)) ? ScavengerFacesSite : ScavengerNearSite;
  const int richness = static_cast<std::int8_t>(own.incomeBonus);
  return static_cast<std::uint8_t>(ScavengerOnGround + (richness > 3 ? 3 : richness < 0 ? 0 : richness));
}

void CScavenger::Engage() {
  const int plunder = world->At(x, y).incomeBonus + 2;
  if (plunder > 0) SaturatingAdd(loot, plunder);
}

template class CKind<CUnit, CScout>;
template class CKind<CUnit, CScavenger>;
