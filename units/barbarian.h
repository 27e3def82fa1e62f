#pragma once
// The six fighting kinds of Chaos and their shared base.
//
// A fighting kind looks at the square ahead: a player unit there is seen by
// class (codes 4..7), impassable ground (and Water, except for the
// Amphibious Barbarian) as blocked (1); open ground (Empty, or a Mine, which
// they cannot see) gives the Scout information of the unit's own square
// (0, 2 or 3). Engaging attacks the square ahead.

#include <iterator>

#include "units/combat.h"
#include "units/unit.h"

// What a fighting kind's Look sees. T is the square ahead, O the unit's own
// square; T is open when Empty or a Mine (and Water, for the Amphibious).
enum FighterSight : std::uint8_t {
  FighterSeesOpen = 0,                // T open, O gives no Scout information (jammed, or none in range)
  FighterSeesBlocked = kSeesBlocked,  // T Impassable, or Water for all but the Amphibious
  FighterSensesScout = 2,             // T open, a Scout in range, none in the facing direction
  FighterSensesScoutAhead = 3,        // T open, a Scout in range lies in the facing direction
  FighterSeesDroneOrFarmer = 4,
  FighterSeesInfantryOrSettler = 5,
  FighterSeesArmor = 6,
  FighterSeesJammerOrArtillery = 7,
};

// What a fighting kind sees ahead, by unitType + 2 (Impassable to
// Artillery): a perception code, or a marker for the two cases in which the
// kind decides.
constexpr std::uint8_t kSightOfOpenGround = 0x80;  // the kind's SenseScouts
constexpr std::uint8_t kSightOfWater = 0x81;       // the kind's LookAtWater
inline constexpr std::uint8_t kFighterSight[11] = {
    FighterSeesBlocked,
    kSightOfWater,
    kSightOfOpenGround,
    FighterSeesDroneOrFarmer,
    kSightOfOpenGround,
    FighterSeesDroneOrFarmer,
    FighterSeesInfantryOrSettler,
    FighterSeesInfantryOrSettler,
    FighterSeesArmor,
    FighterSeesJammerOrArtillery,
    FighterSeesJammerOrArtillery,
};

class CBarbarian : public CUnit {
 public:
  using CUnit::CUnit;

  void Engage() override;  // attack the square ahead
  std::uint8_t Look() override;
  // Scout information of the unit's own square: 0 none (or jammed), 2 a Scout
  // within range, 3 one of them lies in the facing direction. Near version:
  // Scouts within 2.
  virtual std::uint8_t SenseScouts() {
    const Cell& own = Own();
    return SenseMarks(own, own.scoutNear, own.scoutNearDir, kBadFacingTight);
  }

  // Look, with SenseScouts and LookAtWater those of the kind Self.
  template <class Self>
  [[gnu::always_inline]] std::uint8_t LookAs() {
    static_assert(FighterSeesOpen == 0);
    return LookAhead<Self>(kBadFacingTight);
  }

  // What Look sees with target ahead (see CUnit::LookAtAs), and the quick
  // path's Engage (see CKind).
  template <class Self>
  [[gnu::always_inline]] bool LookAtAs(const Cell& target, std::uint8_t& perception) {
    Self& self = static_cast<Self&>(*this);
    const unsigned row = static_cast<unsigned>(target.unitType - Impassable);
    if (row >= std::size(kFighterSight)) return false;
    const std::uint8_t sight = kFighterSight[row];
    perception = sight == kSightOfOpenGround ? self.SenseScouts() : sight == kSightOfWater ? self.LookAtWater() : sight;
    return true;
  }
  bool QuickEngage(const Cell& target) const {
    return IsValidUnitCode(target.unitType) && !IsAttackable(target.unitType);
  }

