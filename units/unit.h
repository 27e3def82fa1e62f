#pragma once
// The barbarian units of Chaos.
//
// Every unit lives for one turn, in the turn's unit list: a doubly linked
// list through prev and next, headed by a CUnitListHead that never acts. In
// each phase a unit takes artillery fire, then looks at the square ahead,
// turns what it sees into a perception code 0..7 and, with its state 0..3,
// reads an action code from its kind's behaviour table: bits 2..3 say what to
// do (engage, step forward, turn left, turn right), bits 0..1 the next state.
//
// A unit dies only through its own Destroy, which unlinks it, shows the
// destruction while playing and ends the object. Whether a unit survived
// something is told by its former neighbour: with p its prev remembered
// before, the unit lives exactly while p->next is still the unit. Callers
// that may see a unit die use that test and touch the unit only if it holds.

#include <cstdint>

#include "model/board.h"

class CWorld;
struct Cell;

// Strengths, price and destruction report of each kind, in kind order; the
// kind code the view picks a picture by is 9 + the kind's index.
struct KindStats {
  int attack;
  int defence;
  int price;
  const char* report;  // shown while playing when a unit of the kind dies
};
// "Kamikazee" is the game's own spelling, kept word for word.
inline constexpr KindStats kKindStats[kKindCount] = {
    {0, 1, 10, "Scout destroyed at (%d,%d).\t"},
    {0, 1, 100, "Scavenger destroyed at (%d,%d).\t"},
    {6, 3, 50, "Common Barbarian destroyed at (%d,%d).\t"},
    {6, 3, 60, "Amphibious Barbarian destroyed at (%d,%d).\t"},
    {5, 3, 70, "Mobile Barbarian destroyed at (%d,%d).\t"},
    {6, 2, 70, "Jump Barbarian destroyed at (%d,%d).\t"},
    {0, 10, 70, "Kamikazee Barbarian destroyed at (%d,%d).\t"},
    {15, 10, 200, "Armored Barbarian destroyed at (%d,%d).\t"},
};
constexpr int kFirstKindCode = 9;
constexpr int KindCode(int kindIndex) { return kFirstKindCode + kindIndex; }
constexpr int KindIndexOf(int kindCode) { return kindCode - kFirstKindCode; }

// Action codes, the entries of a behaviour table: bits 0..1 the state to take
// next, bits 2..3 the action; bits 4..7 are ignored.
enum Action : int { ActionEngage = 0, ActionMoveForward = 1, ActionTurnLeft = 2, ActionTurnRight = 3 };
constexpr Action ActionOf(std::uint8_t code) { return static_cast<Action>((code >> 2) & 3); }
constexpr std::int8_t NextStateOf(std::uint8_t code) { return static_cast<std::int8_t>(code & 3); }

// Perception codes are the columns 0..7 of a behaviour table. Their meaning
// depends on who looks (the Scout, the Scavenger and the fighting kinds each
// have their own list); every kind sees a square it cannot enter as 1.
constexpr std::uint8_t kSeesBlocked = 1;

class CUnit {
 public:
  // Sets every field, the kind's numbers from its index; the caller links
  // the unit into the list.
  CUnit(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing, int kind);
  CUnit(const CUnit&) = delete;
  CUnit& operator=(const CUnit&) = delete;

  // The virtual operations, in their slot order.
  virtual ~CUnit() = default;
  virtual void TakeTurn();              // artillery fire, then one action
  virtual void Destroy();               // report, unlink, show, end the object
  virtual std::uint8_t ChooseAction();  // the kind's behaviour-table entry for (state, Look())
  virtual void Engage() = 0;            // action 0
  virtual void MoveForward();           // action 1: step onto the square ahead
  virtual std::uint8_t Look() = 0;      // perception code 0..7
  virtual std::uint8_t LookAtWater();   // what Water ahead looks like: blocked

  // One controller step: choose an action, do it, and take its next state if
  // the unit survived.
  void PerformAction();

  // One combat die roll: true when the attacking side wins. No die is drawn
  // when either strength is below 1.
  static bool Contest(int attack, int defence);

  // True while `unit` is still linked after its former prev p. A static
  // test, so that asking about a unit that has died touches only p.
  static bool StillLinked(const CUnit* p, const CUnit* unit) { return p->next == unit; }

  CWorld* world;
  CUnit* prev;
  CUnit* next;
  std::int8_t initialState;
  std::int8_t state;
  std::int32_t x;
  std::int32_t y;
  std::int32_t facing;
  std::int32_t loot;
  std::int32_t kindCode;
  std::int32_t attack;
  std::int32_t defence;
  std::int32_t price;

 protected:
  // Head of a list: no world, no position.
  CUnit();

  // The square `distance` steps ahead in facing, wrapped. False, after
  // printing the kind's bad-facing message, when facing is not 0..3.
  bool Ahead(int& ax, int& ay, const char* badFacingMessage, int distance = 1) const;
  // Unlinks the unit, shows its destruction while playing and ends the
  // object: what every Destroy ends with.
  void Remove();
  // The artillery covering the unit's square fires on it; true if it died.
  bool TakeArtilleryFire();
  // A phase of the quick kinds: fired on once, then two actions, the second
  // with the state the first chose and only if the unit survived the first.
  void TakeTwoActions();
  // The unit's kind report while playing, e.g. "Scout destroyed at (%d,%d).\t".
  void Report() const;
  // A Mine on (tx, ty) goes off under the unit: it is removed and attacks
  // with 10 against the unit's defence plus the square's bonus. Returns true
  // if the unit survived, and then moves it onto the square.
  bool StepOntoMine(int tx, int ty, int defenceBonus);
};

// Heads a turn's unit list. It never acts.
class CUnitListHead final : public CUnit {
 public:
  CUnitListHead();
  std::uint8_t ChooseAction() override { return 0; }
  void Engage() override {}
  std::uint8_t Look() override { return 0; }
};
