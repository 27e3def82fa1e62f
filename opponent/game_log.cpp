#include "opponent/game_log.h"

#include "model/world.h"
#include "opponent/files.h"

std::string TerrainBlock(const CWorld& world) {
  return "New Terrain:\n\n" + BoardRows([&](int x, int y) { return world.terrain[x][y]; }) + '\n';
}

std::string PositionBlock(const CWorld& world) {
  return "Human Position at Turn " + std::to_string(world.turn) + ":\n\n" +
         BoardRows([&](int x, int y) { return world.cells[x][y].unitType; }) + '\n';
}

void LogTerrain(const std::string& log, const CWorld& world) {
  if (!log.empty()) AppendWhole(log, TerrainBlock(world));
}

void LogPlayerPositions(const std::string& log, const CWorld& world) {
  if (!log.empty()) AppendWhole(log, PositionBlock(world));
}
