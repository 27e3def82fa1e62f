#include <gtest/gtest.h>

#include "tests/unit_fixture.h"

using CombatTest = UnitTest;

TEST_F(CombatTest, ContestDrawsOnlyWhenBothSidesHaveStrength) {
  randomSeed = 5;
  EXPECT_FALSE(CUnit::Contest(0, 5));
  EXPECT_TRUE(CUnit::Contest(5, 0));
  EXPECT_FALSE(CUnit::Contest(-3, -3));
  EXPECT_EQ(randomSeed.load(), 5u);
  for (int r = 1; r <= 9; ++r) {
    SeedWhere([r] { return RandomDraw(9, 1) == r; });
    EXPECT_EQ(CUnit::Contest(6, 3), r > 3) << "r = " << r;
  }
}

TEST_F(CombatTest, ArtilleryFiresOneDiePerCoverCount) {
  Always(KindScout, 8);  // turn left: no draws of its own
  CScout* unit = Spawn<CScout>(5, 5, FacingUp);
  world.At(5, 5).artilleryRing = 2;
  world.At(5, 5).artilleryCore = 1;
  // Two ring dice and one core die, all missing: exactly three draws.
  const std::uint32_t seed =
      SeedWhere([] { return RandomDraw(8, 1) > 2 && RandomDraw(8, 1) > 2 && RandomDraw(8, 1) > 1; });
  for (int i = 0; i < 3; ++i) RandomStep();
  const std::uint32_t afterThree = randomSeed;
  randomSeed = seed;
  unit->TakeTurn();
  EXPECT_EQ(head.next, unit);
  EXPECT_EQ(randomSeed.load(), afterThree);
  EXPECT_EQ(unit->facing, FacingLeft);
}

TEST_F(CombatTest, ArtilleryHitsKillWithTheirStrength) {
  Always(KindCommon, 8);
  world.At(5, 5).artilleryRing = 1;
  world.At(5, 5).defenceBonus = 1;
  // A ring die of 1 fires at 10 against defence 3 + 1: r in 1..14 wins above 4.
  SeedWhere([] { return RandomDraw(8, 1) == 1 && RandomDraw(14, 1) > 4; });
  Spawn<CCommonBarbarian>(5, 5, FacingUp)->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  // A ring die of 2 fires at 5: r in 1..9 must exceed 4.
  SeedWhere([] { return RandomDraw(8, 1) == 2 && RandomDraw(9, 1) <= 4; });
  CCommonBarbarian* survivor = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  survivor->TakeTurn();
  EXPECT_EQ(head.next, survivor);
  EXPECT_EQ(survivor->facing, FacingLeft);  // it survived and acted
  // A core die of 2 does nothing; only 1 fires there.
  world.At(5, 5).artilleryRing = 0;
  world.At(5, 5).artilleryCore = 1;
  SeedWhere([] { return RandomDraw(8, 1) == 2; });
  survivor->TakeTurn();
  EXPECT_EQ(head.next, survivor);
}

TEST_F(CombatTest, AMineIsSpentWhateverTheRollSays) {
  Always(KindCommon, 4);
  world.At(5, 4).unitType = Mine;
  world.At(5, 4).defenceBonus = 2;
  // The Mine attacks with 10 against 3 + 2: it wins above 5 of 15.
  SeedWhere([] { return RandomDraw(15, 1) > 5; });
  Spawn<CCommonBarbarian>(5, 5, FacingUp)->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  EXPECT_EQ(world.At(5, 4).unitType, Empty);

  world.At(5, 4).unitType = Mine;
  SeedWhere([] { return RandomDraw(15, 1) <= 5; });
  CCommonBarbarian* lucky = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  lucky->TakeTurn();
  EXPECT_EQ(head.next, lucky);
  EXPECT_EQ(lucky->y, 4);  // it ends on the former Mine square
  EXPECT_EQ(world.At(5, 4).unitType, Empty);
}

TEST_F(CombatTest, MoveForwardIsBlockedByAnythingButEmptyLandAndMines) {
  Always(KindCommon, 4);
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(0, 0, FacingLeft);
  for (int blocker : {Water, Impassable, Drone, Armor, Artillery}) {
    world.At(23, 0).unitType = blocker;
    unit->TakeTurn();
    EXPECT_EQ(unit->x, 0) << blocker;
  }
  world.At(23, 0).unitType = Empty;
  Spawn<CScout>(23, 0, FacingUp);  // other barbarians never block
  unit->TakeTurn();
  EXPECT_EQ(unit->x, 23);
}

