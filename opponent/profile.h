#pragma once
// The user profile: wins, losses and the 250 strategy scores in a small text
// file, "%d\t" each (wins and losses first), with no header and no line
// breaks. A fresh profile is "0\t" 252 times, 504 bytes.
//
// The record travels with the caller (the game's session holds the current
// user's); the scores are the shared strategyScores, which the background
// simulation writes. A profile that cannot be read leaves the values in
// memory as they were; one that cannot be written leaves the file as it was.

#include <string>

#include "opponent/files.h"
#include "opponent/strategy.h"

// The profile's text for record and the current scores.
std::string ProfileText(const Record& record);

// Writes record and the scores to path and answers whether it was written,
// with the reason in error when not. The new content replaces the file as a
// whole (see ReplaceFileContent), so an interrupted save never leaves a
// truncated profile behind; a symbolic link to a profile stays a link, and a
// profile this user may not write is left alone.
bool SaveProfile(const std::string& path, const Record& record, std::string& error);

enum class ProfileRead {
  Read,        // the file was read (perhaps only in part, see below)
  Missing,     // no file: a fresh record is the caller's to keep
  Unreadable,  // a file stands there but cannot be read: error says why
};

// Reads wins, losses and the scores in that order from a profile opened
// with OpenProfileForReading. Reading stops at
// the first number that is missing or unreadable (including one that does
// not fit in 32 bits); the values from there on keep their old values.
// Anything but a regular file is not read (and never waited on).
ProfileRead LoadProfile(const std::string& path, Record& record, std::string& error);
void ReadProfile(std::FILE* file, Record& record);

// All scores to 0. Touches no file.
void ResetScores();
