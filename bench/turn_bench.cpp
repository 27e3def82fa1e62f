// Speed of the turn and of the background simulation on boards whose units
// are worth $1,000, $5,000 and $50,000 (Chaos's money in a replay), in unit
// actions per second: one action is one TakeTurn of one unit.

#include <benchmark/benchmark.h>

#include "bench/bench_boards.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"

namespace {

const BenchBoard& Board(const benchmark::State& state) { return BenchBoards()[state.range(0)]; }

void Label(benchmark::State& state, long long actions) {
  state.counters["actions/s"] = benchmark::Counter(static_cast<double>(actions), benchmark::Counter::kIsRate);
  state.SetLabel("$" + std::to_string(Board(state).value));
}

// One simulated turn: a replay set up from the board, strategy 0.
void BM_SimulatedTurn(benchmark::State& state) {
  RecordBenchBoard(Board(state));
  CWorld world;
  randomSeed = 12345;
  long long actions = 0;
  for (auto _ : state) {
    world.SetUpReplay();
    world.LoadStrategy(0);
    actions += world.PlayTurn();
  }
  Label(state, actions);
}
BENCHMARK(BM_SimulatedTurn)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// One whole simulation: 250 replays, one per strategy.
void BM_Simulation(benchmark::State& state) {
  RecordBenchBoard(Board(state));
  CWorld world;
  randomSeed = 12345;
  long long actions = 0;
  for (auto _ : state) {
    ResetProfile();
    actions += RunReplays(world);
  }
  Label(state, actions);
}
BENCHMARK(BM_Simulation)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
