#pragma once
// The seam between the game core and the screen.
//
// A playing world reaches the display only through its owner: the document in
// the game, a recording or silent stand-in in tests and tarvell-cli. The owner
// gives access to its first board view (which may be absent), writes the
// status line, shows the two end-of-game dialogs and performs the pauses that
// pace a displayed turn. A world without owner (the simulation's) shows
// nothing and never pauses.

#include <cstdint>

#include "model/board.h"

class CUnit;

using TerrainGrid = std::int8_t[kBoardSize][kBoardSize];
using UnitGrid = std::int32_t[kBoardSize][kBoardSize];

// Drawing operations of the board view. Each draws at once what it is given;
// the record is the user's, kept with the profile rather than the world.
class CBoardDisplay {
 public:
  virtual ~CBoardDisplay() = default;
  virtual void DrawCounters(int treasury, int turn) = 0;     // treasury and turn
  virtual void DrawTurnPhase(int turn, int phase) = 0;       // turn and phase, during a turn
  virtual void DrawRecord() = 0;                             // the user's wins and losses
  virtual void DrawTerrain(const TerrainGrid& terrain) = 0;  // all terrain tiles
  virtual void DrawTerrainAt(int x, int y, int code) = 0;    // one tile, erasing any icon on it
  virtual void DrawUnits(const UnitGrid& units) = 0;         // every shown player unit
  virtual void DrawUnitAt(int x, int y, int type) = 0;       // one shown player unit
  virtual void DrawBarbarians(const CUnit* head) = 0;        // every unit of a unit list
  virtual void DrawBarbarian(const CUnit* unit) = 0;         // one barbarian
  virtual void DrawMarkerAt(int x, int y) = 0;               // the destruction marker
};

class CWorldOwner {
 public:
  virtual ~CWorldOwner() = default;
  // The first view of the owner, or null when it has none yet.
  virtual CBoardDisplay* FirstView() = 0;
  // Shows a report in the status line, prefixed with turn and phase.
  virtual void SetStatusText(int turn, int phase, const char* message) = 0;
  // A unit was destroyed on square (x, y): what is a player's unit type
  // (1..8) or a barbarian's kind code (9..16), and text the report in the
  // game's own words ("Drone destroyed at (3,4).\t"). An owner that words
  // its reports itself (in the player's language) uses the values; by
  // default the text goes to the status line.
  virtual void ReportDestruction(int turn, int phase, int what, int x, int y, const char* text) {
    (void)what, (void)x, (void)y;
    SetStatusText(turn, phase, text);
  }
  // The modal end-of-game messages; each returns when the player closed it.
  virtual void ShowVictory() = 0;
  virtual void ShowDefeat() = 0;
  // Blocks the game for the given milliseconds (the pacing of a shown turn).
  virtual void Pause(int milliseconds) = 0;
};
