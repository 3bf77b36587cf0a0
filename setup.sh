#!/usr/bin/env bash
# Installs what is missing on Debian 12, builds, and then starts the program (`run`) or runs
# every test (`test`).
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins
  libqt6sql6-sqlite
  libgl-dev libfluidsynth-dev librtmidi-dev libpulse-dev libasound2-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 timgm6mb-soundfont
  qt6-charts-dev locales)
test_packages=(xvfb xauth x11-utils imagemagick poppler-utils pulseaudio pulseaudio-utils
  fluid-soundfont-gm desktop-file-utils appstream lintian librsvg2-bin man-db clang-14
  libclang-rt-14-dev clang-tidy-14 dbus-daemon at-spi2-core python3-pyatspi sqlite3)

install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

build() {
  cmake --preset "$1"
  cmake --build --preset "$1"
}

case "${1:-}" in
  run)
    install_missing "${build_packages[@]}"
    build default
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "Velmora is built (build/default/src/velmora) but cannot start: there is no display (DISPLAY is not set)." >&2
      exit 1
    fi
    exec build/default/src/velmora
    ;;
  test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build ci
    ctest --preset ci
    build asan
    ctest --preset asan
    build fuzz
    ctest --preset fuzz
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
