#!/usr/bin/env bash
# Installs what is missing on Debian 12, builds, and then starts the program (`run`), runs
# every test (`test`), or serves the browser page at http://127.0.0.1:${PORT:-8000}/ (`web`).
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins
  libqt6sql6-sqlite
  libgl-dev libfluidsynth-dev librtmidi-dev libpulse-dev libasound2-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 timgm6mb-soundfont
  qt6-charts-dev qt6-l10n-tools qt6-translations-l10n locales)
test_packages=(xvfb xauth x11-utils imagemagick poppler-utils pulseaudio pulseaudio-utils
  fluid-soundfont-gm desktop-file-utils appstream lintian librsvg2-bin man-db clang-14
  libclang-rt-14-dev clang-tidy-14 dbus-daemon at-spi2-core python3-pyatspi sqlite3 chromium
  chromium-driver)
# The browser page: the core compiled by emscripten, the piano rendered with FluidSynth.
web_packages=(build-essential cmake ninja-build emscripten nodejs googletest libfluidsynth-dev
  fluid-soundfont-gm librsvg2-bin)

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
    install_missing "${build_packages[@]}" "${test_packages[@]}" "${web_packages[@]}"
    build ci
    ctest --preset ci
    build asan
    ctest --preset asan
    build fuzz
    ctest --preset fuzz
    # Node.js from elsewhere than Debian brings npm itself, and Debian's npm conflicts with it.
    command -v npm >/dev/null || install_missing npm
    (cd web && npm ci --no-audit --no-fund)
    build web
    ctest --preset web
    ;;
  web)
    install_missing "${web_packages[@]}"
    cmake --preset web
    cmake --build --preset web --target velmora_page
    exec node web/tools/serve.mjs build/web "${PORT:-8000}"
    ;;
  *)
    echo "usage: $0 run|test|web" >&2
    exit 2
    ;;
esac
