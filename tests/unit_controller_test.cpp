#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include "tests/unit_fixture.h"

using ControllerTest = UnitTest;

TEST_F(ControllerTest, KindsCarryTheirNumbers) {
  struct Expected {
    CUnit* unit;
    int kindCode, attack, defence, price;
  } kinds[] = {
      {Spawn<CScout>(0, 0, 0), 9, 0, 1, 10},
      {Spawn<CScavenger>(0, 0, 0), 10, 0, 1, 100},
      {Spawn<CCommonBarbarian>(0, 0, 0), 11, 6, 3, 50},
      {Spawn<CAmphibiousBarbarian>(0, 0, 0), 12, 6, 3, 60},
      {Spawn<CMobileBarbarian>(0, 0, 0), 13, 5, 3, 70},
      {Spawn<CJumpBarbarian>(0, 0, 0), 14, 6, 2, 70},
      {Spawn<CKamikazeeBarbarian>(0, 0, 0), 15, 0, 10, 70},
      {Spawn<CArmoredBarbarian>(3, 4, 2), 16, 15, 10, 200},
  };
  for (const Expected& k : kinds) {
    EXPECT_EQ(k.unit->kindCode, k.kindCode);
    EXPECT_EQ(k.unit->attack, k.attack);
    EXPECT_EQ(k.unit->defence, k.defence);
    EXPECT_EQ(k.unit->price, k.price);
    EXPECT_EQ(k.unit->loot, 0);
    EXPECT_EQ(k.unit->state, 0);
  }
  EXPECT_EQ(kinds[7].unit->x, 3);
  EXPECT_EQ(kinds[7].unit->y, 4);
  EXPECT_EQ(kinds[7].unit->facing, 2);
  EXPECT_EQ(kinds[7].unit->prev, kinds[6].unit);
  EXPECT_EQ(kinds[7].unit->next, nullptr);
  EXPECT_EQ(static_cast<CScout*>(kinds[0].unit)->areaMarked, 0);
}

TEST_F(ControllerTest, ListHeadNeverActs) {
  EXPECT_EQ(head.world, nullptr);
  EXPECT_EQ(head.prev, nullptr);
  EXPECT_EQ(head.kindCode, 0);
  for (int value : {head.x, head.y, head.facing, head.loot, head.attack, head.defence, head.price})
    EXPECT_EQ(value, -1);
  EXPECT_EQ(head.Look(), 0);
  EXPECT_EQ(head.ChooseAction(), 0);
}

TEST_F(ControllerTest, ActionRowSelectsByPerception) {
  // Row 4, 12, 12, 5, 0, 0, 12, 0 for a fighting kind in state 0.
  const std::uint8_t row[8] = {4, 12, 12, 5, 0, 0, 12, 0};
  std::memcpy(world.behaviourTables[KindCommon][0], row, 8);
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingRight);

  unit->PerformAction();  // 0: open ground, no Scouts: step forward, stay in state 0
  EXPECT_EQ(unit->x, 6);
  EXPECT_EQ(unit->state, 0);

  world.At(7, 5).unitType = Impassable;  // 1: turn right
  unit->PerformAction();
  EXPECT_EQ(unit->facing, FacingDown);
  EXPECT_EQ(unit->x, 6);

  // 3: a Scout's mark pointing the facing direction: step and take state 1.
  world.At(6, 5).scoutNear = 1;
  world.At(6, 5).scoutNearDir[FacingDown] = 1;
  unit->PerformAction();
  EXPECT_EQ(unit->y, 6);
  EXPECT_EQ(unit->state, 1);
}

TEST_F(ControllerTest, EngagesPlayerUnitsAndTurnsRightAtArmor) {
  const std::uint8_t row[8] = {4, 12, 12, 5, 0, 0, 12, 0};
  std::memcpy(world.behaviourTables[KindCommon][0], row, 8);
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  world.At(5, 4).unitType = Armor;  // 6: turn right, no fight
  randomSeed = 99;
  unit->PerformAction();
  EXPECT_EQ(unit->facing, FacingRight);
  EXPECT_EQ(randomSeed.load(), 99u);
  world.At(6, 5).unitType = Jammer;  // 7: engage, which rolls the dice
  unit->PerformAction();
  EXPECT_NE(randomSeed.load(), 99u);
  EXPECT_EQ(unit->facing, FacingRight);
}

