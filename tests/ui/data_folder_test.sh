#!/usr/bin/env bash
# Where the game works: started as the desktop entry starts it, in the data
# folder; started without --data-folder, in the folder it was started in.
# --help and --version answer without a display, and fail aloud when their
# output cannot be written; an unknown option is refused.
#   data_folder_test.sh GAME DESKTOP_ENTRY SCRATCH_FOLDER
set -euo pipefail
game=$1 entry=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/start" "$scratch/home"
cd "$scratch/start"
printf '3\t1\t' >player.tvu
unset XDG_DATA_HOME
# Settings and the one-game-per-user socket of its own: a game the user runs
# meanwhile is neither reached nor in the way. Each start below is killed and
# leaves its socket behind, which the next start replaces.
mkdir -m 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The options the desktop entry gives, with the file manager's file in place of %f.
options=$(sed -n 's/^Exec=[^ ]* //p' "$entry")
[ -n "$options" ] || fail "no options in the Exec line of $entry"

# Starts the game offscreen and waits until it has saved the default profile
# and written the game log in FOLDER (both happen at start with a profile
# named), then ends it.
start_in() {
  local folder=$1
  shift
  QT_QPA_PLATFORM=offscreen HOME="$scratch/home" "$game" "$@" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 300); do
    [ -f "$folder/default.tvu" ] && [ -f "$folder/tv_log.txt" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -f "$folder/default.tvu" ] && [ -f "$folder/tv_log.txt" ] || fail "no profile and game log in $folder after: $*"
}

# shellcheck disable=SC2086  # the entry's options are words
XDG_DATA_HOME="$scratch/data" start_in "$scratch/data/tarvell" ${options/\%f/player.tvu}
[ ! -e default.tvu ] && [ ! -e tv_log.txt ] || fail "the desktop entry's start wrote into the start folder"
[ ! -e "$scratch/home/.local/share/tarvell" ] || fail "XDG_DATA_HOME was not followed"
[ "$(cat player.tvu)" = "$(printf '3\t1\t')" ] || fail "the named profile was written at start"

(unset XDG_DATA_HOME; start_in "$scratch/home/.local/share/tarvell" --data-folder)

start_in "$scratch/start" player.tvu

# A data folder that cannot be made: one line, status 1, no window.
touch "$scratch/file"
status=0
err=$(XDG_DATA_HOME="$scratch/file" QT_QPA_PLATFORM=offscreen "$game" --data-folder 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "unusable data folder: status $status, '$err'"

# An unknown option: one line, status 2, no window. Qt's own options are no
# mistake.
status=0
err=$(QT_QPA_PLATFORM=offscreen "$game" --bogus player.tvu 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] && printf '%s\n' "$err" | grep -qxF "tarvell: unknown option --bogus (see tarvell --help)" ||
  fail "unknown option: status $status, '$err'"
rm -f default.tvu tv_log.txt
start_in "$scratch/start" -platform offscreen player.tvu

for option in --help --version; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" $option) || fail "$option failed"
  [ -n "$out" ] || fail "$option printed nothing"
  # Output that cannot be written: status 1 and one line.
  status=0
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" $option 2>&1 >/dev/full) || status=$?
  [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$option to /dev/full: status $status, '$err'"
done
rm -rf "$scratch"
