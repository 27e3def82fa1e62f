#pragma once
// `tarvell-cli play`: whole games without a window, each as the game plays
// it, with a built-in policy in the player's place.

#include "cli/arguments.h"

// The options play takes, for the command table.
extern const std::vector<std::string> kPlayOptions;
extern const std::vector<std::string> kPlayFlags;

int Play(const Arguments& args);