TEST_F(ControllerTest, HighBitsOfAnActionCodeAreIgnored) {
  Always(KindCommon, 0x18);  // acts as 0x08: turn left, state 0
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  unit->state = 2;
  unit->PerformAction();
  EXPECT_EQ(unit->facing, FacingLeft);
  EXPECT_EQ(unit->state, 0);
  Always(KindCommon, 0x1f);  // turn right, state 3
  unit->PerformAction();
  EXPECT_EQ(unit->facing, FacingUp);
  EXPECT_EQ(unit->state, 3);
}

TEST_F(ControllerTest, TableRowIsTheUnitsState) {
  world.behaviourTables[KindScavenger][2][4] = 12 | 1;  // state 2, open ground, poor square
  CScavenger* unit = Spawn<CScavenger>(5, 5, FacingUp);
  unit->state = 2;
  EXPECT_EQ(unit->ChooseAction(), 13);
  unit->PerformAction();
  EXPECT_EQ(unit->facing, FacingRight);
  EXPECT_EQ(unit->state, 1);
}

TEST_F(ControllerTest, AUnitKilledInItsActionIsUnlinkedAndTheNextStillActs) {
  Always(KindCommon, 0 | 2);  // engage and take state 2
  Always(KindScout, 4);
  CCommonBarbarian* doomed = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  CScout* behind = Spawn<CScout>(10, 10, FacingUp);
  world.At(5, 4).unitType = Armor;
  // The attack (6 against 10) fails, the Armor's counter-blow (8 against 3) kills.
  SeedWhere([] { return RandomDraw(16, 1) <= 10 && RandomDraw(11, 1) > 3; });
  doomed->TakeTurn();
  EXPECT_EQ(head.next, behind);
  EXPECT_EQ(behind->prev, &head);
  behind->TakeTurn();
  EXPECT_EQ(behind->y, 9);
  EXPECT_EQ(world.At(5, 4).unitType, Armor);
}

TEST_F(ControllerTest, QuickKindsTakeTwoActionsWithTheStateOfTheFirst) {
  world.behaviourTables[KindMobile][0][0] = 12 | 1;  // turn right, then state 1
  world.behaviourTables[KindMobile][1][0] = 12 | 2;  // turn right again, then state 2
  CMobileBarbarian* mobile = Spawn<CMobileBarbarian>(5, 5, FacingUp);
  mobile->TakeTurn();
  EXPECT_EQ(mobile->facing, FacingDown);
  EXPECT_EQ(mobile->state, 2);

  Always(KindKamikazee, 4);
  CKamikazeeBarbarian* kamikazee = Spawn<CKamikazeeBarbarian>(10, 10, FacingRight);
  kamikazee->TakeTurn();
  EXPECT_EQ(kamikazee->x, 12);
}

TEST_F(ControllerTest, AQuickKindKilledInItsFirstActionTakesNoSecond) {
  Always(KindMobile, 0);  // engage, engage
  CMobileBarbarian* mobile = Spawn<CMobileBarbarian>(5, 5, FacingUp);
  world.At(5, 4).unitType = Infantry;
  // Attack 5 against 6 fails, the Infantry's 3 against 3 kills.
  const std::uint32_t seed = SeedWhere([] { return RandomDraw(11, 1) <= 6 && RandomDraw(6, 1) > 3; });
  randomSeed = seed;
  RandomStep();
  RandomStep();
  const std::uint32_t afterTwoDraws = randomSeed;
  randomSeed = seed;
  mobile->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  EXPECT_EQ(randomSeed.load(), afterTwoDraws);  // the attack and the counter-blow, nothing more
  EXPECT_EQ(world.At(5, 4).unitType, Infantry);
}

TEST_F(ControllerTest, AKamikazeeThatStrikesDiesAndTakesNoSecondAction) {
  Always(KindKamikazee, 0);
  CKamikazeeBarbarian* unit = Spawn<CKamikazeeBarbarian>(5, 5, FacingUp);
  world.At(5, 4).unitType = Drone;
  world.At(5, 6).unitType = Drone;  // a second action after turning could not reach it anyway
  randomSeed = 7;
  unit->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  EXPECT_EQ(world.At(5, 4).unitType, Empty);
  EXPECT_EQ(world.At(5, 6).unitType, Drone);
  EXPECT_EQ(randomSeed.load(), 7u);  // no die for a sure kill
}

