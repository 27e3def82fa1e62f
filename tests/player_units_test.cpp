#include <gtest/gtest.h>

#include <cstring>

#include "model/world.h"
#include "tests/test_support.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class PlayerUnitsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    ClearBoard(world);
    world.mode = ModeSimulation;
    world.treasury = 2000;
  }
  CWorld world;
};

TEST_F(PlayerUnitsTest, BuyingNeedsTheFullPriceAndPaysIt) {
  world.treasury = 20;
  EXPECT_FALSE(world.BuyUnit(Mine, 1, 1));
  EXPECT_EQ(world.treasury, 20);
  EXPECT_EQ(world.At(1, 1).unitType, Empty);
  EXPECT_TRUE(world.BuyUnit(Drone, 1, 1));  // a treasury equal to the price is enough
  EXPECT_EQ(world.treasury, 0);
  EXPECT_EQ(world.At(1, 1).unitType, Drone);
}

TEST_F(PlayerUnitsTest, BuyingOnWaterImpassableOrOccupiedLandChargesNothing) {
  world.At(0, 0).unitType = Water;
  world.At(0, 1).unitType = Impassable;
  ASSERT_TRUE(world.BuyUnit(Infantry, 0, 2));
  CaptureStdout();
  EXPECT_FALSE(world.BuyUnit(Drone, 0, 0));
  EXPECT_FALSE(world.BuyUnit(Drone, 0, 1));
  EXPECT_FALSE(world.BuyUnit(Armor, 0, 2));
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_EQ(world.treasury, 1900);
  EXPECT_EQ(world.At(0, 2).unitType, Infantry);
}

TEST_F(PlayerUnitsTest, SellingRefundsTheResalePrice) {
  const int resale[9] = {0, 20, 25, 80, 90, 120, 150, 90, 300};
  for (int type = Drone; type <= Artillery; ++type) {
    ASSERT_TRUE(world.BuyUnit(type, type, 0));
    const int before = world.treasury;
    EXPECT_TRUE(world.SellUnit(type, 0));
    EXPECT_EQ(world.treasury - before, resale[type]) << "type " << type;
    EXPECT_EQ(world.At(type, 0).unitType, Empty);
  }
  EXPECT_EQ(world.treasury, 2000 - (0 + 25 + 20 + 10 + 30 + 50 + 60 + 100));
}

TEST_F(PlayerUnitsTest, SellingNothingFailsSilently) {
  world.At(3, 3).unitType = Water;
  CaptureStdout();
  EXPECT_FALSE(world.SellUnit(2, 2));
  EXPECT_FALSE(world.SellUnit(3, 3));
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_EQ(world.treasury, 2000);
}

TEST_F(PlayerUnitsTest, BadTypesPrintTheirMessagesAndChangeNothing) {
  CaptureStdout();
  EXPECT_FALSE(world.PlaceUnit(9, 0, 0));
  EXPECT_FALSE(world.PlaceUnit(-3, 0, 0));
  EXPECT_FALSE(world.PlaceUnit(0, 0, 0));
  EXPECT_FALSE(world.BuyUnit(Water, 0, 0));
  EXPECT_FALSE(world.BuyUnit(12, 0, 0));
  EXPECT_FALSE(world.RemoveUnit(0, 0));
  world.At(1, 1).unitType = 42;
  EXPECT_FALSE(world.SellUnit(1, 1));
  EXPECT_FALSE(world.RemoveUnit(1, 1));
  EXPECT_EQ(GetCapturedStdout(),
            "Error: Bad Human Type...\n"
            "Error: Bad Human Type...\n"
            "Warning: Bad Human Type...\n"
            "Warning: Bad Human Type...\n"
            "Error: Bad Human Type...\n"
            "Error: No Human To Remove...\n"
            "Error: Bad Human Type...\n"
            "Error: Bad Human Type...\n");
  EXPECT_EQ(world.treasury, 2000);
  EXPECT_EQ(world.At(0, 0).unitType, Empty);
}

TEST_F(PlayerUnitsTest, PlacingOnAnOccupiedSquareIsRefusedBeforeTheTypeIsChecked) {
  world.At(0, 0).unitType = Water;
  CaptureStdout();
  EXPECT_FALSE(world.PlaceUnit(99, 0, 0));
  EXPECT_EQ(GetCapturedStdout(), "");
}

TEST_F(PlayerUnitsTest, ArtilleryBoughtAndSoldLeavesNoCover) {
  CWorld untouched;
  ClearBoard(untouched);
  ASSERT_TRUE(world.BuyUnit(Artillery, 0, 23));
  EXPECT_EQ(world.At(1, 0).artilleryCore, 1);
  EXPECT_EQ(world.At(2, 1).artilleryRing, 1);
  ASSERT_TRUE(world.SellUnit(0, 23));
  EXPECT_EQ(std::memcmp(world.cells, untouched.cells, sizeof world.cells), 0);
  EXPECT_EQ(world.treasury, 1900);
}

TEST_F(PlayerUnitsTest, SellingOneOfTwoOverlappingJammersClearsItsWholeZone) {
  ASSERT_TRUE(world.BuyUnit(Jammer, 10, 10));
  ASSERT_TRUE(world.BuyUnit(Jammer, 13, 10));
  ASSERT_TRUE(world.SellUnit(10, 10));
  EXPECT_EQ(world.At(12, 10).jammed, 0);  // overlap, though the other Jammer stands
  EXPECT_EQ(world.At(17, 10).jammed, 1);
  EXPECT_EQ(world.At(6, 10).jammed, 0);
}

TEST_F(PlayerUnitsTest, SimulationWorldNeverTouchesTheShownUnits) {
  RecordingOwner owner;
  world.owner = &owner;
  ASSERT_TRUE(world.PlaceUnit(Farmer, 4, 4));
  ASSERT_TRUE(world.RemoveUnit(4, 4));
  EXPECT_EQ(world.shownUnits[4][4], 0);
  EXPECT_TRUE(owner.calls.empty());
}

TEST_F(PlayerUnitsTest, PlayingWorldShowsPlacementAndDestruction) {
  RecordingOwner owner;
  world.owner = &owner;
  world.mode = ModePlaying;
  world.gameSpeed = 3;
  ASSERT_TRUE(world.BuyUnit(Settler, 4, 5));
  EXPECT_EQ(world.shownUnits[4][5], Settler);
  ASSERT_TRUE(world.SellUnit(4, 5));
  EXPECT_EQ(world.shownUnits[4][5], 0);
  EXPECT_EQ(owner.calls,
            (std::vector<std::string>{"DrawUnitAt 4 5", "DrawMarkerAt 4 5", "Pause 180", "DrawTerrainAt 4 5"}));
}

TEST_F(PlayerUnitsTest, PlayingWorldWithoutViewStillKeepsShownUnits) {
  RecordingOwner owner;
  owner.hasView = false;
  world.owner = &owner;
  world.mode = ModePlaying;
  ASSERT_TRUE(world.BuyUnit(Mine, 2, 2));
  EXPECT_EQ(world.shownUnits[2][2], Mine);
  ASSERT_TRUE(world.SellUnit(2, 2));
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"Pause 20"}));
}

TEST_F(PlayerUnitsTest, StatusMessagesNeedAnOwner) {
  world.ShowMessage("lost");  // no owner: nothing happens
  RecordingOwner owner;
  world.owner = &owner;
  world.ShowMessage("Drone destroyed at (1,2).\t");
  world.RefreshDisplay();
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"Status Drone destroyed at (1,2).\t", "DrawCounters", "DrawTerrain",
                                                   "DrawUnits", "DrawRecord"}));
}
