#include "model/maps.h"

namespace {

// Quarter codes of each map: (x 0..11, y 0..11), (x 0..11, y 12..23),
// (x 12..23, y 0..11), (x 12..23, y 12..23).
constexpr std::int8_t kQuarters[kBuiltInMapCount][4] = {
    {2, 2, 3, 3}, {3, 3, 2, 2}, {3, 2, 2, 2}, {2, 3, 2, 2}, {2, 2, 3, 2},
    {2, 2, 2, 3}, {2, 2, 2, 2}, {3, 3, 3, 3}, {1, 1, 2, 2}, {2, 2, 1, 1},
};

constexpr std::array<BaseMap, kBuiltInMapCount> MakeMaps() {
  std::array<BaseMap, kBuiltInMapCount> maps{};
  for (int m = 0; m < kBuiltInMapCount; ++m)
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        maps[m][x * kBoardSize + y] = kQuarters[m][(x >= 12 ? 2 : 0) + (y >= 12 ? 1 : 0)];
  return maps;
}

}  // namespace

constexpr std::array<BaseMap, kBuiltInMapCount> builtInMaps = MakeMaps();
