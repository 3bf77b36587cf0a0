#!/usr/bin/env bash
# Runs atspi_check.py against the program under a private X server and D-Bus session, with Qt's
# accessibility bridge switched on.
set -u
program=$1
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is not installed"
work=$(mktemp -d)
# The server picks a free display itself and writes its number once it takes connections.
# Without -noreset it resets when its first clients (xdpyinfo, the accessibility bus launcher)
# leave, and a program connecting during that reset is refused.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(head -n 3 "$work/xvfb.log")"; exit 1; }
# The X server's own window system, whatever platform the caller chose for Qt.
export DISPLAY=":$(head -n 1 "$work/display")" HOME=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# Tells a server that died after naming its display from a program that cannot reach it.
if ! xdpyinfo >/dev/null 2>&1; then
  echo "Xvfb on $DISPLAY takes no connection: $(tail -n 3 "$work/xvfb.log")"
  exit 1
fi
dbus-run-session -- env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  /usr/bin/python3 "$(dirname "$0")/atspi_check.py" "$program"
