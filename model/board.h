#pragma once
// Board geometry and the codes stored in its squares.
//
// The board is 24 x 24 squares addressed (x, y), x left to right and y top to
// bottom, stored x-major. It wraps in both directions: every neighbourhood
// walk and every step wraps, so (x - 1) from 0 is 23 and (x + 1) from 23 is 0.

#include <cstdint>

constexpr int kBoardSize = 24;
constexpr int kBoardSquares = kBoardSize * kBoardSize;

// Wraps a coordinate that lies at most one board width outside 0..23.
constexpr int Wrap(int c) { return c < 0 ? c + kBoardSize : (c >= kBoardSize ? c - kBoardSize : c); }

// Facings: the direction a barbarian looks and steps.
enum Facing : int { FacingUp = 0, FacingRight = 1, FacingDown = 2, FacingLeft = 3 };
// One step in each facing.
constexpr int kStepX[4] = {0, 1, 0, -1};
constexpr int kStepY[4] = {-1, 0, 1, 0};

// Squares are also numbered 0..575, x-major: square x * 24 + y is (x, y),
// so that a unit's step and the square it lands on are one table read each.
constexpr int SquareOf(int x, int y) { return x * kBoardSize + y; }

struct Square {
  std::int8_t x;
  std::int8_t y;
};
// The square one step from each square in each facing, wrapped, and each
// square's coordinates.
struct StepTable {
  std::uint16_t to[kBoardSquares][4];  // [square][facing]
  Square at[kBoardSquares];            // [square]
};
constexpr StepTable MakeStepTable() {
  StepTable table{};
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      for (int f = 0; f < 4; ++f)
        table.to[SquareOf(x, y)][f] = static_cast<std::uint16_t>(SquareOf(Wrap(x + kStepX[f]), Wrap(y + kStepY[f])));
      table.at[SquareOf(x, y)] = {static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)};
    }
  return table;
}
inline constexpr StepTable kStep = MakeStepTable();

// unitType codes: blockers below zero, the player's units 1..8.
enum UnitType : int {
  Impassable = -2,
  Water = -1,
  Empty = 0,
  Drone = 1,
  Mine = 2,
  Farmer = 3,
  Infantry = 4,
  Settler = 5,
  Armor = 6,
  Jammer = 7,
  Artillery = 8,
};

constexpr bool IsValidUnitCode(int code) { return code >= Impassable && code <= Artillery; }
constexpr bool IsPlayerUnit(int code) { return code >= Drone && code <= Artillery; }

// Terrain codes (`terrain`): heights from water up to impassable high ground,
// and the two kinds of site, standing on land of code 2 and 3.
enum TerrainCode : std::int8_t {
  TerrainWater = 0,
  TerrainLand1 = 1,
  TerrainLand2 = 2,
  TerrainLand3 = 3,
  TerrainLand4 = 4,
  TerrainImpassable = 5,  // also the highest level terraforming reaches
  TerrainSiteLand2 = 8,
  TerrainSiteLand3 = 9,
};
constexpr bool IsTerrainCode(int code) {
  return (code >= TerrainWater && code <= TerrainImpassable) || code == TerrainSiteLand2 || code == TerrainSiteLand3;
}

// The terrain table: what a terrain code gives its square. Water and
// impassable ground hold no unit; the bonuses are added to a defender's
// strength and, in units of $50, to the income of the units that earn one;
// a site also marks the squares around it for the Scavengers. A code
// outside the table gives nothing.
struct TerrainEffect {
  std::int8_t unitType;
  std::int8_t defenceBonus;
  std::int8_t incomeBonus;
  bool site;
};
constexpr TerrainEffect TerrainEffectOf(int code) {
  switch (code) {
    case TerrainWater: return {Water, 0, 0, false};
    case TerrainLand1: return {Empty, 0, 2, false};
    case TerrainLand2: return {Empty, 0, 1, false};
    case TerrainLand3: return {Empty, 1, 0, false};
    case TerrainLand4: return {Empty, 2, -1, false};
    case TerrainImpassable: return {Impassable, 0, 0, false};
    case TerrainSiteLand2: return {Empty, 0, 3, true};
    case TerrainSiteLand3: return {Empty, 1, 2, true};
    default: return {Empty, 0, 0, false};
  }
}

// mode of a world.
enum WorldMode : int { ModeIdle = -1, ModeSimulation = 0, ModePlaying = 1 };

// The barbarian kinds, in the order of behaviour tables, purchase thresholds
// and strategy records.
constexpr int kKindCount = 8;
enum KindIndex : int {
  KindScout = 0,
  KindScavenger = 1,
  KindCommon = 2,
  KindAmphibious = 3,
  KindMobile = 4,
  KindJump = 5,
  KindKamikazee = 6,
  KindArmored = 7,
};

// Each side's money when a new game starts.
constexpr int kStartingMoney = 2000;

// Prices, resale prices and income bases of the player's units, indexed by
// unitType 1..8 (index 0 unused).
constexpr int kUnitPrice[9] = {0, 20, 50, 100, 100, 150, 200, 150, 400};
constexpr int kUnitResale[9] = {0, 20, 25, 80, 90, 120, 150, 90, 300};
// Income base: the player's income at a turn end is 50 x (base + the square's
// incomeBonus); units without income have base 0 and earn nothing.
constexpr int kUnitIncomeBase[9] = {0, 1, 0, 5, 0, 3, 0, 0, 0};
constexpr int kIncomeStep = 50;  // dollars per point of income base or bonus
constexpr bool EarnsIncome(int type) { return type == Drone || type == Farmer || type == Settler; }
// What a unit of type earning income on a square of incomeBonus earns at a
// turn's end.
constexpr std::int64_t UnitIncome(int type, int incomeBonus) {
  return kIncomeStep * (kUnitIncomeBase[type] + std::int64_t{incomeBonus});
}
