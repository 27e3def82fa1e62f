#pragma once
// The background simulation: how Chaos learns from the user's placements.
//
// At the start of a live turn, when none runs, the game's session records the
// board and starts a thread that replays the position once under each of the
// 250 strategies in a private world, folding each outcome into that
// strategy's score. The flag simulationRunning is the only synchronisation:
// the game's thread writes the recorded board only while it is clear and sets
// it before the thread starts; the thread clears it, with release order,
// after its last score, so a game thread that sees it clear (acquire) sees
// every score.

#include <atomic>
#include <cstdint>

#include "model/world.h"

extern std::atomic<std::uint8_t> simulationRunning;
extern TerrainGrid recordedTerrain;
extern std::int8_t recordedUnits[kBoardSize][kBoardSize];

// Copies the world's terrain and unitType of every square (x-major) into
// the recorded board. Only while no simulation runs.
void RecordBoard(const CWorld& world);

// The simulation's work: 250 replays in a world of its own, then the flag
// is cleared (release) and every waiter on it woken. The game's session runs
// it on a thread it owns, after recording the board and setting the flag.
void RunSimulation();

// Rebuilds the world from the recorded board for a replay: no money for the
// player, Chaos holding what the player's units are worth.
void SetUpReplay(CWorld& world);

// The 250 replays of the recorded board in the given world, each folded
// into its strategy's score. Returns the number of unit actions taken.
long long RunReplays(CWorld& world);

// A strategy's new score after a replay: the running average with weight one
// half on the newest outcome, truncated toward zero.
std::int32_t UpdatedScore(std::int32_t old, std::int32_t playerGain, std::int32_t chaosGain);
