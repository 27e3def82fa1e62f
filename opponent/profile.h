#pragma once
// The user profile: wins, losses and the 250 strategy scores in a small text
// file, "%d\t" each (wins and losses first), with no header and no line
// breaks. A fresh profile is "0\t" 252 times, 504 bytes.
//
// A profile that cannot be read leaves the values in memory as they were; one
// that cannot be written leaves the file as it was, and the shell tells the
// player once (TakeUnreportedSaveFailure).

#include <optional>
#include <string>

#include "opponent/files.h"

// "default.tvu" at start. Empty means a profile kept in memory only, as
// tarvell-cli play keeps one when no file is given: nothing is read or saved.
extern std::string profileName;

// Makes name the current profile, held by its absolute path: a relative name
// is taken against the working folder now, so that later saves and loads of
// this user reach the same file wherever the working folder moves.
void SetProfileName(const std::string& name);

// Writes the profile to profileName and answers whether it was written. The
// new content replaces the file as a whole (see ReplaceFileContent), so an
// interrupted save never leaves a truncated profile behind; a symbolic link
// to a profile stays a link, and a profile this user may not write is left
// alone. A failed save leaves the values in memory for the next save.
bool SaveProfile();

// Why a save failed, for the player.
struct ProfileSaveFailure {
  std::string path;
  std::string reason;
};

// The first failed save of the current profile, once: after that, nothing
// until a save of it succeeds or another profile becomes current, so that a
// player who cannot save hears of it once, not at every turn.
std::optional<ProfileSaveFailure> TakeUnreportedSaveFailure();

// Reads wins, losses and the scores in that order from profileName. Reading
// stops at the first number that is missing or unreadable (including one that
// does not fit in 32 bits); the values from there on keep their old values.
// Anything but a regular file is skipped like a missing one.
void LoadProfile();

// All scores, wins and losses to 0. Touches no file.
void ResetProfile();

// The profile's text as SaveProfile writes it.
std::string ProfileText();
