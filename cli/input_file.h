#pragma once
// The files tarvell-cli reads: only regular files of a sensible size, so
// that a FIFO, a device or a huge file gives a clear error instead of a
// hang or an exhausted memory.

#include <cstdint>
#include <string>

// No scenario or profile comes anywhere near this; a commented scenario is a
// few kilobytes, a profile at most about three.
constexpr std::uintmax_t kMaxInputBytes = 1024 * 1024;

// Throws UsageError unless path is a regular file of at most kMaxInputBytes,
// or, where missingIsFine, does not exist at all. Answers whether it exists.
bool CheckInputFile(const std::string& path, bool missingIsFine);

// The whole content of a file that passes CheckInputFile (missing not fine).
std::string ReadInputFile(const std::string& path);
