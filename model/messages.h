#pragma once
// The fixed messages with which the game reports impossible values. They go
// to standard output character for character; nothing is shown to the player
// and the operation goes on with a neutral value.

#include <cstdio>

inline void PrintMessage(const char* text) { std::fputs(text, stdout); }

inline constexpr const char kBadHumanType[] = "Error: Bad Human Type...\n";
inline constexpr const char kWarnBadHumanType[] = "Warning: Bad Human Type...\n";
inline constexpr const char kNoHumanToRemove[] = "Error: No Human To Remove...\n";
inline constexpr const char kBadTerrainType[] = "Error: Bad Terrain Type...\n";
inline constexpr const char kBadMapNum[] = "Error: Bad Map Num...\n";
inline constexpr const char kBadTerraform[] = "Error: Bad Terraform...\n";
inline constexpr const char kBadFacing[] = "Error: Bad Facing...\n";
// The fighting kinds' look and near sense print it without the blank.
inline constexpr const char kBadFacingTight[] = "Error:Bad Facing...\n";
inline constexpr const char kBadDieRoll[] = "Error: Bad Die Roll...\n";
