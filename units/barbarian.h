#pragma once
// The six fighting kinds of Chaos and their shared base.
//
// A fighting kind looks at the square ahead: a player unit there is seen by
// class (codes 4..7), impassable ground (and Water, except for the
// Amphibious Barbarian) as blocked (1); open ground (Empty, or a Mine, which
// they cannot see) gives the Scout information of the unit's own square
// (0, 2 or 3). Engaging attacks the square ahead.

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

class CBarbarian : public CUnit {
 public:
  using CUnit::CUnit;

  void Engage() override;  // attack the square ahead
  std::uint8_t Look() override;
  // Scout information of the unit's own square: 0 none (or jammed), 2 a Scout
  // within range, 3 one of them lies in the facing direction. Near version:
  // Scouts within 2.
  virtual std::uint8_t SenseScouts();

 protected:
  // Attacks the player unit on (tx, ty) whose square values were read at the
  // start. A win removes the victim and loots it; a loss risks the victim's
  // counter-blow against the given defence. Returns true on a kill.
  bool Attack(const Cell& target, int tx, int ty, int counterDefence, bool reportVictim);
};

// Senses Scouts within 3 instead of 2.
class CFarSenseBarbarian : public CBarbarian {
 public:
  using CBarbarian::CBarbarian;
  std::uint8_t SenseScouts() override;
};

class CCommonBarbarian final : public CBarbarian {
 public:
  CCommonBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);
};

// Sees Water as open ground and steps onto it.
class CAmphibiousBarbarian final : public CBarbarian {
 public:
  CAmphibiousBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);
  void MoveForward() override;
  std::uint8_t LookAtWater() override;
};

// Two actions per phase.
class CMobileBarbarian final : public CFarSenseBarbarian {
 public:
  CMobileBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);
  void TakeTurn() override;
};

// Jumps over what blocks it, striking a player unit two squares ahead.
class CJumpBarbarian final : public CBarbarian {
 public:
  CJumpBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);
  void MoveForward() override;
  // The strike on the player unit at (tx, ty), two ahead: as an attack, but
  // the victim is not reported, the counter-blow meets the bare defence, and
  // a kill lands the Jump Barbarian on the victim's square.
  void JumpStrike(const Cell& target, int tx, int ty);
};

// Two actions per phase; its Engage is a sure kill that costs its life.
class CKamikazeeBarbarian final : public CBarbarian {
 public:
  CKamikazeeBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);
  void TakeTurn() override;
  void Engage() override;
};

// Clears Mines it steps on without a roll.
class CArmoredBarbarian final : public CFarSenseBarbarian {
 public:
  CArmoredBarbarian(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);
  void MoveForward() override;
};
