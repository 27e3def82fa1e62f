#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>
#include <vector>

#include "model/saturating.h"
#include "model/world.h"
#include "opponent/strategy.h"
#include "tests/test_support.h"

class StrategyTest : public CoreTest {
 protected:
  std::vector<int> Thresholds(int index) {
    CWorld world;
    LoadStrategy(world, index);
    return std::vector<int>(world.purchaseThresholds, world.purchaseThresholds + kKindCount);
  }
  void SetScores(const std::map<int, int>& scores) {
    for (const auto& [index, score] : scores) strategyScores[index] = score;
  }
  int Chosen() {
    CWorld world;
    ChooseStrategy(world, record);
    EXPECT_EQ(Thresholds(ChosenStrategyIndex(record)),
              std::vector<int>(world.purchaseThresholds, world.purchaseThresholds + kKindCount));
    return ChosenStrategyIndex(record);
  }

  Record record;
};

TEST_F(StrategyTest, ThresholdsAccumulateWeightPlusOne) {
  EXPECT_EQ(Thresholds(0), (std::vector<int>{21, 37, 53, 64, 75, 86, 97, 108}));
  EXPECT_EQ(Thresholds(20), (std::vector<int>{1, 17, 18, 19, 20, 21, 22, 23}));
  EXPECT_EQ(Thresholds(23), (std::vector<int>{13, 28, 29, 30, 43, 45, 58, 59}));
  EXPECT_EQ(Thresholds(239), (std::vector<int>{7, 17, 19, 35, 51, 53, 69, 70}));
  EXPECT_EQ(Thresholds(240), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Thresholds(i).back(), 108) << "strategy " << i;
}

TEST_F(StrategyTest, LoadingCopiesTheBehaviourTablesByteForByte) {
  CWorld world;
  LoadStrategy(world, 0);
  const std::uint8_t scout[4][8] = {
      {4, 12, 5, 5, 0, 0, 12, 12}, {4, 8, 6, 6, 0, 0, 8, 8}, {4, 12, 7, 7, 0, 0, 12, 12}, {4, 8, 8, 8, 0, 0, 8, 8}};
  EXPECT_EQ(std::memcmp(world.behaviourTables[KindScout], scout, 32), 0);
  const std::uint8_t jump[8] = {7, 7, 7, 5, 0, 0, 7, 0};
  EXPECT_EQ(std::memcmp(world.behaviourTables[KindJump][2], jump, 8), 0);
  EXPECT_EQ(std::memcmp(world.behaviourTables[KindCommon], world.behaviourTables[KindMobile], 32), 0);
  EXPECT_EQ(std::memcmp(world.behaviourTables[KindKamikazee], world.behaviourTables[KindArmored], 32), 0);

  LoadStrategy(world, 10);  // the mirror image: every turn reversed
  const std::uint8_t mirrored[4][8] = {
      {4, 8, 5, 5, 0, 0, 8, 8}, {4, 12, 6, 6, 0, 0, 12, 12}, {4, 8, 7, 7, 0, 0, 8, 8}, {4, 12, 12, 12, 0, 0, 12, 12}};
  EXPECT_EQ(std::memcmp(world.behaviourTables[KindScout], mirrored, 32), 0);

  LoadStrategy(world, 20);
  const std::uint8_t row0[8] = {7, 21, 22, 26, 0, 25, 27, 28};
  EXPECT_EQ(std::memcmp(world.behaviourTables[KindScout][0], row0, 8), 0);

  LoadStrategy(world, 245);
  for (const auto& table : world.behaviourTables)
    for (const auto& row : table)
      for (std::uint8_t code : row) EXPECT_EQ(code, 0);
}

TEST_F(StrategyTest, MirrorStrategiesSwapOnlyTheTurns) {
  const std::map<int, int> swapped = {{8, 12}, {12, 8}, {10, 14}, {14, 10}};
  for (int k = 0; k < 10; ++k)
    for (int kind = 0; kind < kKindCount; ++kind) {
      const KindPlan& plan = strategyTable[k].plans[kind];
      const KindPlan& mirror = strategyTable[10 + k].plans[kind];
      EXPECT_EQ(plan.purchaseWeight, mirror.purchaseWeight);
      for (int c = 0; c < 32; ++c) {
        auto it = swapped.find(plan.behaviour[c]);
        EXPECT_EQ(mirror.behaviour[c], it == swapped.end() ? plan.behaviour[c] : it->second);
      }
    }
}