TEST_F(ControllerTest, DestructionIsReportedWhilePlaying) {
  RecordingOwner owner;
  world.owner = &owner;
  world.mode = ModePlaying;
  world.gameSpeed = 2;
  Spawn<CScout>(1, 1, 0)->Destroy();
  Spawn<CScavenger>(2, 1, 0)->Destroy();
  Spawn<CCommonBarbarian>(4, 5, 0)->Destroy();
  Spawn<CAmphibiousBarbarian>(3, 1, 0)->Destroy();
  Spawn<CMobileBarbarian>(3, 2, 0)->Destroy();
  Spawn<CJumpBarbarian>(3, 3, 0)->Destroy();
  Spawn<CKamikazeeBarbarian>(3, 4, 0)->Destroy();
  Spawn<CArmoredBarbarian>(23, 0, 0)->Destroy();
  EXPECT_EQ(head.next, nullptr);
  const std::vector<std::string> reports = {"Status Scout destroyed at (1,1).\t",
                                            "Status Scavenger destroyed at (2,1).\t",
                                            "Status Common Barbarian destroyed at (4,5).\t",
                                            "Status Amphibious Barbarian destroyed at (3,1).\t",
                                            "Status Mobile Barbarian destroyed at (3,2).\t",
                                            "Status Jump Barbarian destroyed at (3,3).\t",
                                            "Status Kamikazee Barbarian destroyed at (3,4).\t",
                                            "Status Armored Barbarian destroyed at (23,0).\t"};
  ASSERT_EQ(owner.calls.size(), 4 * reports.size());
  for (std::size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(owner.calls[4 * i], reports[i]);
    EXPECT_EQ(owner.calls[4 * i + 1].rfind("DrawMarkerAt", 0), 0u);
    EXPECT_EQ(owner.calls[4 * i + 2], "Pause 80");
    EXPECT_EQ(owner.calls[4 * i + 3].rfind("DrawTerrainAt", 0), 0u);
  }
}

TEST_F(ControllerTest, DestroyUnlinksFromTheMiddleOfTheList) {
  CUnit* a = Spawn<CScout>(1, 1, 0);
  CUnit* b = Spawn<CScout>(2, 2, 0);
  CUnit* c = Spawn<CScout>(3, 3, 0);
  RecordingOwner owner;
  world.owner = &owner;  // a simulation world shows nothing even with an owner
  b->Destroy();
  EXPECT_EQ(a->next, c);
  EXPECT_EQ(c->prev, a);
  EXPECT_FALSE(b == a->next);
  EXPECT_TRUE(owner.calls.empty());
}

namespace {

// One side of the comparison below: a world with one unit of a kind on (5, 5).
struct Side {
  CWorld world;
  CUnitListHead head;
  CUnitPool pool;
  CUnit* unit = nullptr;