TEST_F(CombatTest, AttackRollsAgainstDefencePlusTheVictimsGround) {
  Always(KindCommon, 0);
  world.At(5, 4).unitType = Infantry;
  world.At(5, 4).defenceBonus = 2;  // terrain code 4
  world.At(5, 5).defenceBonus = 1;
  // 6 against 6 + 2 over 1..14 fails up to 8; the Infantry strikes back with
  // 3 against 3 + 1 over 1..7 and misses up to 4.
  SeedWhere([] { return RandomDraw(14, 1) == 8 && RandomDraw(7, 1) <= 4; });
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  unit->TakeTurn();
  EXPECT_EQ(head.next, unit);
  EXPECT_EQ(world.At(5, 4).unitType, Infantry);
  // At 9 the attack wins: the Infantry is removed, no loot, the barbarian stays.
  SeedWhere([] { return RandomDraw(14, 1) == 9; });
  unit->TakeTurn();
  EXPECT_EQ(world.At(5, 4).unitType, Empty);
  EXPECT_EQ(unit->y, 5);
  EXPECT_EQ(unit->loot, 0);
}

TEST_F(CombatTest, CounterBlowOfZeroNeverDraws) {
  Always(KindCommon, 0);
  world.At(5, 4).unitType = Jammer;
  world.SetJammed(1, 5, 4);
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  const std::uint32_t seed = SeedWhere([] { return RandomDraw(8, 1) <= 2; });  // 6 against 2 fails
  RandomStep();
  const std::uint32_t afterOne = randomSeed;
  randomSeed = seed;
  unit->TakeTurn();
  EXPECT_EQ(randomSeed.load(), afterOne);
  EXPECT_EQ(head.next, unit);
}

TEST_F(CombatTest, LootIsTheIncomeTheVictimHadEarnedThisTurn) {
  Always(KindCommon, 0);
  auto killAt = [&](int type, int incomeBonus, int phase) {
    const int defence = type == Settler ? 4 : 1;
    world.At(5, 4).unitType = type;
    world.At(5, 4).incomeBonus = incomeBonus;
    world.phase = phase;
    CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingUp);
    SeedWhere([defence] { return RandomDraw(6 + defence, 1) > defence; });
    unit->TakeTurn();
    EXPECT_EQ(world.At(5, 4).unitType, Empty);
    const int loot = unit->loot;
    unit->Destroy();
    return loot;
  };
  EXPECT_EQ(killAt(Drone, 3, 10), 40);
  EXPECT_EQ(killAt(Farmer, 0, 0), 0);
  EXPECT_EQ(killAt(Drone, -1, 30), 0);
  EXPECT_EQ(killAt(Farmer, 2, 3), 21);
  EXPECT_EQ(killAt(Settler, 1, 5), 20);
}

TEST_F(CombatTest, KillingArtilleryLiftsItsCoverAtOnce) {
  Always(KindCommon, 0);
  world.PlaceUnit(Artillery, 5, 4);
  CCommonBarbarian* unit = Spawn<CCommonBarbarian>(5, 5, FacingUp);
  EXPECT_EQ(world.At(5, 5).artilleryCore, 1);
  // The cover fires first (a die of 3 misses), then the attack: 6 against 2 wins above 2.
  SeedWhere([] { return RandomDraw(8, 1) == 3 && RandomDraw(8, 1) > 2; });
  unit->TakeTurn();
  EXPECT_EQ(world.At(5, 4).unitType, Empty);
  EXPECT_EQ(world.At(5, 5).artilleryCore, 0);
  EXPECT_EQ(unit->loot, 0);
}

TEST_F(CombatTest, AKillIsShownBeforeItIsReported) {
  RecordingOwner owner;
  world.owner = &owner;
  world.mode = ModePlaying;
  world.shownUnits[5][4] = Farmer;
  world.At(5, 4).unitType = Farmer;
  world.phase = 17;
  Always(KindCommon, 0);
  SeedWhere([] { return RandomDraw(7, 1) > 1; });
  Spawn<CCommonBarbarian>(5, 5, FacingUp)->TakeTurn();
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"DrawMarkerAt 5 4", "Pause 20", "DrawTerrainAt 5 4",
                                                   "Status Farmer destroyed at (5,4).\t"}));
  EXPECT_EQ(world.shownUnits[5][4], 0);
}

TEST_F(CombatTest, KamikazeeStrikeIsASureKillOfAnythingButAMine) {
  Always(KindKamikazee, 0);
  world.At(5, 4).unitType = Mine;
  CKamikazeeBarbarian* unit = Spawn<CKamikazeeBarbarian>(5, 5, FacingUp);
  unit->TakeTurn();
  EXPECT_EQ(head.next, unit);  // facing a Mine it does nothing
  EXPECT_EQ(world.At(5, 4).unitType, Mine);
  world.At(5, 4).unitType = Armor;
  randomSeed = 3;
  unit->TakeTurn();
  EXPECT_EQ(world.At(5, 4).unitType, Empty);
  EXPECT_EQ(head.next, nullptr);
  EXPECT_EQ(randomSeed.load(), 3u);
}

