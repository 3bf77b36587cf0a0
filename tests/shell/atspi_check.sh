#!/usr/bin/env bash
# Runs atspi_check.py against the program under a private X server and D-Bus session, with Qt's
# accessibility bridge switched on.
set -u
program=$1
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is not installed"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_RUNTIME_DIR=$work
# A server number away from the usual 99, where other test runs start theirs.
exec xvfb-run -a -n 317 -s "-screen 0 1024x768x24" dbus-run-session -- \
  env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$(dirname "$0")/atspi_check.py" "$program"
