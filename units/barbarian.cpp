#include "units/barbarian.h"
#include "model/saturating.h"

#include "model/messages.h"
#include "model/world.h"
#include "units/combat.h"

std::uint8_t CBarbarian::Look() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacingTight)) return 0;
  switch (world->At(tx, ty).unitType) {
    case Impassable: return 1;
    case Water: return LookAtWater();
    case Empty:
    case Mine: return SenseScouts();
    case Drone:
    case Farmer: return 4;
    case Infantry:
    case Settler: return 5;
    case Armor: return 6;
    case Jammer:
    case Artillery: return 7;
    default: PrintMessage(kBadHumanType); return 0;
  }
}

std::uint8_t CBarbarian::SenseScouts() {
  const Cell& own = world->At(x, y);
  if (own.jammed != 0 || own.scoutNear == 0) return 0;
  if (facing < 0 || facing > 3) {
    PrintMessage(kBadFacingTight);
    return 0;
  }
  return own.scoutNearDir[facing] > 0 ? 3 : 2;
}

std::uint8_t CFarSenseBarbarian::SenseScouts() {
  const Cell& own = world->At(x, y);
  if (own.jammed != 0 || own.scoutFar == 0) return 0;
  if (facing < 0 || facing > 3) {
    PrintMessage(kBadFacing);
    return 0;
  }
  return own.scoutFarDir[facing] > 0 ? 3 : 2;
}

bool CBarbarian::Attack(const Cell& target, int tx, int ty, int counterDefence, bool reportVictim) {
  const Defender& victim = kDefenders[target.unitType];
  if (Contest(attack, victim.defence + target.defenceBonus)) {
    world->RemoveUnit(tx, ty);
    if (reportVictim && world->mode == ModePlaying) {
      char report[256];
      std::snprintf(report, sizeof report, victim.report, tx, ty);
      world->ShowMessage(report);
    }
    if (victim.lootBase >= 0) SaturatingAdd(loot, std::int64_t{world->phase} * (victim.lootBase + target.incomeBonus));
    return true;
  }
  if (Contest(victim.counterBlow, counterDefence)) Destroy();
  return false;
}

void CBarbarian::Engage() {
  int tx = 0, ty = 0;
  if (!Ahead(tx, ty, kBadFacing)) tx = ty = 0;  // a bad facing attacks square (0, 0)
  const Cell target = world->At(tx, ty);
  const int ownBonus = world->At(x, y).defenceBonus;
  if (IsAttackable(target.unitType))
    Attack(target, tx, ty, defence + ownBonus, true);
  else if (!IsValidUnitCode(target.unitType))
    PrintMessage(kBadHumanType);
}

CCommonBarbarian::CCommonBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CBarbarian(world, prev, initialState, x, y, facing, KindCommon) {}

std::uint8_t CCommonBarbarian::ChooseAction() { return ActionFromTable(KindCommon); }

void CCommonBarbarian::Destroy() {
  Report("Common Barbarian destroyed at (%d,%d).\t");
  CUnit::Destroy();
}

CAmphibiousBarbarian::CAmphibiousBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y,
                                           int facing)
    : CBarbarian(world, prev, initialState, x, y, facing, KindAmphibious) {}

std::uint8_t CAmphibiousBarbarian::ChooseAction() { return ActionFromTable(KindAmphibious); }

std::uint8_t CAmphibiousBarbarian::LookAtWater() { return SenseScouts(); }

void CAmphibiousBarbarian::MoveForward() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return;
  const Cell target = world->At(tx, ty);
  if (target.unitType == Empty || target.unitType == Water) {
    x = tx;
    y = ty;
  } else if (target.unitType == Mine) {
    StepOntoMine(tx, ty, target.defenceBonus);
  }
}

void CAmphibiousBarbarian::Destroy() {
  Report("Amphibious Barbarian destroyed at (%d,%d).\t");
  CUnit::Destroy();
}

CMobileBarbarian::CMobileBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CFarSenseBarbarian(world, prev, initialState, x, y, facing, KindMobile) {}

void CMobileBarbarian::TakeTurn() { TakeTwoActions(); }

std::uint8_t CMobileBarbarian::ChooseAction() { return ActionFromTable(KindMobile); }

void CMobileBarbarian::Destroy() {
  Report("Mobile Barbarian destroyed at (%d,%d).\t");
  CUnit::Destroy();
}

CJumpBarbarian::CJumpBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CBarbarian(world, prev, initialState, x, y, facing, KindJump) {}

std::uint8_t CJumpBarbarian::ChooseAction() { return ActionFromTable(KindJump); }

void CJumpBarbarian::MoveForward() {
  int ax, ay;
  if (!Ahead(ax, ay, kBadFacing)) return;
  const Cell first = world->At(ax, ay);
  if (first.unitType == Empty) {
    x = ax;
    y = ay;
    return;
  }
  if (first.unitType == Mine) {
    StepOntoMine(ax, ay, first.defenceBonus);
    return;
  }
  // Something blocks the square ahead: look one further in the same direction.
  int bx, by;
  Ahead(bx, by, kBadFacing, 2);
  const Cell second = world->At(bx, by);
  if (second.unitType == Empty) {
    x = bx;
    y = by;
  } else if (second.unitType == Mine) {
    StepOntoMine(bx, by, second.defenceBonus);
  } else if (IsAttackable(second.unitType)) {
    JumpStrike(second, bx, by);
  }
}

void CJumpBarbarian::JumpStrike(const Cell& target, int tx, int ty) {
  if (!IsAttackable(target.unitType)) {
    if (!IsValidUnitCode(target.unitType)) PrintMessage(kBadHumanType);
    return;
  }
  if (Attack(target, tx, ty, defence, false)) {
    x = tx;
    y = ty;
  }
}

void CJumpBarbarian::Destroy() {
  Report("Jump Barbarian destroyed at (%d,%d).\t");
  CUnit::Destroy();
}

CKamikazeeBarbarian::CKamikazeeBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CBarbarian(world, prev, initialState, x, y, facing, KindKamikazee) {}

void CKamikazeeBarbarian::TakeTurn() { TakeTwoActions(); }

std::uint8_t CKamikazeeBarbarian::ChooseAction() { return ActionFromTable(KindKamikazee); }

void CKamikazeeBarbarian::Engage() {
  int tx = 0, ty = 0;
  if (!Ahead(tx, ty, kBadFacing)) tx = ty = 0;
  if (!IsAttackable(world->At(tx, ty).unitType)) return;
  world->RemoveUnit(tx, ty);
  Destroy();
}

void CKamikazeeBarbarian::Destroy() {
  Report("Kamikazee Barbarian destroyed at (%d,%d).\t");
  CUnit::Destroy();
}

CArmoredBarbarian::CArmoredBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
    : CFarSenseBarbarian(world, prev, initialState, x, y, facing, KindArmored) {}

std::uint8_t CArmoredBarbarian::ChooseAction() { return ActionFromTable(KindArmored); }

void CArmoredBarbarian::MoveForward() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return;
  const int ahead = world->At(tx, ty).unitType;
  if (ahead == Mine) world->RemoveUnit(tx, ty);  // cleared without a roll
  if (ahead == Empty || ahead == Mine) {
    x = tx;
    y = ty;
  }
}

void CArmoredBarbarian::Destroy() {
  Report("Armored Barbarian destroyed at (%d,%d).\t");
  CUnit::Destroy();
}
