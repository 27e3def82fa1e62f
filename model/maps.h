#pragma once
// The ten built-in base maps from which every new game's landscape is shaped.
// Each is 576 terrain codes, x-major, made of four uniform 12 x 12 quarters of
// codes 1, 2 and 3.

#include <array>
#include <cstdint>

#include "model/board.h"

constexpr int kBuiltInMapCount = 10;

using BaseMap = std::array<std::int8_t, kBoardSquares>;

// builtInMaps[n - 1] is map n.
extern const std::array<BaseMap, kBuiltInMapCount> builtInMaps;
