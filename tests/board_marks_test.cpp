#include <gtest/gtest.h>

#include <set>

#include "model/world.h"
#include "tests/test_support.h"

class BoardMarksTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    ClearBoard(world);
  }
  CWorld world;
};

TEST_F(BoardMarksTest, NewWorldHoldsNoGame) {
  CWorld fresh;
  EXPECT_EQ(fresh.owner, nullptr);
  EXPECT_EQ(fresh.mode, ModeIdle);
  EXPECT_EQ(fresh.gameSpeed, 1);
  for (int value :
       {fresh.treasury, fresh.chaosMoney, fresh.turn, fresh.phase, fresh.lastPlayerGain, fresh.lastChaosGain})
    EXPECT_EQ(value, -1);
  for (int threshold : fresh.purchaseThresholds) EXPECT_EQ(threshold, -1);
}

TEST_F(BoardMarksTest, SiteMarksWrapAcrossTheEdgeAndPointAtTheSite) {
  world.MarkSite(0, 0);
  const std::set<int> near = {21, 22, 23, 0, 1, 2, 3};
  for (int x = 0; x < 24; ++x)
    for (int y = 0; y < 24; ++y) {
      const bool inside = near.count(x) && near.count(y);
      if (!inside) {
        EXPECT_EQ(world.At(x, y).siteBits, 0) << x << "," << y;
      }
    }
  EXPECT_EQ(world.At(0, 0).siteBits, kSiteHere);      // the site itself: no direction
  EXPECT_EQ(world.At(23, 0).siteBits, 0x02);          // site to its right, across the edge
  EXPECT_EQ(world.At(3, 0).siteBits, 0x08);           // site to its left
  EXPECT_EQ(world.At(0, 21).siteBits, 0x04);          // site below, across the edge
  EXPECT_EQ(world.At(0, 3).siteBits, 0x01);           // site above
  EXPECT_EQ(world.At(22, 22).siteBits, 0x02 | 0x04);  // diagonal: two directions
  EXPECT_EQ(world.At(4, 0).siteBits, 0);              // four away: outside
}

TEST_F(BoardMarksTest, SiteMarksOfSeveralSitesCombine) {
  world.MarkSite(5, 5);
  world.MarkSite(8, 5);
  EXPECT_EQ(world.At(6, 5).siteBits, 0x02 | 0x08);
  EXPECT_EQ(world.At(7, 5).siteBits, 0x02 | 0x08);
  EXPECT_EQ(world.At(5, 5).siteBits, kSiteHere | 0x02);  // the other site lies to its right
}

TEST_F(BoardMarksTest, ArtilleryCoverWrapsAndSplitsCoreFromRing) {
  world.AddArtilleryCover(0, 0);
  int core = 0, ring = 0;
  for (auto& column : world.cells)
    for (Cell& cell : column) {
      core += cell.artilleryCore;
      ring += cell.artilleryRing;
    }
  EXPECT_EQ(core, 9);
  EXPECT_EQ(ring, 16);
  EXPECT_EQ(world.At(0, 0).artilleryCore, 1);
  EXPECT_EQ(world.At(0, 0).artilleryRing, 0);
  EXPECT_EQ(world.At(23, 23).artilleryCore, 1);
  EXPECT_EQ(world.At(1, 23).artilleryCore, 1);
  EXPECT_EQ(world.At(22, 0).artilleryRing, 1);
  EXPECT_EQ(world.At(2, 2).artilleryRing, 1);
  EXPECT_EQ(world.At(3, 0).artilleryRing + world.At(3, 0).artilleryCore, 0);
}

TEST_F(BoardMarksTest, RemovingOneArtilleryKeepsTheOthersCover) {
  world.AddArtilleryCover(5, 5);
  world.AddArtilleryCover(6, 5);
  world.RemoveArtilleryCover(5, 5);
  CWorld only;
  ClearBoard(only);
  only.AddArtilleryCover(6, 5);
  for (int x = 0; x < 24; ++x)
    for (int y = 0; y < 24; ++y) {
      EXPECT_EQ(world.At(x, y).artilleryCore, only.At(x, y).artilleryCore);
      EXPECT_EQ(world.At(x, y).artilleryRing, only.At(x, y).artilleryRing);
    }
}

TEST_F(BoardMarksTest, JammerZoneIsStoredNotCounted) {
  world.SetJammed(1, 0, 0);
  EXPECT_EQ(world.At(20, 20).jammed, 1);  // distance 4 across both edges
  EXPECT_EQ(world.At(4, 4).jammed, 1);
  EXPECT_EQ(world.At(5, 0).jammed, 0);
  world.SetJammed(1, 4, 0);  // overlapping zone
  world.SetJammed(0, 0, 0);  // lifting the first clears the overlap too
  EXPECT_EQ(world.At(2, 0).jammed, 0);
  EXPECT_EQ(world.At(5, 0).jammed, 1);  // the second's own part stays
}
