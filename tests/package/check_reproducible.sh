#!/usr/bin/env bash
# Builds the packages a second time from the source package beside
# PACKAGE.deb (its .dsc), unpacked into another folder, and checks that the
# game's package and its debug symbols come out byte for byte the same.
#   tests/package/check_reproducible.sh PACKAGE.deb [FOLDER]
# FOLDER (build/package-rebuild by default) is emptied first and kept
# afterwards, with the second build's log.
set -euo pipefail
deb=$1
folder=${2:-build/package-rebuild}
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(cd "$(dirname "$deb")" && pwd)
version=$(dpkg-deb -f "$deb" Version)
architecture=$(dpkg-deb -f "$deb" Architecture)
dsc=$out/tarvell_${version}.dsc
[ -f "$dsc" ] || fail "no source package $dsc beside $deb"

rm -rf "$folder"
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
# A path of another length than the first build's, so that a build path left
# in a program changes its size and its build id.
source=$folder/second-build/tarvell-$version
mkdir -p "$(dirname "$source")"
dpkg-source --no-check -x "$dsc" "$source" >/dev/null
log=$folder/tarvell_${version}_${architecture}.build
(cd "$source" && dpkg-buildpackage -us -uc -b -J"$(nproc)") >"$log" 2>&1 ||
  { tail -n 40 "$log" >&2; fail "the second build failed; its log is $log"; }

for name in tarvell tarvell-dbgsym; do
  file=${name}_${version}_${architecture}.deb
  [ -f "$folder/second-build/$file" ] || fail "the second build made no $file"
  if ! cmp "$out/$file" "$folder/second-build/$file"; then
    # Name the files that differ, to start the search.
    mkdir -p "$folder/first/$name" "$folder/second/$name"
    dpkg-deb -R "$out/$file" "$folder/first/$name"
    dpkg-deb -R "$folder/second-build/$file" "$folder/second/$name"
    diff -r -q "$folder/first/$name" "$folder/second/$name" >&2 || true
    fail "$file differs between two builds of one source (the second is in $folder/second-build)"
  fi
done
echo "reproducible: two builds of tarvell_${version}.dsc gave the same tarvell and tarvell-dbgsym packages"
