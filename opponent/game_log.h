#pragma once
// The game log "tv_log.txt" in the current directory: the terrain of every new
// game and the player's positions at the start of every live turn, appended
// block by block and never read back. A log that cannot be opened, or that is
// not a regular file, is skipped; a block is appended whole or not at all.
// The game's session names the file; an empty name logs nothing.

#include <string>

class CWorld;

constexpr const char kGameLogName[] = "tv_log.txt";

// 24 lines, one per x, each the 24 values of y = 0..23 written "%d,", ended
// by "\n". The value of a square is value(x, y).
template <typename Value>
std::string BoardRows(Value value) {
  std::string rows;
  rows.reserve(24 * (24 * 3 + 1));
  for (int x = 0; x < 24; ++x) {
    for (int y = 0; y < 24; ++y) rows += std::to_string(static_cast<int>(value(x, y))) + ',';
    rows += '\n';
  }
  return rows;
}

// The log's blocks: header, empty line, the 24 rows, an empty line.
std::string TerrainBlock(const CWorld& world);
std::string PositionBlock(const CWorld& world);

// Appends a terrain block (the last step of a new game) or a position block
// (the first of a playing turn) to the log.
void LogTerrain(const std::string& log, const CWorld& world);
void LogPlayerPositions(const std::string& log, const CWorld& world);
