#pragma once
// A game kept for later: the game in progress written beside the profile as
// "<profile>.game" when the player leaves it without counting it as lost,
// and read back when the user next starts a game.
//
// The file is plain text. A version line comes first and a checksum line
// last; between them one "name value" line per number, then four blocks of
// 24 lines (one per column x, y = 0..23, written "%d,") with each square's
// terrain code, unitType, shown unit and Jammer flag:
//
//   Tarvell kept game 1
//   treasury 3140
//   chaos 2065
//   turn 3
//   phase 50
//   lastPlayerGain -120
//   lastChaosGain 410
//   strategy 17
//   seed 1120206903
//   terrain
//   2,2,1,...            (24 lines)
//   units / shown / jammed   (24 lines each)
//   checksum 0123456789abcdef
//
// The checksum is FNV-1a (64 bits, hexadecimal) of every byte before its
// line. What the file does not hold is rebuilt from what it holds: the
// terrain's bonuses and site marks from the terrain codes, the Artillery
// cover from the Artillery units, the behaviour tables and purchase
// thresholds from the strategy. The Jammer flags cannot be rebuilt (a lifted
// Jammer clears its whole zone, so they depend on the order of placements),
// and the game speed is the window's, not the game's.

#include <cstdint>
#include <string>

#include "model/world.h"

// The version line of the files written now.
constexpr char kKeptGameVersion[] = "Tarvell kept game 1";

// The kept game of the profile at profilePath.
std::string KeptGamePath(const std::string& profilePath);
// Where a kept game that cannot be read is set aside.
std::string DamagedGamePath(const std::string& gamePath);

// Everything a kept game holds.
struct KeptGame {
  std::int32_t treasury = 0;
  std::int32_t chaosMoney = 0;
  std::int32_t turn = 0;
  std::int32_t phase = 0;
  std::int32_t lastPlayerGain = 0;
  std::int32_t lastChaosGain = 0;
  std::int32_t strategy = 0;
  std::uint32_t seed = 0;
  TerrainGrid terrain{};
  std::int32_t units[kBoardSize][kBoardSize]{};
  UnitGrid shown{};
  std::uint8_t jammed[kBoardSize][kBoardSize]{};
};

// What the world holds of a game, with the generator's state.
KeptGame KeepWorld(const CWorld& world, std::uint32_t seed);
std::string KeptGameText(const KeptGame& game);
// body (whole lines) followed by its checksum line.
std::string WithChecksum(std::string body);

// Reads a kept game's text. False, with the first thing found wrong in error,
// for anything but a file this program wrote and nobody changed: another
// version, a checksum that does not match, a missing, extra or malformed
// line, a number out of its range, a unit on water or impassable ground, a
// square whose unitType contradicts its terrain. Never reads past text.
bool ReadKeptGame(const std::string& text, KeptGame& game, std::string& error);

// Makes the world play the kept game: mode ModePlaying, the numbers, the
// terrain applied anew (bonuses and site marks), the units placed with their
// Artillery cover, the Jammer flags and shown units as kept, and the
// strategy loaded. Leaves the owner, opponent and game speed alone and the
// generator too (the seed is the caller's to restore). Draws nothing.
void RestoreKeptGame(const KeptGame& game, CWorld& world);

// The file's whole content, up to a size no kept game reaches. False with the
// reason when it cannot be read: missing, not a regular file, too large.
// missing tells whether nothing stands at the path.
bool ReadKeptGameFile(const std::string& path, std::string& text, bool& missing, std::string& error);
