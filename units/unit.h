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
#include "model/messages.h"
#include "model/world.h"

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
  virtual void TakeTurn();                                     // artillery fire, then one action
  virtual void Destroy();                                      // report, unlink, show, end the object
  virtual std::uint8_t ChooseAction();                         // the kind's behaviour-table entry for (state, Look())
  virtual void Engage() = 0;                                   // action 0
  virtual void MoveForward();                                  // action 1: step onto the square ahead
  virtual std::uint8_t Look() = 0;                             // perception code 0..7
  virtual std::uint8_t LookAtWater() { return kSeesBlocked; }  // what Water ahead looks like

  // One controller step: choose an action, do it, and take its next state if
  // the unit survived.
  void PerformAction();
  // Does what action code `code` says, and takes its next state if the unit
  // survived. Unit is CUnit in PerformAction, whose calls are then virtual,
  // and the kind itself in a kind's phase, whose calls are then bound.
  template <class Unit>
  [[gnu::always_inline]] static void Perform(Unit& unit, std::uint8_t code) {
    const CUnit* p = unit.prev;
    switch (ActionOf(code)) {
      case ActionEngage: unit.Engage(); break;
      case ActionMoveForward: unit.MoveForward(); break;
      case ActionTurnLeft: unit.Turn(ActionTurnLeft); break;
      case ActionTurnRight: unit.Turn(ActionTurnRight); break;
    }
    if (StillLinked(p, &unit)) unit.state = NextStateOf(code);
  }

  // A quarter turn, left or right.
  void Turn(Action turn) {
    if (turn == ActionTurnLeft)
      facing = facing == FacingUp ? FacingLeft : facing - 1;
    else
      facing = facing == FacingLeft ? FacingUp : facing + 1;
  }

  // Puts the unit on a square: the one place x, y and square change.
  void MoveTo(int to) {
    square = static_cast<std::int16_t>(to);
    x = kStep.at[to].x;
    y = kStep.at[to].y;
  }

  // Actions per phase; the quick kinds take two.
  static constexpr int kActionsPerPhase = 1;

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
  std::int16_t square;  // SquareOf(x, y), kept with x and y by MoveTo
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

  // The square ahead in facing, wrapped; -1, after printing the kind's
  // bad-facing message, when facing is not 0..3.
  int Ahead(const char* badFacingMessage) const {
    if (static_cast<unsigned>(facing) > 3) [[unlikely]] {
      PrintBadFacing(badFacingMessage);
      return -1;
    }
    return kStep.to[square][facing];
  }
  // The unit's own square.
  const Cell& Own() const { return world->AtSquare(square); }
  static void PrintBadFacing(const char* message);

  // For a valid facing and the square ahead, target. LookAtAs: the
  // perception code Look gives, and true; false, printing nothing, where
  // Look would print a message. The quick path's parts (see CKind):
  // QuickStep, true if MoveForward would only step onto target; QuickEngage,
  // true if Engage would do nothing, or nothing but what it has just done
  // itself.
  template <class Self>
  [[gnu::always_inline]] bool LookAtAs(const Cell& target, std::uint8_t& perception) {
    return static_cast<Self*>(this)->LookAt(target, perception);
  }
  bool QuickStep(const Cell& target) const { return target.unitType == Empty; }
  // Look with the operations it calls bound to the kind Self (a final
  // class): the fighting kinds' version hides this one.
  template <class Self>
  [[gnu::always_inline]] std::uint8_t LookAs() {
    return static_cast<Self*>(this)->Look();
  }
  // Every kind's Look: what Self's LookAtAs sees on the square ahead, and
  // after the bad-facing or bad-type message, code 0 (for each kind a column
  // that is safe to read).
  template <class Self>
  [[gnu::always_inline]] std::uint8_t LookAhead(const char* badFacingMessage) {
    const int to = Ahead(badFacingMessage);
    if (to < 0) return 0;
    std::uint8_t perception;
    if (static_cast<Self*>(this)->template LookAtAs<Self>(world->AtSquare(to), perception)) return perception;
    PrintMessage(kBadHumanType);
    return 0;
  }
  // True if Artillery covers the unit's square.
  bool UnderCover() const {
    const Cell& own = Own();
    return (own.artilleryRing | own.artilleryCore) != 0;
  }
  // Unlinks the unit, shows its destruction while playing and ends the
  // object: what every Destroy ends with.
  void Remove();
  // The artillery covering the unit's square fires on it; true if it died.
  bool TakeArtilleryFire() { return UnderCover() && ComeUnderFire(Own()); }
  bool ComeUnderFire(const Cell& square);
  // The unit's kind report while playing, e.g. "Scout destroyed at (%d,%d).\t".
  void Report() const;
  // A Mine on square `to` goes off under the unit: it is removed and attacks
  // with 10 against the unit's defence plus the square's bonus. Returns true
  // if the unit survived, and then moves it onto the square.
  bool StepOntoMine(int to, int defenceBonus);
};

inline void CUnit::MoveForward() {
  const int to = Ahead(kBadFacing);
  if (to < 0) return;
  const Cell& target = world->AtSquare(to);
  if (target.unitType == Empty)
    MoveTo(to);
  else if (target.unitType == Mine)
    StepOntoMine(to, target.defenceBonus);
}

