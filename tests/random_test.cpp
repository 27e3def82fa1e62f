#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "model/random.h"
#include "tests/test_support.h"

using RandomTest = CoreTest;

TEST_F(RandomTest, StepsFromSeedOneArePowersOfTheMultiplier) {
  randomSeed = 1;
  EXPECT_EQ(RandomStep(), 65539u);
  EXPECT_EQ(RandomStep(), 393225u);
  EXPECT_EQ(RandomStep(), 1769499u);
  EXPECT_EQ(RandomStep(), 7077969u);  // 65539^4 mod 2^31: the product wraps past 32 bits
  EXPECT_EQ(randomSeed.load(), 7077969u);
}

TEST_F(RandomTest, RawSeedWithTopBitSetIsMaskedByTheFirstStep) {
  randomSeed = 0x80000001u;
  const std::uint32_t x = RandomStep();
  EXPECT_LT(x, 0x80000000u);
  EXPECT_EQ(x, (0x80000001u * 65539u) & 0x7fffffffu);
}

TEST_F(RandomTest, DrawScalesBeforeAddingAndStaysBelowItsBound) {
  randomSeed = 1670272341u;  // the next step gives 2^31 - 1, the largest value
  EXPECT_EQ(RandomDraw(24, 0), 23);
  randomSeed = 1670272341u;
  EXPECT_EQ(RandomDraw(8, 1), 8);
  randomSeed = 1;  // x = 65539: u * 10 is about 0.0003
  EXPECT_EQ(RandomDraw(10, 1), 1);
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(RandomDraw(1, 1), 1);
}

TEST_F(RandomTest, DrawCoversItsWholeRange) {
  randomSeed = 12345;
  int seen[24] = {};
  for (int i = 0; i < 5000; ++i) {
    const int v = RandomDraw(24, 0);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 24);
    ++seen[v];
  }
  for (int count : seen) EXPECT_GT(count, 100);
}

TEST_F(RandomTest, ClockSeedsNeverStickOnADegenerateValue) {
  // 0x80000000 and 2^30 hold the generator on one value for ever...
  randomSeed = 0x80000000u;
  EXPECT_EQ(RandomStep(), 0u);
  EXPECT_EQ(RandomStep(), 0u);
  randomSeed = 1u << 30;
  EXPECT_EQ(RandomStep(), 1u << 30);
  // ...so a seed taken from the clock always has its lowest bit set.
  EXPECT_EQ(SeedFromTickCount(0x80000000u), 0x80000001u);
  EXPECT_EQ(SeedFromTickCount(1u << 30), (1u << 30) + 1);
  EXPECT_EQ(SeedFromTickCount(7u), 7u);
  randomSeed = SeedFromTickCount(0x80000000u);
  const std::uint32_t first = RandomStep();
  EXPECT_NE(RandomStep(), first);
}

TEST_F(RandomTest, DrawBoundIsWhereTheDrawFirstExceedsTheResult) {
  // The artillery dice: 1, 2 and nothing above 8.
  for (const auto& [n, k, result] :
       {std::tuple{8, 1, 1}, std::tuple{8, 1, 2}, std::tuple{24, 0, 11}, std::tuple{7, 3, 3}}) {
    const std::uint32_t bound = DrawBound(n, k, result);
    ASSERT_GT(bound, 0u);
    EXPECT_LE(DrawOf(bound - 1, n, k), result);
    EXPECT_GT(DrawOf(bound, n, k), result);
  }
  EXPECT_EQ(DrawBound(8, 1, 8), 0x80000000u);
  EXPECT_EQ(DrawOf(0x7fffffffu, 8, 1), 8);
}
