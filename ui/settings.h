#pragma once
// Where the game keeps what it remembers between runs: the recent profiles,
// the zoom, the game speed, Chaos's mode, the terrain overlay and where the
// turn report floats, in the per-user settings of organisation and application
// "Tarvell" (on Linux ~/.config/Tarvell/Tarvell.conf).
//
// The settings file is checked before Qt reads it: it must be a regular
// file of at most kMaxSettingsBytes. Anything else (a folder, a FIFO that
// would block the read for ever, a huge file) is left alone, and the game
// runs with its defaults and remembers nothing this time.

#include <QString>

#include <memory>

class QSettings;

inline constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// The folder of the per-user settings ($XDG_CONFIG_HOME, ~/.config by
// default): the user, as far as the game's settings go.
QString SettingsFolder();

// The settings, or null when their file must not be read (see
// SettingsProblem).
std::unique_ptr<QSettings> OpenSettings();

// Why the settings file cannot be used, for the player; empty when it can
// (a missing file is fine: it is made at the first change).
QString SettingsProblem();

// At the first start under the program's own name, copies the recent
// profiles and the zoom once from where earlier versions kept them
// (organisation "Local AppWizard-Generated Applications"). Nothing when the
// settings already exist or the old ones cannot be read.
void CopyEarlierSettings();
