#include "bench/bench_boards.h"

#include <cstring>

#include "model/maps.h"
#include "model/random.h"
#include "opponent/game_log.h"
#include "opponent/simulation.h"

namespace {

BenchBoard MakeBoard(int value) {
  BenchBoard board;
  board.value = value;
  {
    CWorld world;  // a mostly high landscape: map 8 from seed 1
    const std::uint32_t saved = randomSeed;
    randomSeed = 1;
    world.Terraform(builtInMaps[7].data());
    randomSeed = saved;
    std::memcpy(board.terrain, world.terrain, sizeof board.terrain);
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) board.units[x][y] = static_cast<std::int8_t>(world.At(x, y).unitType);
  }
  // Visit the squares in a fixed scattered order (a full-period walk over the
  // 576 indices) and put units of every type on empty land, the costly ones
  // first, until exactly `value` dollars stand on the board.
  const int cycle[] = {Artillery, Armor, Infantry, Farmer, Settler, Jammer, Mine, Drone};
  int remaining = value;
  int square = 0;
  int next = 0;
  auto place = [&](int type) {
    for (int tries = 0; tries < kBoardSquares; ++tries) {
      square = (square * 13 + 7) % kBoardSquares;
      std::int8_t& cell = board.units[square / kBoardSize][square % kBoardSize];
      if (cell != Empty) continue;
      cell = static_cast<std::int8_t>(type);
      remaining -= kUnitPrice[type];
      return true;
    }
    return false;  // no empty land left
  };
  for (bool placed = true; placed;) {
    placed = false;
    for (int i = 0; i < 8 && !placed; ++i) {
      const int type = cycle[(next + i) % 8];
      if (remaining - kUnitPrice[type] >= 200) {
        place(type);
        next = (next + i + 1) % 8;
        placed = true;
      }
    }
  }
  if (remaining % 20 == 10) place(Mine);
  while (remaining > 0 && place(Drone)) {
  }
  return board;
}

}  // namespace

const std::vector<BenchBoard>& BenchBoards() {
  static const std::vector<BenchBoard> boards = {MakeBoard(1000), MakeBoard(5000), MakeBoard(50000)};
  return boards;
}

void RecordBenchBoard(const BenchBoard& board) {
  std::memcpy(recordedTerrain, board.terrain, sizeof recordedTerrain);
  std::memcpy(recordedUnits, board.units, sizeof recordedUnits);
}

std::string BenchScenario(const BenchBoard& board) {
  return "# The bench board whose units are worth $" + std::to_string(board.value) +
         ", as tarvell-cli bench plays on it.\nseed " + std::to_string(kBenchSeed) + "\ntreasury 0\nchaos " +
         std::to_string(board.value) + "\nturn 0\nstrategy 0\nterrain\n" +
         BoardRows([&](int x, int y) { return board.terrain[x][y]; }) + "units\n" +
         BoardRows([&](int x, int y) { return board.units[x][y]; });
}