TEST_F(StrategyTest, VariedStrategiesKeepTheirCodesAndWeightsInRange) {
  std::map<int, int> weightCount;
  for (int i = 20; i < 240; ++i)
    for (const KindPlan& plan : strategyTable[i].plans) {
      for (std::uint8_t code : plan.behaviour) EXPECT_LE(code, 31);
      EXPECT_GE(plan.purchaseWeight, 0);
      EXPECT_LE(plan.purchaseWeight, 15);
      ++weightCount[plan.purchaseWeight];
    }
  // 0 is the most frequent weight, then 1 and 15, then every other.
  for (int w = 1; w <= 15; ++w) EXPECT_GT(weightCount[0], weightCount[w]);
  for (int w = 2; w <= 14; ++w) {
    EXPECT_GT(weightCount[1], weightCount[w]);
    EXPECT_GT(weightCount[15], weightCount[w]);
  }
}

TEST_F(StrategyTest, LoadingAStrategyBeyondTheTableChangesNothing) {
  CWorld world;
  LoadStrategy(world, 3);
  CWorld before;
  LoadStrategy(before, 3);
  LoadStrategy(world, 250);
  LoadStrategy(world, -1);
  EXPECT_EQ(std::memcmp(world.behaviourTables, before.behaviourTables, sizeof world.behaviourTables), 0);
  EXPECT_EQ(std::memcmp(world.purchaseThresholds, before.purchaseThresholds, sizeof world.purchaseThresholds), 0);
}

TEST_F(StrategyTest, EqualScoresChooseTheFirstStrategy) {
  EXPECT_EQ(Chosen(), 0);
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 5;
  record.wins = 9;
  EXPECT_EQ(Chosen(), 0);
}

TEST_F(StrategyTest, AllPositiveScoresChooseTheLowestWhateverTheRecord) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 100 + i;
  SetScores({{42, 7}});
  for (auto [w, l] : {std::pair{0, 0}, {0, 10}, {10, 0}, {5, 5}}) {
    record.wins = w;
    record.losses = l;
    EXPECT_EQ(Chosen(), 42);
  }
}

TEST_F(StrategyTest, WinningUsersMeetStrongerStrategies) {
  SetScores({{0, 30}, {9, -40}, {7, -18}, {3, -22}});
  record.wins = 3;
  record.losses = 1;       // p = 0.75: target trunc(2 x 0.25 x -40) = -20
  EXPECT_EQ(Chosen(), 3);  // -18 and -22 tie; the lower index wins
  EXPECT_EQ(ChooseFromScores(record).target, -20);
  record.wins = 1;
  record.losses = 0;  // p = 1: target is the lowest score
  EXPECT_EQ(Chosen(), 9);
}

TEST_F(StrategyTest, TargetIsTruncatedTowardZero) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 50;
  SetScores({{5, -7}, {6, -3}, {7, -2}});
  record.wins = 2;
  record.losses = 1;  // target trunc(-7 / 3) = -2, not -3
  EXPECT_EQ(Chosen(), 7);
}

TEST_F(StrategyTest, UsersWinningAtMostHalfMeetAnEvenMatch) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 50;
  SetScores({{5, -40}, {6, 1}, {7, -1}});
  record.wins = 4;
  record.losses = 4;
  EXPECT_EQ(Chosen(), 6);  // target 0: 1 and -1 tie, 6 comes first
  record.wins = 0;
  record.losses = 0;
  EXPECT_EQ(Chosen(), 6);
}

TEST_F(StrategyTest, ExtremeScoresDoNotOverflowTheDistance) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 2147483647;
  SetScores({{0, 2147483647}, {1, -2147483647 - 1}, {2, 0}});
  EXPECT_EQ(Chosen(), 2);  // target 0: score 0 is nearest, not a wrapped distance
}

TEST_F(StrategyTest, ARecordNoGameProducesStillChoosesWithinRange) {
  // Wins 4 and losses -1 put the win rate at 4/3: the target would lie far
  // below the 32-bit range, and converting it there is undefined.
  record.wins = 4;
  record.losses = -1;
  SetScores({{7, -2147483647 - 1}});
  EXPECT_EQ(Chosen(), 7);
  record.wins = 2147483647;
  record.losses = -2147483646;  // one game, won 2^31 times over
  EXPECT_EQ(Chosen(), 7);
}

// --- Adaptive mode ---

