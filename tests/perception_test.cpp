// What Scouts, Scavengers and the fighting kinds see, and the Scouts' marks
// that let the fighting kinds sense them.

#include <gtest/gtest.h>

#include <cstring>

#include "tests/unit_fixture.h"

using PerceptionTest = UnitTest;

namespace {

bool NoScoutMarks(const CWorld& world) {
  for (const auto& column : world.cells)
    for (const Cell& cell : column) {
      if (cell.scoutNear || cell.scoutFar) return false;
      for (int f = 0; f < 4; ++f)
        if (cell.scoutNearDir[f] || cell.scoutFarDir[f]) return false;
    }
  return true;
}

}  // namespace

TEST_F(PerceptionTest, ScoutMarksWrapAndPointAtTheScout) {
  CScout* scout = Spawn<CScout>(0, 0, FacingUp);
  scout->Engage();
  EXPECT_TRUE(scout->areaMarked);
  int far = 0, near = 0;
  for (int x = 0; x < 24; ++x)
    for (int y = 0; y < 24; ++y) {
      far += world.At(x, y).scoutFar;
      near += world.At(x, y).scoutNear;
    }
  EXPECT_EQ(far, 49);
  EXPECT_EQ(near, 25);
  const Cell& own = world.At(0, 0);
  EXPECT_EQ(own.scoutNear, 1);
  EXPECT_EQ(own.scoutFar, 1);
  for (int f = 0; f < 4; ++f) EXPECT_EQ(own.scoutNearDir[f] + own.scoutFarDir[f], 0);
  EXPECT_EQ(world.At(2, 0).scoutFarDir[FacingLeft], 1);
  EXPECT_EQ(world.At(2, 0).scoutNearDir[FacingLeft], 1);
  const Cell& below = world.At(0, 21);  // three above the Scout across the edge: it lies down
  EXPECT_EQ(below.scoutFarDir[FacingDown], 1);
  EXPECT_EQ(below.scoutNearDir[FacingDown], 0);
  EXPECT_EQ(below.scoutNear, 0);
  const Cell& diagonal = world.At(22, 22);  // the Scout lies right and down
  EXPECT_EQ(diagonal.scoutNearDir[FacingRight], 1);
  EXPECT_EQ(diagonal.scoutNearDir[FacingDown], 1);
  EXPECT_EQ(diagonal.scoutNearDir[FacingUp] + diagonal.scoutNearDir[FacingLeft], 0);
}

TEST_F(PerceptionTest, AScoutThatEngagesTwiceMarksOnce) {
  CScout* scout = Spawn<CScout>(5, 5, FacingUp);
  scout->Engage();
  scout->Engage();
  EXPECT_EQ(world.At(5, 7).scoutNearDir[FacingUp], 1);
}

TEST_F(PerceptionTest, AMarkedScoutThatStepsLeavesNoMarks) {
  Always(KindScout, 4);
  CScout* scout = Spawn<CScout>(23, 23, FacingRight);
  scout->Engage();
  scout->TakeTurn();
  EXPECT_EQ(scout->x, 0);
  EXPECT_FALSE(scout->areaMarked);
  EXPECT_TRUE(NoScoutMarks(world));
  scout->Engage();  // marks again at its new square
  EXPECT_EQ(world.At(2, 23).scoutNearDir[FacingLeft], 1);
}

TEST_F(PerceptionTest, ABlockedScoutKeepsItsMarks) {
  Always(KindScout, 4);
  CScout* scout = Spawn<CScout>(5, 5, FacingRight);
  world.At(6, 5).unitType = Water;
  scout->Engage();
  scout->TakeTurn();
  EXPECT_TRUE(scout->areaMarked);
  EXPECT_EQ(world.At(5, 5).scoutNear, 1);
}

TEST_F(PerceptionTest, AScoutKilledByAMineLiftsItsMarksWhereItStood) {
  Always(KindScout, 4);
  CScout* scout = Spawn<CScout>(5, 5, FacingRight);
  world.At(6, 5).unitType = Mine;
  scout->Engage();
  SeedWhere([] { return RandomDraw(11, 1) > 1; });  // the Mine's 10 against 1 wins
  scout->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  EXPECT_TRUE(NoScoutMarks(world));
}

TEST_F(PerceptionTest, OverlappingScoutsClearEachOthersFlagsButNotCounts) {
  CScout* first = Spawn<CScout>(5, 5, FacingUp);
  CScout* second = Spawn<CScout>(8, 5, FacingUp);
  first->Engage();
  second->Engage();
  first->Destroy();
  const Cell& between = world.At(7, 5);
  EXPECT_EQ(between.scoutNear, 0);                  // flags of the whole area are cleared
  EXPECT_EQ(between.scoutNearDir[FacingRight], 1);  // the second Scout's count stays
  EXPECT_EQ(between.scoutNearDir[FacingLeft], 0);
  EXPECT_EQ(world.At(10, 5).scoutNear, 1);
  EXPECT_TRUE(second->areaMarked);
}

TEST_F(PerceptionTest, ScoutSeesMinesCoverAndJamming) {
  CScout* scout = Spawn<CScout>(5, 5, FacingUp);
  const struct {
    int ahead;
    int expected;
  } cases[] = {{Impassable, 1}, {Water, 1},   {Empty, 0},  {Drone, 4},     {Farmer, 4}, {Mine, 7},
               {Infantry, 5},   {Settler, 5}, {Jammer, 5}, {Artillery, 5}, {Armor, 6}};
  for (const auto& c : cases) {
    world.At(5, 4).unitType = c.ahead;
    EXPECT_EQ(scout->Look(), c.expected) << "ahead " << c.ahead;
  }
  world.At(5, 4).unitType = Empty;
  world.At(5, 5).artilleryRing = 1;
  EXPECT_EQ(scout->Look(), 3);
  world.At(5, 5).jammed = 1;
  world.At(5, 4).unitType = Mine;
  EXPECT_EQ(scout->Look(), 2);
}