  void Place(int kind, int facing) {
    CWorld* w = &world;
    switch (kind) {
      case KindScout: unit = pool.Create<CScout>(w, &head, 0, 5, 5, facing); break;
      case KindScavenger: unit = pool.Create<CScavenger>(w, &head, 0, 5, 5, facing); break;
      case KindCommon: unit = pool.Create<CCommonBarbarian>(w, &head, 0, 5, 5, facing); break;
      case KindAmphibious: unit = pool.Create<CAmphibiousBarbarian>(w, &head, 0, 5, 5, facing); break;
      case KindMobile: unit = pool.Create<CMobileBarbarian>(w, &head, 0, 5, 5, facing); break;
      case KindJump: unit = pool.Create<CJumpBarbarian>(w, &head, 0, 5, 5, facing); break;
      case KindKamikazee: unit = pool.Create<CKamikazeeBarbarian>(w, &head, 0, 5, 5, facing); break;
      default: unit = pool.Create<CArmoredBarbarian>(w, &head, 0, 5, 5, facing); break;
    }
    head.next = unit;
  }
  bool Alive() const { return head.next == unit; }
  void Clear() {
    if (Alive()) unit->~CUnit();
    head.next = nullptr;
    pool.Release();
  }
};

// Standard output into a pipe while it lives: Take() gives what was printed
// since the last call. (Cheaper than gtest's capture, which opens a file.)
class PrintedText {
 public:
  PrintedText() {
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    if (pipe(fds_) != 0) std::abort();
    fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    dup2(fds_[1], STDOUT_FILENO);
  }
  ~PrintedText() {
    std::fflush(stdout);
    dup2(saved_, STDOUT_FILENO);
    close(saved_);
    close(fds_[0]);
    close(fds_[1]);
  }
  std::string Take() {
    std::fflush(stdout);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(fds_[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
  }

 private:
  int fds_[2];
  int saved_;
};

// What the phase of a kind must do: artillery fire, then its actions, each
// operation called through the unit's virtual interface.
void PhaseOperationByOperation(CUnit* unit, int actions) {
  const CUnit* p = unit->prev;
  unit->CUnit::TakeTurn();
  if (actions == 2 && CUnit::StillLinked(p, unit)) unit->PerformAction();
}

}  // namespace

// A kind's phase does the plain actions itself and hands the rest on; the
// result must be that of the operations called one by one. Both run from the
// same position for every kind, state and facing (a bad one too), every code
// ahead (a bad one too, and a second square for the Jump Barbarian), own
// squares that are open, jammed, sensing Scouts, under cover or near a site,
// and Scouts that have marked their area, under random behaviour tables.
using KindPhaseTest = CoreTest;

TEST_F(KindPhaseTest, DoesWhatTheOperationsCalledOneByOneDo) {
  Side quick, reference;
  PrintedText printed;
  std::uint32_t tables = 7;
  int compared = 0;
  for (int kind = 0; kind < kKindCount; ++kind)
    for (int ahead = Impassable - 1; ahead <= Artillery + 1; ++ahead)
      for (int own = 0; own < 6; ++own)
        for (int facing : {0, 2, 3, 5})  // up, down, left and a bad facing
          for (int state = 0; state < 4; ++state)
            for (int marked = 0; marked <= (kind == KindScout ? 1 : 0); ++marked) {
              tables = tables * 1103515245u + 12345u;
              for (Side* side : {&quick, &reference}) {
                CWorld& w = side->world;
                ClearBoard(w);
                w.mode = ModeSimulation;
                w.phase = 7;
                for (int i = 0; i < static_cast<int>(sizeof w.behaviourTables); ++i)
                  (&w.behaviourTables[0][0][0])[i] = static_cast<std::uint8_t>((tables >> (i % 24)) + i * 7);
                for (int f = 0; f < 4; ++f) {
                  w.At(5 + kStepX[f], 5 + kStepY[f]).unitType = ahead;
                  w.At(5 + 2 * kStepX[f], 5 + 2 * kStepY[f]).unitType = (f + ahead) % 3 == 0 ? Empty : Infantry;
                }
                Cell& o = w.At(5, 5);
                o.jammed = own == 1;
                o.scoutNear = o.scoutFar = own == 2 || own == 3;
                if (own == 2) o.scoutNearDir[FacingUp] = o.scoutFarDir[FacingLeft] = 1;
                if (own == 3) o.scoutFarDir[FacingDown] = 2;
                o.artilleryRing = own == 4;
                o.siteBits = own == 5 ? 0x05 : 0;
                o.incomeBonus = own == 5 ? 2 : 0;
                o.defenceBonus = 1;
                side->Place(kind, facing);
                side->unit->state = static_cast<std::int8_t>(state);
                if (marked) static_cast<CScout*>(side->unit)->MarkScoutArea();
              }
              const int actions = kind == KindMobile || kind == KindKamikazee ? 2 : 1;
              randomSeed = 99;
              quick.unit->TakeTurn();
              const std::string quickOutput = printed.Take();
              const std::uint32_t quickSeed = randomSeed;
              randomSeed = 99;
              PhaseOperationByOperation(reference.unit, actions);
              const std::string referenceOutput = printed.Take();

              SCOPED_TRACE(testing::Message() << "kind " << kind << ", ahead " << ahead << ", own " << own
                                              << ", facing " << facing << ", state " << state << ", marked " << marked);
              ASSERT_EQ(quick.Alive(), reference.Alive());
              if (quick.Alive()) {
                const CUnit& a = *quick.unit;
                const CUnit& b = *reference.unit;
                ASSERT_EQ(std::tie(a.x, a.y, a.square, a.facing, a.state, a.loot),
                          std::tie(b.x, b.y, b.square, b.facing, b.state, b.loot));
              }
              ASSERT_EQ(quickOutput, referenceOutput);
              ASSERT_EQ(quickSeed, randomSeed.load());
              ASSERT_EQ(std::memcmp(quick.world.cells, reference.world.cells, sizeof quick.world.cells), 0);
              quick.Clear();
              reference.Clear();
              ++compared;
            }
  EXPECT_EQ(compared, 9 * 13 * 6 * 4 * 4);
}
