#!/usr/bin/env bash
# Starts the program under a real X server, photographs the screen and checks the main
# window's size and the colours of its layout at sampled pixels.
set -u
program=$1
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in xvfb-run xwininfo import convert pulseaudio; do
  command -v "$tool" >/dev/null || skip "$tool is not installed, so no X server screenshot can be taken"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A sound server of the test's own with a null sink, so the built-in synthesizer opens as on a
# desktop and start-up shows no message about missing sound.
cat >"$work/inside.sh" <<'INSIDE'
set -u
program=$1 work=$2
# The X server's own window system, whatever platform the caller chose for Qt.
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_SERVER=unix:$work/native QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  --disable-shm -L "module-null-sink sink_name=velmora_screenshot" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" \
  >"$work/pulse.log" 2>&1 &
pulse=$!
for _ in $(seq 100); do [ -S "$work/native" ] && break; sleep 0.05; done
"$program" >"$work/program.log" 2>&1 &
pid=$!
for _ in $(seq 150); do
  xwininfo -name " Velmora" >"$work/window.txt" 2>/dev/null &&
    grep -q "IsViewable" "$work/window.txt" && break
  sleep 0.1
done
# The window is mapped before it is painted: the photograph counts once two in a row agree.
import -window root "$work/shot.png"
for _ in $(seq 50); do
  import -window root "$work/again.png"
  cmp -s "$work/shot.png" "$work/again.png" && break
  mv "$work/again.png" "$work/shot.png"
done
kill "$pid" "$pulse" 2>/dev/null
wait "$pid" "$pulse" 2>/dev/null
exit 0
INSIDE

if ! xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$work/inside.sh" "$program" "$work" \
    >"$work/xvfb.log" 2>&1; then
  grep -qi "xvfb failed\|cannot open display\|Fatal server error" "$work/xvfb.log" &&
    skip "no X server could be started: $(head -n 3 "$work/xvfb.log")"
fi
grep -q "IsViewable" "$work/window.txt" 2>/dev/null || {
  echo "FAIL: the main window never appeared"
  cat "$work/program.log" "$work/pulse.log" 2>/dev/null
  cp "$work/shot.png" "${TMPDIR:-/tmp}/velmora-screenshot-failed.png" 2>/dev/null
  exit 1
}

field() { sed -n "s/^ *$1: *//p" "$work/window.txt"; }
left=$(field "Absolute upper-left X")
top=$(field "Absolute upper-left Y")
width=$(field "Width")
height=$(field "Height")

failures=0
check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    echo "ok   $what: $actual"
  else
    echo "FAIL $what: expected $expected, found $actual"
    failures=$((failures + 1))
  fi
}

pixel() {
  convert "$work/shot.png" -format "%[pixel:p{$((left + $1)),$((top + $2))}]" info: |
    sed 's/^s\?rgba\?(\(.*\))$/\1/; s/,1)$//'
}

check "window size" "678x487" "${width}x${height}"
check "centred horizontally" "$(((1024 - 678) / 2))" "$left"
check "centred vertically" "$(((768 - 487) / 2))" "$top"
# Pixels relative to the client area; the layout's twips divided by 15.
check "background" "255,192,128" "$(pixel 600 100)"
check "centre circle 9" "255,128,0" "$(pixel 330 165)"
check "inner circle 5" "192,255,255" "$(pixel 328 125)"
check "inner circle 13" "192,255,255" "$(pixel 328 218)"
check "outer circle 2" "255,255,128" "$(pixel 328 85)"
check "outer circle 11" "255,255,128" "$(pixel 412 165)"
check "grey line 2 (horizontal)" "224,224,224" "$(pixel 230 172)"
check "grey line 4 (vertical)" "224,224,224" "$(pixel 340 60)"
check "rule above the palette" "0,0,0" "$(pixel 600 360)"

if [ "$failures" -gt 0 ]; then
  cp "$work/shot.png" "${TMPDIR:-/tmp}/velmora-screenshot-failed.png"
  echo "$failures check(s) failed; screenshot kept in ${TMPDIR:-/tmp}/velmora-screenshot-failed.png"
  exit 1
fi
echo "all screenshot checks passed"