// A concrete kind: Base is the kind's parent class, Self the kind itself, a
// final class with kKind, its index in the kind order. Its TakeTurn is the
// one virtual call the turn makes per unit and phase; from there on every
// operation of the kind (Look and what it asks, Engage, MoveForward) is bound
// at compile time, since the kind is known. The virtual operations stay the
// kind's interface for everyone else. TakeTurn is instantiated where the
// kind's operations are defined, so that they can be inlined.
//
// Most actions are plain: a turn, a step onto open ground, an Engage that
// finds nothing to do. TakeTurn does those itself with the square ahead found
// once, and hands everything else (artillery cover, combat, Mines, messages,
// the Scout's marks) to the complete path, which calls the operations one by
// one. The quick path gives up before it changes anything, so the complete
// path starts from the same unit and board and ends the same way.
template <class Base, class Self>
class CKind : public Base {
 public:
  // The kind constructors: every field set, the kind's numbers from its
  // index; the caller links the unit into the list.
  CKind(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing)
      : Base(world, prev, initialState, x, y, facing, Self::kKind) {}
  // Artillery fire, then Self::kActionsPerPhase actions, each after the
  // first only if the unit survived.
  void TakeTurn() final;

  // The next action, if it is a plain one: done, with the next state taken,
  // and kQuickDone. Otherwise, with nothing changed and no die drawn, the
  // action code Look and the behaviour table give, or kLookAgain where the
  // look itself needs the complete path.
  [[gnu::always_inline]] int QuickAction();
  static constexpr int kQuickDone = -1;
  static constexpr int kLookAgain = 256;

 private:
  // PerformAction with the kind's operations bound.
  [[gnu::always_inline]] void Act();
  // The phase's actions, quick while they can be.
  [[gnu::always_inline]] void Actions();
  // The complete path from action `index` of the phase, which QuickAction
  // left as `quick`; each action after the first only if the unit survived.
  [[gnu::noinline]] void ActionsFrom(int index, int quick);
  // The phase under artillery cover.
  [[gnu::noinline]] void PhaseUnderCover();
};

template <class Base, class Self>
void CKind<Base, Self>::TakeTurn() {
  // Every call below is the function's last act, so that the quick path
  // needs no stack frame.
  if (this->UnderCover()) [[unlikely]]
    return PhaseUnderCover();
  Actions();
}

template <class Base, class Self>
inline void CKind<Base, Self>::Actions() {
  const int first = QuickAction();
  if (first != kQuickDone) return ActionsFrom(0, first);
  if constexpr (Self::kActionsPerPhase == 2) {
    const int second = QuickAction();
    if (second != kQuickDone) return ActionsFrom(1, second);
  }
}

template <class Base, class Self>
void CKind<Base, Self>::PhaseUnderCover() {
  if (this->ComeUnderFire(this->Own())) return;
  Actions();
}

template <class Base, class Self>
void CKind<Base, Self>::ActionsFrom(int index, int quick) {
  Self& self = static_cast<Self&>(*this);
  const CUnit* p = this->prev;
  for (;;) {
    if (quick == kLookAgain)
      Act();
    else
      CUnit::Perform(self, static_cast<std::uint8_t>(quick));
    if (++index == Self::kActionsPerPhase || !CUnit::StillLinked(p, this)) return;
    quick = QuickAction();
    if (quick == kQuickDone) return;
  }
}

template <class Base, class Self>
inline int CKind<Base, Self>::QuickAction() {
  Self& self = static_cast<Self&>(*this);
  if (static_cast<unsigned>(this->facing) > 3) [[unlikely]]
    return kLookAgain;
  const int to = kStep.to[this->square][this->facing];
  const Cell& target = this->world->AtSquare(to);
  std::uint8_t perception;
  if (!self.template LookAtAs<Self>(target, perception)) return kLookAgain;
  const std::uint8_t code = this->world->behaviourTables[Self::kKind][this->state & 3][perception & 7];
  switch (ActionOf(code)) {
    case ActionEngage:
      if (!self.QuickEngage(target)) return code;
      break;
    case ActionMoveForward:
      if (!self.QuickStep(target)) return code;
      this->MoveTo(to);
      break;
    case ActionTurnLeft: this->Turn(ActionTurnLeft); break;
    case ActionTurnRight: this->Turn(ActionTurnRight); break;
  }
  this->state = NextStateOf(code);
  return kQuickDone;
}

template <class Base, class Self>
inline void CKind<Base, Self>::Act() {
  Self& self = static_cast<Self&>(*this);
  const std::uint8_t perception = self.template LookAs<Self>();
  CUnit::Perform(self, this->world->behaviourTables[Self::kKind][this->state & 3][perception & 7]);
}

// Heads a turn's unit list. It never acts.
class CUnitListHead final : public CUnit {
 public:
  CUnitListHead();
  std::uint8_t ChooseAction() override { return 0; }
  void Engage() override {}
  std::uint8_t Look() override { return 0; }
};
