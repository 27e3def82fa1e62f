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

namespace {
Square SquareOf(int x, int y) { return Square{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)}; }
}  // namespace

void CBarbarian::Engage() {
  int tx = 0, ty = 0;
  if (!Ahead(tx, ty, kBadFacing)) tx = ty = 0;  // a bad facing attacks square (0, 0)
  EngageAhead(SquareOf(tx, ty), world->At(tx, ty));
}

void CAmphibiousBarbarian::MoveForward() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return;
  MoveForwardTo(SquareOf(tx, ty), world->At(tx, ty));
}

void CJumpBarbarian::MoveForward() {
  int ax, ay;
  if (!Ahead(ax, ay, kBadFacing)) return;
  MoveForwardTo(SquareOf(ax, ay), world->At(ax, ay));
}

void CJumpBarbarian::MoveForwardTo(Square a, const Cell& first) {
  if (first.unitType == Empty) {
    x = a.x;
    y = a.y;
    return;
  }
  if (first.unitType == Mine) {
    StepOntoMine(a.x, a.y, first.defenceBonus);
    return;
  }
  // Something blocks the square ahead: look one further in the same direction.
  const Square b = kStep.to[facing][a.x][a.y];
  const Cell& second = world->At(b.x, b.y);
  if (second.unitType == Empty) {
    x = b.x;
    y = b.y;
  } else if (second.unitType == Mine) {
    StepOntoMine(b.x, b.y, second.defenceBonus);
  } else if (IsAttackable(second.unitType)) {
    JumpStrike(second, b.x, b.y);
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
  EngageAhead(SquareOf(tx, ty), world->At(tx, ty));
}

void CArmoredBarbarian::MoveForward() {
  int tx, ty;
  if (!Ahead(tx, ty, kBadFacing)) return;
  MoveForwardTo(SquareOf(tx, ty), world->At(tx, ty));
}

template class CKind<CBarbarian, CCommonBarbarian>;
template class CKind<CBarbarian, CAmphibiousBarbarian>;
template class CKind<CFarSenseBarbarian, CMobileBarbarian>;
template class CKind<CBarbarian, CJumpBarbarian>;
template class CKind<CBarbarian, CKamikazeeBarbarian>;
template class CKind<CFarSenseBarbarian, CArmoredBarbarian>;