TEST_F(StrategyTest, TheMirroredTargetHoldsOnlyForLosingUsersInAdaptiveMode) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 7;
  SetScores({{3, -30}, {4, 40}, {8, 20}, {9, 21}});
  const auto chosen = [&](int wins, int losses, ChaosMode mode) {
    record = {wins, losses};
    return ChooseFromScores(record, mode);
  };
  // p = 1/4: the target lies halfway from 0 to the highest score.
  EXPECT_EQ(chosen(1, 3, ChaosMode::Adaptive).target, 20);
  EXPECT_EQ(chosen(1, 3, ChaosMode::Adaptive).index, 8);
  EXPECT_EQ(chosen(0, 2, ChaosMode::Adaptive).index, 4);  // p = 0: the highest itself
  EXPECT_EQ(chosen(1, 3, ChaosMode::Classic).target, 0);
  EXPECT_EQ(chosen(1, 3, ChaosMode::Classic).index, 0);
  EXPECT_EQ(ChosenStrategyIndex(record), 0) << "classic unless asked";
  // At one half, above it, and without games, both modes choose alike.
  for (auto [w, l] : {std::pair{2, 2}, {3, 1}, {0, 0}}) {
    EXPECT_EQ(chosen(w, l, ChaosMode::Adaptive).target, chosen(w, l, ChaosMode::Classic).target) << w << ":" << l;
    EXPECT_EQ(chosen(w, l, ChaosMode::Adaptive).index, chosen(w, l, ChaosMode::Classic).index) << w << ":" << l;
  }
  EXPECT_EQ(chosen(3, 1, ChaosMode::Adaptive).index, 3);  // target -15

  CWorld world;
  record = {0, 2};
  ChooseStrategy(world, record, ChaosMode::Adaptive);
  EXPECT_EQ(world.strategyInPlay, 4);
  EXPECT_EQ(Thresholds(4), std::vector<int>(world.purchaseThresholds, world.purchaseThresholds + kKindCount));
}

TEST_F(StrategyTest, TheMirroredTargetIsTheHighestScoreWhenAllAreNegativeAndStaysInRange) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = -100 - i;
  SetScores({{17, -9}});
  record = {1, 3};  // halfway would be -4; every score is below 0, so it is the highest
  EXPECT_EQ(ChooseFromScores(record, ChaosMode::Adaptive).target, -9);
  EXPECT_EQ(ChosenStrategyIndex(record, ChaosMode::Adaptive), 17);

  // Wins -1 of 2 games put the win rate at -1/2: twice the highest score
  // would lie beyond the 32-bit range.
  SetScores({{40, 2147483647}});
  record = {-1, 3};
  EXPECT_EQ(ChooseFromScores(record, ChaosMode::Adaptive).target, 2147483647);
  EXPECT_EQ(ChosenStrategyIndex(record, ChaosMode::Adaptive), 40);
}

TEST_F(StrategyTest, ThePurseFactorFollowsTheWinRateBetweenAQuarterAndTwo) {
  const auto factor = [](std::int32_t wins, std::int32_t losses) { return ChaosPurseFactor({wins, losses}); };
  constexpr std::int32_t one = kPurseOne;
  EXPECT_EQ(factor(0, 0), 2 * one) << "a new player counts as winning every game";
  EXPECT_EQ(factor(1, 1), one);
  EXPECT_EQ(factor(5, 3), one * 3 / 2);  // p = 5/8: 1.5
  EXPECT_EQ(factor(3, 2), 91750);        // 1.4 x 65536 = 91750.4
  EXPECT_EQ(factor(2, 3), 39322);        // 0.6 x 65536 = 39321.6
  EXPECT_EQ(factor(3, 1), 2 * one);      // p = 3/4 reaches the top
  EXPECT_EQ(factor(9, 1), 2 * one);
  EXPECT_EQ(factor(1, 3), one / 4);  // p = 1/4 gives 0, held at a quarter
  EXPECT_EQ(factor(5, 11), one / 4);
  EXPECT_EQ(factor(0, 7), one / 4);
  // Records at the 32-bit limits, and ones no game produces.
  constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(factor(most, most), one);
  EXPECT_EQ(factor(most, 0), 2 * one);
  EXPECT_EQ(factor(0, most), one / 4);
  EXPECT_EQ(factor(most, most / 3), 2 * one);
  EXPECT_EQ(factor(-5, 3), 2 * one);  // not a single game: as none
  EXPECT_EQ(factor(-2, 5), one / 4);
  EXPECT_EQ(factor(4, -1), 2 * one);
}

TEST_F(StrategyTest, ScaledMoneyRoundsToTheDollarAndSaturates) {
  constexpr std::int32_t one = kPurseOne;
  EXPECT_EQ(ScaledMoney(kStartingMoney, 91750), 2800);
  EXPECT_EQ(ScaledMoney(kStartingMoney, one / 4), 500);
  EXPECT_EQ(ScaledMoney(144, 39322), 86);  // 86.4
  EXPECT_EQ(ScaledMoney(225, one / 4), 56);
  EXPECT_EQ(ScaledMoney(3, one / 2), 2);  // 1.5 rounds up
  EXPECT_EQ(ScaledMoney(-3, one / 2), -2);
  // The rules' own factor changes nothing, even beyond 32 bits.
  EXPECT_EQ(ScaledMoney(std::int64_t{9} << 40, one), std::int64_t{9} << 40);
  constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(ScaledMoney(most, 2 * one), most);
  EXPECT_EQ(ScaledMoney(std::int64_t{9} << 40, one / 4), most);
  EXPECT_EQ(ScaledMoney(-(std::int64_t{9} << 40), 2 * one), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ScaledMoney(100, std::numeric_limits<std::int32_t>::max()), 6400) << "held at 64";
  EXPECT_EQ(ScaledMoney(100, -one), 0);
}
