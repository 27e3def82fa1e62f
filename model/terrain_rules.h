#pragma once
// The building blocks of terraforming: the raise and lower stamps and the two
// rules that turn a sum of four neighbouring codes into a terrain level.

#include "model/world.h"

// Adds the 17-square raise stamp centred on (a, b), clamping at 5.
void ApplyRaiseStamp(TerrainGrid& terrain, int a, int b);
// Subtracts the 45-square lower stamp whose deepest square is (a + 1, b + 1),
// clamping at 0.
void ApplyLowerStamp(TerrainGrid& terrain, int a, int b);
// Sum of the four neighbours of (x, y), wrapped; the square itself excluded.
int NeighbourSum(const TerrainGrid& terrain, int x, int y);
// s / 4 with halves going up, except that 0.5 gives 0 (smoothing passes).
int LevelRoundUp(int sum);
// s / 4 with every half going down (the pass that evens out outliers).
int LevelRoundDown(int sum);
