#pragma once
// A board of plain empty land and a unit list to put barbarians on, for the
// tests of single units.

#include <cstring>

#include "engine/unit_pool.h"
#include "model/random.h"
#include "model/world.h"
#include "tests/test_support.h"
#include "units/barbarian.h"
#include "units/scout.h"

class UnitTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    ClearBoard(world);
    world.mode = ModeSimulation;
    world.phase = 0;
    std::memset(world.behaviourTables, 0, sizeof world.behaviourTables);
  }
  void TearDown() override {
    for (CUnit* unit = head.next; unit;) {
      CUnit* following = unit->next;
      unit->~CUnit();
      unit = following;
    }
    pool.Release();
    CoreTest::TearDown();
  }

  // Appends a unit of the given kind at (x, y) facing f, in state 0.
  template <typename Kind>
  Kind* Spawn(int x, int y, int facing) {
    CUnit* tail = &head;
    while (tail->next) tail = tail->next;
    Kind* unit = pool.Create<Kind>(&world, tail, std::int8_t{0}, x, y, facing);
    tail->next = unit;
    return unit;
  }

  // Every entry of a kind's behaviour table set to one action code.
  void Always(int kind, std::uint8_t code) { std::memset(world.behaviourTables[kind], code, 32); }

  int Count() const {
    int n = 0;
    for (const CUnit* unit = head.next; unit; unit = unit->next) ++n;
    return n;
  }

  CWorld world;
  CUnitListHead head;
  CUnitPool pool;
};
