#pragma once
// The player's units as combat sees them, by unitType 1..8.

struct Defender {
  int defence;         // strength against an attack, before the square's bonus
  int counterBlow;     // strength of the strike back at a failed attacker
  int lootBase;        // loot of a kill is phase x (base + incomeBonus); -1: no loot
  const char* report;  // status report when a barbarian's attack kills it
};

// Index by unitType; Mines (2) are never attacked and have no row.
inline constexpr Defender kDefenders[9] = {
    {0, 0, -1, nullptr},
    {1, 0, 1, "Drone destroyed at (%d,%d).\t"},
    {0, 0, -1, nullptr},
    {1, 0, 5, "Farmer destroyed at (%d,%d).\t"},
    {6, 3, -1, "Infantry destroyed at (%d,%d).\t"},
    {4, 2, 3, "Settler destroyed at (%d,%d).\t"},
    {10, 8, -1, "Armor destroyed at (%d,%d).\t"},
    {2, 0, -1, "Jammer destroyed at (%d,%d).\t"},
    {2, 3, -1, "Artillery destroyed at (%d,%d).\t"},
};

// A player unit a barbarian can attack: anything but a Mine.
constexpr bool IsAttackable(int unitType) { return unitType >= 1 && unitType <= 8 && unitType != 2; }
