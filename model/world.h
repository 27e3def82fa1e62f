#pragma once
// CWorld: the complete state of one game.
//
// The document owns one world for the whole run: the game the player sees,
// with mode ModePlaying while a game is in progress and an owner through which
// it reaches the screen. The background simulation owns a second, private
// world on its own thread, in mode ModeSimulation and without owner, in which
// it replays turns. Every display hook, status message, log entry and dialog
// is guarded by mode == ModePlaying, and additionally skipped when the world
// has no owner or its owner no view.
//
// A world is one flat object of fixed size without heap members, so that the
// simulation can keep one as a local object and reset it 250 times cheaply.

#include <cstdint>

#include "model/board.h"
#include "model/messages.h"
#include "model/owner.h"

class COpponentHooks;

// One board square.
struct Cell {
  std::int32_t unitType;         // player unit 1..8, Empty, Water or Impassable
  std::int32_t artilleryRing;    // Artillery units whose outer ring holds the square
  std::int32_t artilleryCore;    // Artillery units whose inner 3 x 3 holds the square
  std::uint8_t jammed;           // within distance 4 of a Jammer
  std::int32_t defenceBonus;     // added to a defender's strength here
  std::int32_t incomeBonus;      // in units of $50, for income and loot
  std::uint8_t scoutNear;        // a Scout marked its 5 x 5 over this square
  std::uint8_t scoutFar;         // a Scout marked its 7 x 7 over this square
  std::int32_t scoutNearDir[4];  // Scouts within 2 lying in each facing direction
  std::int32_t scoutFarDir[4];   // Scouts within 3 lying in each facing direction
  std::uint8_t siteBits;         // 0x10: a site; 1 << f: a site lies in direction f
};

static_assert(sizeof(Cell) == 64, "a square fills one cache line");

// Squares by number (see SquareOf), in walking order: those of a board that
// hold a player unit or a code outside -2..8.
struct UnitSquares {
  int count;
  std::int16_t squares[kBoardSquares];
};

constexpr std::uint8_t kSiteHere = 0x10;

class CWorld {
 public:
  CWorld();
  virtual ~CWorld();

  CWorld(const CWorld&) = delete;
  CWorld& operator=(const CWorld&) = delete;

  // --- Area marks (area_marks.cpp) ---
  // Marks (x, y) as a site and tells the squares within distance 3 in which
  // directions it lies. Marks only ever add bits.
  void MarkSite(int x, int y);
  // Stores flag in jammed on every square within distance 4 (stored, not
  // counted: lifting one Jammer clears the whole 9 x 9 even where another
  // Jammer's zone overlaps it).
  void SetJammed(std::uint8_t flag, int x, int y);
  // Adds / subtracts one Artillery's cover around (x, y): artilleryCore on the
  // inner 3 x 3, artilleryRing on the rest of the 5 x 5.
  void AddArtilleryCover(int x, int y);
  void RemoveArtilleryCover(int x, int y);

  // --- Display (world.cpp) ---
  // Counters, terrain, units and record through the owner's first view.
  void RefreshDisplay();
  // While playing: marker, pause 20 x gameSpeed^2 ms, tile redrawn.
  void ShowDestruction(int x, int y);
  // The owner's status line; nothing without owner.
  void ShowMessage(const char* text);
  // The owner's report of a unit destroyed on (x, y) (see
  // CWorldOwner::ReportDestruction); nothing without owner.
  void ReportDestruction(int what, int x, int y, const char* text);
  // The owner's first view, or null (no owner, or an owner without view).
  CBoardDisplay* View() const;
  // The owner's pause; nothing without owner.
  void Pause(int milliseconds) const;

  // --- The player's units (player_units.cpp) ---
  bool PlaceUnit(int type, int x, int y);
  bool RemoveUnit(int x, int y);
  bool BuyUnit(int type, int x, int y);
  bool SellUnit(int x, int y);

  // --- Maps and terrain (terrain.cpp) ---
  // Money 2000 each (Chaos's scaled by chaosPurse), turn 0, the strategy
  // chosen and the terrain logged through the opponent's hooks, a built-in
  // map terraformed.
  void StartNewGame();
  void Terraform(const std::int8_t* map);  // 576 codes, x-major
  void ApplyTerrain(const TerrainGrid& codes);

  // The money and the counters of a game or a replay that starts: the given
  // money, the given turn, phase 0 and no gains yet.
  void StartCounters(std::int32_t treasury, std::int32_t chaosMoney, std::int32_t turn = 0);

  // The player's units on the board at their prices, without the treasury,
  // walking every square x-major; a code outside -2..8 prints the bad-type
  // message and counts nothing. hasRoom and hasUnit tell whether some square
  // is Empty and some holds a player unit.
  std::int64_t UnitsValue(bool& hasRoom, bool& hasUnit) const;
  // The same, also listing the squares that hold a player unit or a code
  // outside -2..8 in `found`.
  std::int64_t UnitsValue(bool& hasRoom, bool& hasUnit, UnitSquares& found) const;
  // What one square's unit is worth, as UnitsValue counts it: its price, 0
  // for none, and 0 after the bad-type message for a code outside -2..8.
  static int UnitValue(int unitType) {
    // By unitType + 2, from Impassable to Artillery.
    static constexpr int kValue[11] = {0,
                                       0,
                                       0,
                                       kUnitPrice[1],
                                       kUnitPrice[2],
                                       kUnitPrice[3],
                                       kUnitPrice[4],
                                       kUnitPrice[5],
                                       kUnitPrice[6],
                                       kUnitPrice[7],
                                       kUnitPrice[8]};
    const unsigned row = static_cast<unsigned>(unitType - Impassable);
    if (row >= 11) [[unlikely]] {
      PrintMessage(kBadHumanType);
      return 0;
    }
    return kValue[row];
  }

  Cell& At(int x, int y) { return cells[x][y]; }
  const Cell& At(int x, int y) const { return cells[x][y]; }
  // The same by square number (see SquareOf).
  Cell& AtSquare(int square) { return *(&cells[0][0] + square); }

  CWorldOwner* owner;
  // The opponent a live game hands over to (see model/opponent_hooks.h), or
  // null: the game is then played against the strategy loaded, and nothing is
  // chosen, logged, saved or learned.
  COpponentHooks* opponent;
  alignas(64) Cell cells[kBoardSize][kBoardSize];  // one cache line a square
  TerrainGrid terrain;
  UnitGrid shownUnits;
  std::int32_t mode;
  std::int32_t treasury;
  std::int32_t chaosMoney;
  std::int32_t turn;
  std::int32_t phase;
  std::int32_t gameSpeed;
  std::int32_t lastPlayerGain;
  std::int32_t lastChaosGain;
  std::uint8_t behaviourTables[kKindCount][4][8];
  std::int32_t purchaseThresholds[kKindCount];
  // The strategy ChooseStrategy last loaded (-1 before any): what Chaos plays
  // in this game, for the player to see.
  std::int32_t strategyInPlay;
  // Chaos's starting money and its income after every turn are scaled by
  // this factor (see ScaledMoney in model/saturating.h). It is kPurseOne,
  // the rules' own money, in every world but the live game of a session that
  // adjusts Chaos's purse to the player's record; a replay never scales.
  std::int32_t chaosPurse;
};
