#!/usr/bin/env bash
# Builds the Debian package of a build folder with CPack, lists its control fields and contents,
# and has lintian look for errors and warnings in it.
set -u
build=$1 version=$2
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
}
deb=$work/velmora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb") in: $(ls "$work")"; exit 1; }

failures=0
field() { dpkg-deb -f "$deb" "$1"; }
expect() {
  if [[ "$2" == $3 ]]; then
    echo "ok   $1: $2"
  else
    echo "FAIL $1: '$2' does not match '$3'"
    failures=$((failures + 1))
  fi
}
expect "Package" "$(field Package)" "velmora"
expect "Version" "$(field Version)" "$version"
expect "Section" "$(field Section)" "education"
# Found by dpkg-shlibdeps in the binary, not written by hand; only the SQL driver plugin is named.
expect "Depends" "$(field Depends)" "libqt6sql6-sqlite,*libfluidsynth3 (>= 2.*libqt6widgets6 (>= 6.*librtmidi6 (>= 5*"
expect "Recommends" "$(field Recommends)" "timgm6mb-soundfont | fluid-soundfont-gm, fonts-liberation2, qt6-translations-l10n"

echo "contents of $(basename "$deb"):"
dpkg-deb -c "$deb" | awk '{ print $1, $6 }'

lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
status=$?
grep -v 'running with root privileges' "$work/lintian.log"
expect "lintian errors and warnings" "$status" "0"

[ "$failures" -eq 0 ] || { echo "$failures check(s) of the package failed"; exit 1; }
echo "the package is sound"
