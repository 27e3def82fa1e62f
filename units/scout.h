#pragma once
// The Scout: the cheapest kind. It sees more than the fighting kinds (Mines,
// Artillery cover, Jammer zones), and its Engage marks the squares around it
// so that fighting kinds nearby learn in which direction a Scout stands. The
// marks come off when the Scout steps away or dies.

#include <iterator>

#include "units/unit.h"

// What the Scout's Look sees. O is its own square, T the square ahead.
enum ScoutSight : std::uint8_t {
  ScoutSeesOpen = 0,                // T Empty, O under no Artillery cover
  ScoutSeesBlocked = kSeesBlocked,  // T Water or Impassable
  ScoutIsJammed = 2,                // O jammed, whatever T holds
  ScoutSeesOpenUnderCover = 3,      // T Empty, O under Artillery cover
  ScoutSeesDroneOrFarmer = 4,
  ScoutSeesDefender = 5,  // Infantry, Settler, Jammer or Artillery
  ScoutSeesArmor = 6,
  ScoutSeesMine = 7,
};

// What the Scavenger's Look sees. T is open when Empty or a Mine.
enum ScavengerSight : std::uint8_t {
  ScavengerSeesPlayerUnit = 0,          // T holds a player unit other than a Mine
  ScavengerSeesBlocked = kSeesBlocked,  // T Water or Impassable
  ScavengerNearSite = 2,                // T open, O within 3 of a site, none in the facing direction
  ScavengerFacesSite = 3,               // T open, a site within 3 lies in the facing direction
  ScavengerOnGround = 4,                // T open, O far from sites or a site: 4 + its richness 0..3
};

class CScout final : public CKind<CUnit, CScout> {
 public:
  static constexpr int kKind = KindScout;
  CScout(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);

  void Destroy() override;  // also lifts the Scout's marks
  void Engage() override;
  void MoveForward() override;
  [[gnu::always_inline]] std::uint8_t Look() override;

  // What Look sees with target ahead (see CUnit::LookAtAs), and the quick
  // path's parts (see CKind): a step that lifts no marks, an Engage with the
  // marks already made.
  [[gnu::always_inline]] bool LookAt(const Cell& target, std::uint8_t& perception);
  bool QuickStep(const Cell& target) const { return !areaMarked && target.unitType == Empty; }
  bool QuickEngage(const Cell&) const { return areaMarked != 0; }

  // Marks the 7 x 7 (scoutFar) and 5 x 5 (scoutNear) around the Scout with
  // the flags and the direction counts pointing at it.
  void MarkScoutArea();
  // Lifts the marks around the Scout's square, if it made any: the flags are
  // cleared (also where another Scout's marks overlap), the counts go down.
  void ClearScoutArea();

  std::uint8_t areaMarked;

 private:
  void ChangeMarks(int cx, int cy, int delta);
};

// The Scavenger seeks rich ground: it senses in which direction sites lie and
// how rich its own square is, and its Engage plunders its own square.
class CScavenger final : public CKind<CUnit, CScavenger> {
 public:
  static constexpr int kKind = KindScavenger;
  using CKind::CKind;

  void Engage() override;
  [[gnu::always_inline]] std::uint8_t Look() override;

  // What Look sees with target ahead (see CUnit::LookAtAs), and the quick
  // path's Engage (see CKind), which is always plain.
  [[gnu::always_inline]] bool LookAt(const Cell& target, std::uint8_t& perception);
  bool QuickEngage(const Cell&) {
    Engage();
    return true;
  }

 private:
  // Look, given the square ahead, whose unitType is valid and open.
  std::uint8_t LookFromOpenGround() const;
};

// What the Scout sees ahead, by unitType + 2 (Impassable to Artillery);
// open ground depends on its own square's cover.
constexpr std::uint8_t kScoutSightOfOpenGround = 0x80;
inline constexpr std::uint8_t kScoutSight[11] = {
    ScoutSeesBlocked, ScoutSeesBlocked,       kScoutSightOfOpenGround, ScoutSeesDroneOrFarmer,
    ScoutSeesMine,    ScoutSeesDroneOrFarmer, ScoutSeesDefender,       ScoutSeesDefender,
    ScoutSeesArmor,   ScoutSeesDefender,      ScoutSeesDefender,
};

inline bool CScout::LookAt(const Cell& target, std::uint8_t& perception) {
  const Cell& own = Own();
  if (own.jammed != 0) {
    perception = ScoutIsJammed;
    return true;
  }
  const unsigned row = static_cast<unsigned>(target.unitType - Impassable);
  if (row >= std::size(kScoutSight)) return false;
  perception = kScoutSight[row];
  if (perception == kScoutSightOfOpenGround)
    perception = (own.artilleryRing > 0 || own.artilleryCore > 0) ? ScoutSeesOpenUnderCover : ScoutSeesOpen;
  return true;
}

inline std::uint8_t CScout::Look() {
  static_assert(ScoutSeesOpen == 0);
  return LookAhead<CScout>(kBadFacing);
}

inline std::uint8_t CScavenger::Look() {
  static_assert(ScavengerSeesPlayerUnit == 0);
  return LookAhead<CScavenger>(kBadFacing);
}

inline std::uint8_t CScavenger::LookFromOpenGround() const {
  const Cell& own = Own();
  if (own.siteBits != 0 && !(own.siteBits & kSiteHere))
    return (own.siteBits & (1u << facing)) ? ScavengerFacesSite : ScavengerNearSite;
  const int richness = static_cast<std::int8_t>(own.incomeBonus);
  return static_cast<std::uint8_t>(ScavengerOnGround + (richness > 3 ? 3 : richness < 0 ? 0 : richness));
}

inline bool CScavenger::LookAt(const Cell& target, std::uint8_t& perception) {
  const int ahead = target.unitType;
  if (ahead == Impassable || ahead == Water)
    perception = ScavengerSeesBlocked;
  else if (!IsValidUnitCode(ahead))
    return false;
  else if (ahead != Empty && ahead != Mine)
    perception = ScavengerSeesPlayerUnit;
  else
    perception = LookFromOpenGround();
  return true;
}

// Their phases are compiled with their operations, in scout.cpp.
extern template class CKind<CUnit, CScout>;
extern template class CKind<CUnit, CScavenger>;
