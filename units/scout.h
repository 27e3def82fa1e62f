#pragma once
// The Scout: the cheapest kind. It sees more than the fighting kinds (Mines,
// Artillery cover, Jammer zones), and its Engage marks the squares around it
// so that fighting kinds nearby learn in which direction a Scout stands. The
// marks come off when the Scout steps away or dies.

#include "units/unit.h"

class CScout final : public CUnit {
 public:
  CScout(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);

  void Destroy() override;
  std::uint8_t ChooseAction() override;
  void Engage() override;
  void MoveForward() override;
  std::uint8_t Look() override;

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
class CScavenger final : public CUnit {
 public:
  CScavenger(CWorld* world, CUnit* prev, std::int8_t initialState, int x, int y, int facing);

  void Destroy() override;
  std::uint8_t ChooseAction() override;
  void Engage() override;
  std::uint8_t Look() override;
};
