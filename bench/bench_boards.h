#pragma once
// The fixed positions on which tarvell-cli bench and the benchmark programs
// time the turn and the simulation: one landscape, the player's units worth
// $1,000, $5,000 and $50,000 spread over it in a fixed order.

#include <cstdint>
#include <string>
#include <vector>

#include "model/world.h"

struct BenchBoard {
  int value;  // what the player's units are worth, and Chaos's money in a replay
  TerrainGrid terrain;
  std::int8_t units[kBoardSize][kBoardSize];
};

const std::vector<BenchBoard>& BenchBoards();

// Makes the board the recorded board of the simulation.
void RecordBenchBoard(const BenchBoard& board);

// The seed from which the bench plays on every board.
constexpr std::uint32_t kBenchSeed = 12345;

// The board as a scenario file for tarvell-cli turn and simulate: `simulate`
// on it replays exactly the bench's simulation on the board, and `turn` plays
// the first of the bench's turns.
std::string BenchScenario(const BenchBoard& board);
