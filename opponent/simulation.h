#pragma once
// The background simulation: how Chaos learns from the user's placements.
//
// At the start of a live turn, when none runs, the turn records the board
// and starts a thread that replays the position once under each of the 250
// strategies in a private world, folding each outcome into that strategy's
// score. The flag simulationRunning is the only synchronisation: the window
// thread writes the recorded board only while it is clear and sets it before
// the thread starts; the thread clears it, with release order, after its
// last score, so a window thread that sees it clear (acquire) sees every
// score.

#include <atomic>
#include <cstdint>

#include "model/world.h"

extern std::atomic<std::uint8_t> simulationRunning;
extern TerrainGrid recordedTerrain;
extern std::int8_t recordedUnits[kBoardSize][kBoardSize];

// Copies the world's terrain and unitType of every square (x-major) into
// the recorded board. Only while no simulation runs.
void RecordBoard(const CWorld& world);

// Starts a procedure on a new detached thread at once, or throws
// std::system_error when no thread can be had.
using ThreadStarter = void (*)(unsigned (*procedure)());
void StartDetachedThread(unsigned (*procedure)());

// How a live turn starts its simulation: StartDetachedThread in the game.
// tarvell-cli play may set, before any game, a starter that runs the
// procedure to its end on the calling thread, so that the live turn goes on
// only after the simulation and a run depends on its seed alone.
extern ThreadStarter simulationStarter;

// Sets the flag and starts RunSimulation on a new thread. If the thread
// cannot be started the flag is cleared again (a set flag would make every
// later wait block for ever) and false returned.
bool StartSimulation(ThreadStarter start = simulationStarter);

// The thread's procedure: 250 replays in a world of its own, then the flag
// is cleared. Returns 0.
unsigned RunSimulation();

// Rebuilds the world from the recorded board for a replay: no money for the
// player, Chaos holding what the player's units are worth.
void SetUpReplay(CWorld& world);

// The 250 replays of the recorded board in the given world, each folded
// into its strategy's score. Returns the number of unit actions taken.
long long RunReplays(CWorld& world);

// A strategy's new score after a replay: the running average with weight one
// half on the newest outcome, truncated toward zero.
std::int32_t UpdatedScore(std::int32_t old, std::int32_t playerGain, std::int32_t chaosGain);

// Blocks until no simulation runs, testing the flag every pollMilliseconds.
void WaitForSimulation(int pollMilliseconds = 1000);
