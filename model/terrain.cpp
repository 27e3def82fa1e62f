// A new game's landscape: a built-in map reshaped by random raise and lower
// stamps, smoothed into terrain levels, given shores and scattered sites, then
// written into every square.

#include <cstdlib>
#include <cstring>

#include "model/maps.h"
#include "model/messages.h"
#include "model/opponent_hooks.h"
#include "model/random.h"
#include "model/saturating.h"
#include "model/terrain_rules.h"
#include "model/world.h"

namespace {

// Raise stamp: 17 squares, rows x offsets -2..+2, columns y offsets -2..+2.
constexpr int kRaise[5][5] = {
    {0, 2, 3, 2, 0}, {0, 3, 4, 3, 0}, {3, 4, 5, 4, 3}, {0, 3, 4, 3, 0}, {0, 2, 3, 2, 0},
};

// Lower stamp: 45 squares, x and y offsets -2..+4, deepest at (+1, +1).
constexpr int kLower[7][7] = {
    {0, 1, 1, 1, 1, 1, 0}, {1, 1, 2, 2, 2, 1, 1}, {1, 2, 2, 2, 2, 2, 1}, {1, 2, 2, 3, 2, 2, 1},
    {1, 2, 2, 2, 2, 2, 1}, {1, 1, 2, 2, 2, 1, 1}, {0, 1, 1, 1, 1, 1, 0},
};

}  // namespace

int NeighbourSum(const TerrainGrid& t, int x, int y) {
  return t[Wrap(x - 1)][y] + t[x][Wrap(y + 1)] + t[Wrap(x + 1)][y] + t[x][Wrap(y - 1)];
}

int LevelRoundUp(int s) {
  if (s >= 18) return 5;
  if (s >= 14) return 4;
  if (s >= 10) return 3;
  if (s >= 6) return 2;
  if (s >= 3) return 1;
  return 0;
}

int LevelRoundDown(int s) {
  if (s >= 19) return 5;
  if (s >= 15) return 4;
  if (s >= 11) return 3;
  if (s >= 7) return 2;
  if (s >= 3) return 1;
  return 0;
}

void ApplyLowerStamp(TerrainGrid& t, int a, int b) {
  for (int i = 0; i < 7; ++i)
    for (int j = 0; j < 7; ++j) {
      if (kLower[i][j] == 0) continue;
      std::int8_t& code = t[Wrap(a + i - 2)][Wrap(b + j - 2)];
      const int lowered = code - kLower[i][j];
      code = static_cast<std::int8_t>(lowered < TerrainWater ? TerrainWater : lowered);
    }
}

void ApplyRaiseStamp(TerrainGrid& t, int a, int b) {
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) {
      if (kRaise[i][j] == 0) continue;
      std::int8_t& code = t[Wrap(a + i - 2)][Wrap(b + j - 2)];
      const int raised = code + kRaise[i][j];
      code = static_cast<std::int8_t>(raised > TerrainImpassable ? TerrainImpassable : raised);
    }
}

void CWorld::StartNewGame() {
  mode = ModePlaying;
  StartCounters(kStartingMoney, Saturated(ScaledMoney(kStartingMoney, chaosPurse)));
  if (opponent) opponent->ChooseStrategy(*this);
  std::memset(shownUnits, 0, sizeof shownUnits);

  int map = RandomDraw(10, 1);
  if (map < 1 || map > kBuiltInMapCount) {
    PrintMessage(kBadMapNum);
    map = 1;
  }
  Terraform(builtInMaps[map - 1].data());
  if (opponent) opponent->LogTerrain(*this);
}

void CWorld::Terraform(const std::int8_t* map) {
  const int count = RandomDraw(5, 8);
  std::memcpy(terrain, map, sizeof terrain);

  for (int s = 0; s < count; ++s) {
    const int a = RandomDraw(24, 0);
    const int b = RandomDraw(24, 0);
    const int kind = RandomDraw(2, 1);
    if (kind == 1)
      ApplyLowerStamp(terrain, a, b);
    else if (kind == 2)
      ApplyRaiseStamp(terrain, a, b);
    else
      PrintMessage(kBadTerraform);
  }

  // Passes 1 and 2: smooth twice through a second grid.
  TerrainGrid second;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      second[x][y] = static_cast<std::int8_t>(LevelRoundUp(NeighbourSum(terrain, x, y)));
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      terrain[x][y] = static_cast<std::int8_t>(LevelRoundUp(NeighbourSum(second, x, y)));

  // Pass 3, in place: a square far from the mean of its neighbours takes the
  // mean, halves rounded down. Squares already visited count with new values.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int s = NeighbourSum(terrain, x, y);
      if (std::abs(4 * terrain[x][y] - s) >= 3) terrain[x][y] = static_cast<std::int8_t>(LevelRoundDown(s));
    }

  // Pass 4, in place, sweeping along x within each y.
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x)
      terrain[x][y] = static_cast<std::int8_t>(LevelRoundUp(NeighbourSum(terrain, x, y)));

  // Shore: water next to land of code 2 or more becomes code 1. New shore
  // squares are not higher land, so the sweep order does not matter.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      if (terrain[x][y] != TerrainWater) continue;
      if (terrain[Wrap(x - 1)][y] > TerrainLand1 || terrain[x][Wrap(y + 1)] > TerrainLand1 ||
          terrain[Wrap(x + 1)][y] > TerrainLand1 || terrain[x][Wrap(y - 1)] > TerrainLand1)
        terrain[x][y] = TerrainLand1;
    }

  // Sites: each attempt turns land of code 2 into 8 or code 3 into 9.
  const int attempts = RandomDraw(11, 2);
  for (int s = 0; s < attempts; ++s) {
    const int x = RandomDraw(24, 0);
    const int y = RandomDraw(24, 0);
    if (terrain[x][y] == TerrainLand2)
      terrain[x][y] = TerrainSiteLand2;
    else if (terrain[x][y] == TerrainLand3)
      terrain[x][y] = TerrainSiteLand3;
  }

  ApplyTerrain(terrain);
}

void CWorld::ApplyTerrain(const TerrainGrid& codes) {
  // Clearing every field covers the ones the terrain table sets, too.
  std::memset(cells, 0, sizeof cells);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int code = codes[x][y];
      if (!IsTerrainCode(code)) {
        PrintMessage(kBadTerrainType);
        continue;
      }
      const TerrainEffect effect = TerrainEffectOf(code);
      Cell& cell = cells[x][y];
      cell.unitType = effect.unitType;
      cell.defenceBonus = effect.defenceBonus;
      cell.incomeBonus = effect.incomeBonus;
      if (effect.site) MarkSite(x, y);
    }
}
