#pragma once
// The few operating-system services the game asks for by name: the
// millisecond tick count that seeds the generator, sleeping, and starting
// the background simulation's thread.

#include <cstdint>

// Milliseconds since the system started, wrapping at 32 bits.
std::uint32_t GetTickCount();

// Blocks the calling thread for the given milliseconds (none for 0 or less).
void Sleep(int milliseconds);

// The procedure a worker thread runs, with the parameter given at its start.
using WorkerProcedure = unsigned (*)(void* parameter);

// Starts procedure(parameter) on a new thread at normal priority at once. The
// caller keeps no handle and does not wait; the thread ends with the
// procedure. False when no thread could be started.
bool AfxBeginThread(WorkerProcedure procedure, void* parameter);
