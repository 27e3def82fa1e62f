#!/usr/bin/env bash
# Checks a Debian package of Tarvell: its name and control fields, its exact
# file list, the desktop entry and AppStream metadata in it, lintian, and,
# unpacked into a scratch root, that both programs run and that their manual
# pages name the same commands and options as their --help.
#   tests/package/check_package.sh PACKAGE.deb
set -euo pipefail
deb=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }

version=$(field Version)
architecture=$(field Architecture)
[ "$(field Package)" = tarvell ] || fail "package name $(field Package)"
[ "$architecture" = "$(dpkg --print-architecture)" ] || fail "architecture $architecture"
[ "$(basename "$deb")" = "tarvell_${version}_${architecture}.deb" ] || fail "file name $(basename "$deb")"
[ "$(field Section)" = games ] || fail "section $(field Section)"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $(field Depends)," == *", $library "* ]] || fail "Depends lacks $library: $(field Depends)"
done

expected=(usr/games/tarvell usr/games/tarvell-cli
  usr/share/applications/io.github.tarvell.tarvell.desktop
  usr/share/metainfo/io.github.tarvell.tarvell.metainfo.xml
  usr/share/mime/packages/tarvell.xml
  usr/share/man/man6/tarvell.6.gz usr/share/man/man6/tarvell-cli.6.gz
  usr/share/doc/tarvell/copyright usr/share/doc/tarvell/changelog.gz)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tarvell.png"
    "usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-tarvell-profile.png")
done
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
diff <(printf '%s\n' "${expected[@]}" | sort) <(printf '%s\n' "$files") >&2 ||
  fail "the package's files differ from the list above (< missing, > unexpected)"

root=$scratch/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/io.github.tarvell.tarvell.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=/usr/games/tarvell --data-folder %f' "$root/usr/share/applications/io.github.tarvell.tarvell.desktop" ||
  fail "the desktop entry does not start /usr/games/tarvell --data-folder"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tarvell.tarvell.metainfo.xml" >"$scratch/out" ||
  fail "appstreamcli validate: $(cat "$scratch/out")"
grep -q 'License: Expat' "$root/usr/share/doc/tarvell/copyright" || fail "no licence in the copyright file"

# Errors fail; warnings and notes are shown.
lintian --fail-on error --info "$deb" 2>/dev/null || fail "lintian reports errors"

export LD_LIBRARY_PATH=  # the libraries of the system, as an installed package gets them
for program in tarvell tarvell-cli; do
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/$program" --version)" = "$program $version" ] ||
    fail "$program --version does not print '$program $version'"
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/$program" --help)
  page=$(MANWIDTH=200 man --warnings -l "$root/usr/share/man/man6/$program.6.gz" 2>"$scratch/warnings")
  [ ! -s "$scratch/warnings" ] || fail "$program.6: $(cat "$scratch/warnings")"
  # The same options in both; every command of the help has its paragraph in the page.
  options() { grep -oE -- '(^|[[:space:][|(,])--?[a-z][a-z-]*' | sed 's/^[^-]*//' | sort -u; }
  diff <(printf '%s\n' "$page" | options) <(printf '%s\n' "$help" | options) >&2 ||
    fail "$program: options that only the manual page (<) or only --help (>) has"
  for command in $(printf '%s\n' "$help" | sed -nE 's/^  ([a-z]+)( .*)?$/\1/p'); do
    printf '%s\n' "$page" | grep -qE "^ +$command( |$)" || fail "$program.6 does not describe the command $command"
  done
done
echo "package checked: $deb"
