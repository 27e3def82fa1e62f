#!/usr/bin/env bash
# Checks the Debian packages of Tarvell that scripts/package leaves beside
# PACKAGE.deb: the game's name and control fields, its exact file list, the
# desktop entry, icons and AppStream metadata in it (screenshots stored in
# the repository under the path their URL names), the debug-symbol package
# and the source package beside it, lintian --pedantic on all of them,
# hardening-check on both programs and blhc on the build log, and, unpacked
# into a scratch root, that both programs run and that their manual pages
# name the same commands and options as their --help.
#   tests/package/check_package.sh PACKAGE.deb
# Run from the root of the repository.
set -euo pipefail
deb=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }

version=$(field Version)
architecture=$(field Architecture)
out=$(dirname "$deb")
app_id=io.github.tarvell.tarvell
[ "$(field Package)" = tarvell ] || fail "package name $(field Package)"
[ "$architecture" = "$(dpkg --print-architecture)" ] || fail "architecture $architecture"
[ "$(basename "$deb")" = "tarvell_${version}_${architecture}.deb" ] || fail "file name $(basename "$deb")"
[ "$(field Section)" = games ] || fail "section $(field Section)"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $(field Depends)," == *", $library "* ]] || fail "Depends lacks $library: $(field Depends)"
done

expected=(usr/games/tarvell usr/games/tarvell-cli
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/mime/packages/tarvell.xml
  usr/share/man/man6/tarvell.6.gz usr/share/man/man6/tarvell-cli.6.gz
  usr/share/doc/tarvell/copyright usr/share/doc/tarvell/changelog.gz
  usr/share/icons/hicolor/scalable/apps/$app_id.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-tarvell-profile.svg)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
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
grep -qx "Icon=$app_id" "$root/usr/share/applications/$app_id.desktop" || fail "the desktop entry's icon is not $app_id"
# The entry and the metadata speak every language of the game.
for language in $(cat ui/desktop/po/LINGUAS); do
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$root/usr/share/applications/$app_id.desktop" || fail "no $key[$language] in the desktop entry"
  done
  grep -q "<summary xml:lang=\"$language\">" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "no summary in $language in the metadata"
done
grep -q 'License: Expat' "$root/usr/share/doc/tarvell/copyright" || fail "no licence in the copyright file"
zcat "$root/usr/share/doc/tarvell/changelog.gz" | sed -n 1p | grep -q "^tarvell ($version) " ||
  fail "the changelog's latest entry is not $version"

# The icons: every PNG of the theme has an alpha channel (colour type 6) and
# its size; the SVG is the 32 x 32 picture.
for file in "$root"/usr/share/icons/hicolor/*x*/*/*.png; do
  size=$(basename "$(dirname "$(dirname "$file")")")
  file "$file" | grep -q ": PNG image data, ${size/x/ x }, 8-bit/color RGBA" || fail "$file: $(file -b "$file")"
done
for file in "$root"/usr/share/icons/hicolor/scalable/*/*.svg; do
  grep -q '<svg [^>]*viewBox="0 0 32 32"' "$file" || fail "$file is not the 32 x 32 picture"
done

# The metadata: valid by the pickiest reading, its newest release this
# version, the homepage, bug tracker and developer named, and at least two
# screenshots with captions whose images are in the repository under the
# path their URL names, at the size the metadata gives.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" >"$scratch/out" 2>&1 ||
  fail "appstreamcli validate --pedantic: $(cat "$scratch/out")"
grep -q -v '^✔' "$scratch/out" && fail "appstreamcli validate --pedantic: $(cat "$scratch/out")"
xpath() { python3 -c 'import sys, xml.etree.ElementTree as t
for e in t.parse(sys.argv[1]).getroot().iterfind(sys.argv[2]): print((e.text or "").strip() if sys.argv[3] == "text" else e.get(sys.argv[3]))' "$metainfo" "$@"; }
[ "$(xpath './releases/release' version | sed -n 1p)" = "$version" ] ||
  fail "the metadata's newest release is $(xpath './releases/release' version | sed -n 1p), not $version"
[ "$(xpath './releases/release' version | wc -l)" -ge 2 ] || fail "the metadata lists fewer than two releases"
for release in $(xpath './releases/release' version); do
  [ -n "$(xpath "./releases/release[@version='$release']/description/p" text)" ] ||
    fail "the metadata's release $release has no notes"
done
[ "$(xpath './url[@type="homepage"]' text)" = "$(field Homepage)" ] || fail "the metadata's homepage is not $(field Homepage)"
[[ "$(xpath './url[@type="bugtracker"]' text)" == https://?* ]] || fail "the metadata has no bug tracker"
[ -n "$(xpath './developer_name' text)" ] || fail "the metadata has no developer_name"
[ "$(xpath './screenshots/screenshot' type | wc -l)" -ge 2 ] || fail "the metadata shows fewer than two screenshots"
python3 -c 'import sys, xml.etree.ElementTree as t
sys.exit(any(not (s.findtext("caption") or "").strip() for s in t.parse(sys.argv[1]).getroot().iterfind("./screenshots/screenshot")))' \
  "$metainfo" || fail "a screenshot has no caption"
repository=https://raw.githubusercontent.com/tarvell/tarvell/main/
for url in $(xpath './screenshots/screenshot/image' text); do
  path=${url#"$repository"}
  [ "$path" != "$url" ] || fail "the screenshot $url is not in the repository ($repository...)"
  [ -f "$path" ] || fail "the screenshot $url: no $path in the repository"
  width=$(xpath "./screenshots/screenshot/image[.='$url']" width)
  height=$(xpath "./screenshots/screenshot/image[.='$url']" height)
  file "$path" | grep -q ": PNG image data, $width x $height," || fail "$path is not $width x $height: $(file -b "$path")"
done

# The debug symbols of both programs, found by their build ids.
dbgsym=$out/tarvell-dbgsym_${version}_${architecture}.deb
[ -f "$dbgsym" ] || fail "no debug-symbol package $dbgsym"
dpkg -x "$dbgsym" "$scratch/dbgsym"
for program in tarvell tarvell-cli; do
  id=$(readelf -n "$root/usr/games/$program" | sed -n 's/^ *Build ID: //p')
  [ -n "$id" ] || fail "$program has no build id"
  debug=$scratch/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
  [ -f "$debug" ] || fail "the debug-symbol package has no symbols for $program (build id $id)"
  readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info' || fail "$debug holds no debugging information"
done

# Every hardening feature of dpkg-buildflags (+all) in both programs. The
# Debian 12 compiler's +all gives no control-flow protection.
hardening-check --nocfprotection --quiet "$root/usr/games/tarvell" "$root/usr/games/tarvell-cli" >&2 ||
  fail "hardening-check"
nm -D "$root/usr/games/tarvell" | grep -q __stack_chk_fail || fail "tarvell has no stack protector"
# Every compiler and linker line of the build got the packager's flags.
log=$out/tarvell_${version}_${architecture}.build
[ -f "$log" ] || fail "no build log $log"
grep -q -- '-ffile-prefix-map=' "$log" || fail "the build log shows no -ffile-prefix-map"
blhc --debian --all "$log" >&2 || fail "blhc: flags missing in $log"

# The source package, and lintian on everything the build made. Nothing may
# be reported, down to the pedantic tags, but what an override explains.
for file in tarvell_${version}.dsc tarvell_${version}.tar.xz; do
  [ -f "$out/$file" ] || fail "no $out/$file"
done
lintian --pedantic --fail-on error,warning,info,pedantic --info "$out/tarvell_${version}_${architecture}.changes" ||
  fail "lintian --pedantic reports the tags above"

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
