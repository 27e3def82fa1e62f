#pragma once
// The fixed positions on which tarvell-cli bench and the benchmark programs
// time the turn and the simulation: one landscape, the player's units worth
// $1,000, $5,000 and $50,000 spread over it in a fixed order.

#include <cstdint>
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
