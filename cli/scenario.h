#pragma once
// A scenario file: a board and the numbers a turn starts from, for the turn
// and simulate commands.
//
// Plain text; '#' starts a comment to the end of the line; tokens are
// separated by white space or commas, so a block copied from the game log
// reads as is. Keywords, in any order, each once:
//   seed N, treasury N and chaos N (0..kMaxScenarioMoney), turn N
//   (0..kMaxScenarioTurn), strategy I (0..249),
//   thresholds T1..T8 (optional), terrain (576 codes), units (576 codes).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/world.h"

// Beyond these a turn would only show the money held at its limits, or a
// Chaos buying for minutes; no game reaches them.
constexpr long long kMaxScenarioMoney = 2'000'000'000;
constexpr long long kMaxScenarioTurn = 100'000;

struct Scenario {
  std::uint32_t seed = 0;
  std::int32_t treasury = 0;
  std::int32_t chaos = 0;
  std::int32_t turn = 0;
  std::int32_t strategy = 0;
  std::optional<std::array<std::int32_t, kKindCount>> thresholds;
  TerrainGrid terrain = {};
  std::int32_t units[kBoardSize][kBoardSize] = {};
};

// Reads and checks a scenario file. Throws UsageError naming the file and
// the problem.
Scenario ReadScenario(const std::string& path);

// Sets up a simulation world without owner from the scenario: terrain
// applied, units 1..8 placed without payment, money and counters as given,
// the strategy (and thresholds) loaded, and the generator seeded.
void SetUpWorld(const Scenario& scenario, CWorld& world);
