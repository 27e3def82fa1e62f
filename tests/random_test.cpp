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

TEST_F(RandomTest, RefusedSeedsAreExactlyThoseThatRepeatWithin512AndTheClockPicksNone) {
  auto repeatsWithin512 = [](std::uint32_t seed) {
    randomSeed = seed;
    const std::uint32_t first = RandomStep();
    for (int i = 0; i < 512; ++i)
      if (RandomStep() == first) return true;
    return false;
  };
  // The period depends only on the lowest set bit of the low 31.
  for (int k = 0; k < 32; ++k)
    for (const std::uint32_t seed : {1u << k, 3u << k, (5u << k) | 0x80000000u}) {
      SCOPED_TRACE(seed);
      EXPECT_EQ(IsShortPeriodSeed(seed), repeatsWithin512(seed));
    }
  EXPECT_TRUE(IsShortPeriodSeed(0));
  EXPECT_TRUE(repeatsWithin512(0));

  // A tick count that is a multiple of 2^20, or holds the generator on one
  // value (0x80000000, 2^30), still gives a seed with the full period.
  for (std::uint32_t ticks = 0; ticks < 4096; ++ticks)
    ASSERT_FALSE(IsShortPeriodSeed(SeedFromTickCount(ticks << 20))) << ticks;
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
