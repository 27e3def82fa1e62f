#include "opponent/game_log.h"

#include "model/world.h"

std::string gameLogName = kGameLogName;

namespace {

template <typename Write>
void AppendToLog(Write write) {
  if (gameLogName.empty()) return;
  std::FILE* log = std::fopen(gameLogName.c_str(), "a");
  if (!log) return;
  write(log);
  std::fclose(log);
}

}  // namespace

void WriteTerrainBlock(std::FILE* out, const CWorld& world) {
  std::fputs("New Terrain:\n\n", out);
  WriteBoardRows(out, [&](int x, int y) { return world.terrain[x][y]; });
  std::fputc('\n', out);
}

void WritePositionBlock(std::FILE* out, const CWorld& world) {
  std::fprintf(out, "Human Position at Turn %d:\n\n", world.turn);
  WriteBoardRows(out, [&](int x, int y) { return world.cells[x][y].unitType; });
  std::fputc('\n', out);
}

void CWorld::LogTerrain() const {
  AppendToLog([this](std::FILE* log) { WriteTerrainBlock(log, *this); });
}

void CWorld::LogPlayerPositions() const {
  AppendToLog([this](std::FILE* log) { WritePositionBlock(log, *this); });
}