TEST_F(CombatTest, ArmoredBarbarianClearsMinesWithoutARoll) {
  Always(KindArmored, 4);
  world.At(5, 4).unitType = Mine;
  world.At(5, 3).unitType = Mine;
  CArmoredBarbarian* unit = Spawn<CArmoredBarbarian>(5, 5, FacingUp);
  randomSeed = 11;
  unit->TakeTurn();
  unit->TakeTurn();
  EXPECT_EQ(unit->y, 3);
  EXPECT_EQ(world.At(5, 4).unitType, Empty);
  EXPECT_EQ(world.At(5, 3).unitType, Empty);
  EXPECT_EQ(randomSeed.load(), 11u);
  world.At(5, 2).unitType = Water;
  unit->TakeTurn();
  EXPECT_EQ(unit->y, 3);
}

TEST_F(CombatTest, JumpBarbarianJumpsOverWhatBlocksIt) {
  Always(KindJump, 4);
  world.At(5, 4).unitType = Infantry;
  CJumpBarbarian* unit = Spawn<CJumpBarbarian>(5, 5, FacingUp);
  unit->TakeTurn();  // empty land behind the Infantry: lands there, no fight
  EXPECT_EQ(unit->y, 3);
  EXPECT_EQ(world.At(5, 4).unitType, Infantry);

  world.At(5, 2).unitType = Impassable;
  world.At(5, 1).unitType = Water;
  unit->TakeTurn();  // water behind the wall: stays
  EXPECT_EQ(unit->y, 3);

  unit->facing = FacingLeft;  // across the edge: 4, 3, ..., 0, then 23 and 22
  unit->MoveTo(SquareOf(1, unit->y));
  world.At(0, 3).unitType = Impassable;
  world.At(23, 3).unitType = Mine;
  SeedWhere([] { return RandomDraw(12, 1) <= 2; });  // the Mine's 10 against 2 fails
  unit->TakeTurn();
  EXPECT_EQ(unit->x, 23);
  EXPECT_EQ(world.At(23, 3).unitType, Empty);
}

TEST_F(CombatTest, JumpStrikeLandsOnItsVictimWithoutAReport) {
  RecordingOwner owner;
  world.owner = &owner;
  world.mode = ModePlaying;
  Always(KindJump, 4);
  world.At(5, 4).unitType = Infantry;
  world.At(5, 3).unitType = Drone;
  world.At(5, 3).incomeBonus = 2;
  world.At(5, 3).defenceBonus = 2;
  world.phase = 4;
  // 6 against the Drone's 1 + 2 over 1..9 wins above 3.
  SeedWhere([] { return RandomDraw(9, 1) > 3; });
  CJumpBarbarian* unit = Spawn<CJumpBarbarian>(5, 5, FacingUp);
  unit->TakeTurn();
  EXPECT_EQ(unit->y, 3);
  EXPECT_EQ(world.At(5, 3).unitType, Empty);
  EXPECT_EQ(unit->loot, 12);
  for (const std::string& call : owner.calls) EXPECT_EQ(call.rfind("Status", 0), std::string::npos) << call;
}

TEST_F(CombatTest, JumpStrikeCounterBlowMeetsTheBareDefence) {
  Always(KindJump, 4);
  world.At(5, 4).unitType = Water;
  world.At(5, 3).unitType = Armor;
  world.At(5, 5).defenceBonus = 2;  // its own ground does not help
  // 6 against 10 over 1..16 fails at 10; the Armor's 8 against 2 over 1..10 kills above 2.
  SeedWhere([] { return RandomDraw(16, 1) <= 10 && RandomDraw(10, 1) == 3; });
  Spawn<CJumpBarbarian>(5, 5, FacingUp)->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  EXPECT_EQ(world.At(5, 3).unitType, Armor);
}

TEST_F(CombatTest, JumpOverImpassableOntoAMineFacesItsRoll) {
  Always(KindJump, 4);
  world.At(5, 4).unitType = Impassable;
  world.At(5, 3).unitType = Mine;
  SeedWhere([] { return RandomDraw(12, 1) > 2; });  // the Mine wins
  Spawn<CJumpBarbarian>(5, 5, FacingUp)->TakeTurn();
  EXPECT_EQ(head.next, nullptr);
  EXPECT_EQ(world.At(5, 3).unitType, Empty);
}
