#include "units/barbarian.h"
#include "model/saturating.h"

#include "model/messages.h"
#include "model/world.h"
#include "units/combat.h"

std::uint8_t CBarbarian::Look() { return LookAs<CBarbarian>(); }

bool CBarbarian::Attack(const Cell& target, int to, int counterDefence, bool reportVictim) {
  const int victimType = target.unitType;
  const Defender& victim = kDefenders[victimType];
  if (Contest(attack, victim.defence + target.defenceBonus)) {
    const int tx = kStep.at[to].x, ty = kStep.at[to].y;
    world->RemoveUnit(tx, ty);
    if (reportVictim && world->mode == ModePlaying) {
      char report[256];
      std::snprintf(report, sizeof report, victim.report, tx, ty);
      world->ReportDestruction(victimType, tx, ty, report);
    }
    if (victim.lootBase >= 0) SaturatingAdd(loot, std::int64_t{world->phase} * (victim.lootBase + target.incomeBonus));
    return true;
  }
  if (Contest(victim.counterBlow, counterDefence)) Destroy();
  return false;
}

void CAmphibiousBarbarian::MoveForward() {
  const int to = Ahead(kBadFacing);
  if (to < 0) return;
  const Cell& target = world->AtSquare(to);
  if (target.unitType == Empty || target.unitType == Water)
    MoveTo(to);
  else if (target.unitType == Mine)
    StepOntoMine(to, target.defenceBonus);
}

void CJumpBarbarian::MoveForward() {
  const int first = Ahead(kBadFacing);
  if (first < 0) return;
  const Cell& firstCell = world->AtSquare(first);
  if (firstCell.unitType == Empty) {
    MoveTo(first);
    return;
  }
  if (firstCell.unitType == Mine) {
    StepOntoMine(first, firstCell.defenceBonus);
    return;
  }
  // Something blocks the square ahead: look one further in the same direction.
  const int second = kStep.to[first][facing];
  const Cell& secondCell = world->AtSquare(second);
  if (secondCell.unitType == Empty)
    MoveTo(second);
  else if (secondCell.unitType == Mine)
    StepOntoMine(second, secondCell.defenceBonus);
  else if (IsAttackable(secondCell.unitType))
    JumpStrike(secondCell, second);
}

void CJumpBarbarian::JumpStrike(const Cell& target, int to) {
  if (!IsAttackable(target.unitType)) {
    if (!IsValidUnitCode(target.unitType)) PrintMessage(kBadHumanType);
    return;
  }
  if (Attack(target, to, defence, false)) MoveTo(to);
}

void CKamikazeeBarbarian::Engage() {
  int to = Ahead(kBadFacing);
  if (to < 0) to = SquareOf(0, 0);
  if (!IsAttackable(world->AtSquare(to).unitType)) return;
  world->RemoveUnit(kStep.at[to].x, kStep.at[to].y);
  Destroy();
}

void CArmoredBarbarian::MoveForward() {
  const int to = Ahead(kBadFacing);
  if (to < 0) return;
  const int ahead = world->AtSquare(to).unitType;
  if (ahead == Mine) world->RemoveUnit(kStep.at[to].x, kStep.at[to].y);  // cleared without a roll
  if (ahead == Empty || ahead == Mine) MoveTo(to);
}

template class CKind<CBarbarian, CCommonBarbarian>;
template class CKind<CBarbarian, CAmphibiousBarbarian>;
template class CKind<CFarSenseBarbarian, CMobileBarbarian>;
template class CKind<CBarbarian, CJumpBarbarian>;
template class CKind<CBarbarian, CKamikazeeBarbarian>;
template class CKind<CFarSenseBarbarian, CArmoredBarbarian>;