TEST_F(PerceptionTest, ScavengerSeesSitesAndRichGround) {
  world.At(5, 5).incomeBonus = 3;
  world.MarkSite(5, 5);
  CScavenger* onSite = Spawn<CScavenger>(5, 5, FacingRight);
  EXPECT_EQ(onSite->Look(), 7);
  onSite->Engage();
  EXPECT_EQ(onSite->loot, 5);

  CScavenger* below = Spawn<CScavenger>(5, 6, FacingUp);  // one square below the site
  EXPECT_EQ(below->Look(), 3);
  below->facing = FacingDown;
  EXPECT_EQ(below->Look(), 2);
  world.At(5, 7).unitType = Mine;  // a Mine looks like open ground
  EXPECT_EQ(below->Look(), 2);
  world.At(5, 7).unitType = Drone;
  EXPECT_EQ(below->Look(), 0);
  world.At(5, 7).unitType = Water;
  EXPECT_EQ(below->Look(), 1);

  CScavenger* far = Spawn<CScavenger>(15, 15, FacingUp);
  for (auto [bonus, expected] : {std::pair{-1, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}}) {
    world.At(15, 15).incomeBonus = bonus;
    EXPECT_EQ(far->Look(), expected) << bonus;
  }
  world.At(15, 15).incomeBonus = -1;
  far->Engage();
  EXPECT_EQ(far->loot, 1);
  world.At(15, 15).incomeBonus = -2;
  far->Engage();
  EXPECT_EQ(far->loot, 1);
}

TEST_F(PerceptionTest, FightingKindsSeePlayerUnitsByClassAndNotMines) {
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingDown);
  const struct {
    int ahead;
    int expected;
  } cases[] = {{Impassable, 1}, {Water, 1},   {Empty, 0}, {Mine, 0},   {Drone, 4},    {Farmer, 4},
               {Infantry, 5},   {Settler, 5}, {Armor, 6}, {Jammer, 7}, {Artillery, 7}};
  for (const auto& c : cases) {
    world.At(5, 6).unitType = c.ahead;
    EXPECT_EQ(unit->Look(), c.expected) << "ahead " << c.ahead;
  }
}

TEST_F(PerceptionTest, AmphibiousBarbarianTakesWaterForOpenGround) {
  world.At(5, 4).unitType = Water;
  CCommonBarbarian* common = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  CAmphibiousBarbarian* amphibious = Spawn<CAmphibiousBarbarian>(5, 5, FacingUp);
  EXPECT_EQ(common->Look(), 1);
  EXPECT_EQ(amphibious->Look(), 0);
  world.At(5, 5).scoutNear = 1;
  EXPECT_EQ(amphibious->Look(), 2);
  world.At(5, 5).scoutNearDir[FacingUp] = 1;
  EXPECT_EQ(amphibious->Look(), 3);
  Always(KindAmphibious, 4);
  Always(KindCommon, 4);
  amphibious->TakeTurn();
  common->TakeTurn();
  EXPECT_EQ(amphibious->y, 4);
  EXPECT_EQ(common->y, 5);
}

TEST_F(PerceptionTest, FarSensingKindsFeelScoutsThreeSquaresAway) {
  CScout* scout = Spawn<CScout>(5, 2, FacingUp);
  scout->Engage();
  CMobileBarbarian* mobile = Spawn<CMobileBarbarian>(5, 5, FacingUp);
  CArmoredBarbarian* armored = Spawn<CArmoredBarbarian>(5, 5, FacingUp);
  CCommonBarbarian* common = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  EXPECT_EQ(mobile->Look(), 3);
  EXPECT_EQ(armored->Look(), 3);
  EXPECT_EQ(common->Look(), 0);  // outside the Scout's 5 x 5
  mobile->facing = common->facing = FacingRight;
  EXPECT_EQ(mobile->Look(), 2);
  for (CUnit* unit : {static_cast<CUnit*>(mobile), static_cast<CUnit*>(common)}) {
    unit->MoveTo(SquareOf(unit->x, 4));
    unit->facing = FacingUp;
    EXPECT_EQ(unit->Look(), 3);  // two below the Scout: both feel it
  }
  world.At(5, 4).jammed = 1;
  EXPECT_EQ(mobile->Look(), 0);
  EXPECT_EQ(common->Look(), 0);
}

TEST_F(PerceptionTest, BadFacingsArePrintedAndSeeNothing) {
  CCommonBarbarian* common = Spawn<CCommonBarbarian>(5, 5, 4);
  CMobileBarbarian* mobile = Spawn<CMobileBarbarian>(5, 5, 7);
  CScout* scout = Spawn<CScout>(5, 5, -1);
  world.At(5, 5).scoutNear = world.At(5, 5).scoutFar = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(common->Look(), 0);
  EXPECT_EQ(common->SenseScouts(), 0);
  EXPECT_EQ(mobile->SenseScouts(), 0);
  EXPECT_EQ(scout->Look(), 0);
  common->MoveForward();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error:Bad Facing...\nError:Bad Facing...\nError: Bad Facing...\nError: Bad Facing...\n"
            "Error: Bad Facing...\n");
  EXPECT_EQ(common->x, 5);
}
