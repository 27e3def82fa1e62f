#include "units/barbarian.h"
#include "model/saturating.h"

#include "model/messages.h"
#include "model/world.h"
#include "units/combat.h"

std::uint8_t CBarbarian::Look() { return LookAs<CBarbarian>(); }

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
  const Cell& target = world->At(tx, ty);
  const int ownBonus = world->At(x, y).defenceBonus;
  if (IsAttackable(target.unitType))
    Attack(target, tx, ty, defence + ownBonus, true);
  else if (!IsValidUnitCode(target.unitType))
    PrintMessage(kBadHumanType);
}

void CAmphibiousBarbarian::MoveForward() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return;
  const Cell& target = world->At(tx, ty);
  if (target.unitType == Empty || target.unitType == Water) {
    x = tx;
    y = ty;
  } else if (target.unitType == Mine) {
    StepOntoMine(tx, ty, target.defenceBonus);
  }
}

void CJumpBarbarian::MoveForward() {
  int ax, ay;
  if (!Ahead(ax, ay, kBadFacing)) return;
  const Cell& first = world->At(ax, ay);
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
  const Cell& second = world->At(bx, by);
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

void CKamikazeeBarbarian::Engage() {
  int tx = 0, ty = 0;
  if (!Ahead(tx, ty, kBadFacing)) tx = ty = 0;
  if (!IsAttackable(world->At(tx, ty).unitType)) return;
  world->RemoveUnit(tx, ty);
  Destroy();
}

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

template class CKind<CBarbarian, CCommonBarbarian>;
template class CKind<CBarbarian, CAmphibiousBarbarian>;
template class CKind<CFarSenseBarbarian, CMobileBarbarian>;
template class CKind<CBarbarian, CJumpBarbarian>;
template class CKind<CBarbarian, CKamikazeeBarbarian>;
template class CKind<CFarSenseBarbarian, CArmoredBarbarian>;
