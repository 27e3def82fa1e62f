// Speed of the game model's set-up work: terraforming a built-in map into a
// whole board, and the strategy choice over 250 scores.

#include <benchmark/benchmark.h>

#include "model/maps.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/strategy.h"

static void BM_Terraform(benchmark::State& state) {
  CWorld world;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    randomSeed = seed += 2;
    world.Terraform(builtInMaps[seed % kBuiltInMapCount].data());
    benchmark::DoNotOptimize(world.cells);
  }
}
BENCHMARK(BM_Terraform);

static void BM_ChooseStrategy(benchmark::State& state) {
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = (i * 7919) % 1000 - 500;
  const Record record{3, 1};
  CWorld world;
  for (auto _ : state) {
    ChooseStrategy(world, record);
    benchmark::DoNotOptimize(world.purchaseThresholds);
  }
}
BENCHMARK(BM_ChooseStrategy);

BENCHMARK_MAIN();
