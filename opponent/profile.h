#pragma once
// The user profile: wins, losses and the 250 strategy scores in a small text
// file, "%d\t" each (wins and losses first), with no header and no line
// breaks. A fresh profile is "0\t" 252 times, 504 bytes.
//
// File errors are silent: a profile that cannot be read leaves the values in
// memory as they were, one that cannot be written leaves the file as it was.

#include <string>

// "default.tvu" at start. Empty means a profile kept in memory only, as
// tarvell-cli play keeps one when no file is given: nothing is read or saved.
extern std::string profileName;

// Writes the profile to profileName. The new content goes to a temporary file
// beside it, which is flushed and then renamed over the old file, so that an
// interrupted save never leaves a truncated profile behind.
void SaveProfile();

// Reads wins, losses and the scores in that order from profileName. Reading
// stops at the first number that is missing or unreadable (including one that
// does not fit in 32 bits); the values from there on keep their old values.
void LoadProfile();

// All scores, wins and losses to 0. Touches no file.
void ResetProfile();

// The profile's text as SaveProfile writes it.
std::string ProfileText();

// Test seam: makes the next saves fail at the given step, to prove that a
// failing save leaves the old file intact. Never set outside tests.
enum class ProfileSaveStep { None, Open, Write, Flush, Close, Rename };
void FailProfileSaveAt(ProfileSaveStep step);