 protected:
  // SenseScouts from one kind of the Scouts' marks on the own square: its
  // flag and its counts by direction.
  std::uint8_t SenseMarks(const Cell& own, std::uint8_t marked, const std::int32_t (&towards)[4],
                          const char* badFacingMessage) const {
    if (own.jammed != 0 || marked == 0) return FighterSeesOpen;
    if (facing < 0 || facing > 3) {
      PrintMessage(badFacingMessage);
      return FighterSeesOpen;
    }
    return towards[facing] > 0 ? FighterSensesScoutAhead : FighterSensesScout;
  }

  // Attacks the player unit on square `to` whose values were read at the
  // start. A win removes the victim and loots it; a loss risks the victim's
  // counter-blow against the given defence. Returns true on a kill.
  bool Attack(const Cell& target, int to, int counterDefence, bool reportVictim);
};

// Inline, so that an Engage that finds nothing to attack costs no call.
inline void CBarbarian::Engage() {
  int to = Ahead(kBadFacing);
  if (to < 0) to = SquareOf(0, 0);  // a bad facing attacks square (0, 0)
  const Cell& target = world->AtSquare(to);
  if (IsAttackable(target.unitType))
    Attack(target, to, defence + Own().defenceBonus, true);
  else if (!IsValidUnitCode(target.unitType))
    PrintMessage(kBadHumanType);
}

// Senses Scouts within 3 instead of 2.
class CFarSenseBarbarian : public CBarbarian {
 public:
  using CBarbarian::CBarbarian;
  std::uint8_t SenseScouts() override {
    const Cell& own = Own();
    return SenseMarks(own, own.scoutFar, own.scoutFarDir, kBadFacing);
  }
};

class CCommonBarbarian final : public CKind<CBarbarian, CCommonBarbarian> {
 public:
  static constexpr int kKind = KindCommon;
  using CKind::CKind;
};

// Sees Water as open ground and steps onto it.
class CAmphibiousBarbarian final : public CKind<CBarbarian, CAmphibiousBarbarian> {
 public:
  static constexpr int kKind = KindAmphibious;
  using CKind::CKind;
  void MoveForward() override;
  std::uint8_t LookAtWater() override { return SenseScouts(); }
  bool QuickStep(const Cell& target) const { return target.unitType == Empty || target.unitType == Water; }
};

// Two actions per phase.
class CMobileBarbarian final : public CKind<CFarSenseBarbarian, CMobileBarbarian> {
 public:
  static constexpr int kKind = KindMobile;
  static constexpr int kActionsPerPhase = 2;
  using CKind::CKind;
};

// Jumps over what blocks it, striking a player unit two squares ahead.
class CJumpBarbarian final : public CKind<CBarbarian, CJumpBarbarian> {
 public:
  static constexpr int kKind = KindJump;
  using CKind::CKind;
  void MoveForward() override;
  // The strike on the player unit at (tx, ty), two ahead: as an attack, but
  // the victim is not reported, the counter-blow meets the bare defence, and
  // a kill lands the Jump Barbarian on the victim's square.
  void JumpStrike(const Cell& target, int to);
};

// Two actions per phase; its Engage is a sure kill that costs its life.
class CKamikazeeBarbarian final : public CKind<CBarbarian, CKamikazeeBarbarian> {
 public:
  static constexpr int kKind = KindKamikazee;
  static constexpr int kActionsPerPhase = 2;
  using CKind::CKind;
  void Engage() override;
};

// Clears Mines it steps on without a roll.
class CArmoredBarbarian final : public CKind<CFarSenseBarbarian, CArmoredBarbarian> {
 public:
  static constexpr int kKind = KindArmored;
  using CKind::CKind;
  void MoveForward() override;
};

// Their phases are compiled with their operations, in barbarian.cpp.
extern template class CKind<CBarbarian, CCommonBarbarian>;
extern template class CKind<CBarbarian, CAmphibiousBarbarian>;
extern template class CKind<CFarSenseBarbarian, CMobileBarbarian>;
extern template class CKind<CBarbarian, CJumpBarbarian>;
extern template class CKind<CBarbarian, CKamikazeeBarbarian>;
extern template class CKind<CFarSenseBarbarian, CArmoredBarbarian>;
