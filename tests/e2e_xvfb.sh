#!/usr/bin/env bash
# End to end on a real X server: starts the built program on Xvfb and works it
# with xdotool as a pupil would. Usage: e2e_xvfb.sh PROGRAM OUTDIR
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"

fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display itself and writes its number to the pipe.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
read -r -t 10 -u "$fd" number || fail "Xvfb did not start"
export DISPLAY=:$number

# A fake calculator, so F5 has something to start.
fakebin=$(mktemp -d)
# A unique argument tells this run's calculator from any other sleeping process.
calc="sleep 300.$$$RANDOM"
printf '#!/bin/sh\nexec %s\n' "$calc" > "$fakebin/xcalc"
chmod +x "$fakebin/xcalc"

start=$(date +%s%N)
PATH="$fakebin:$PATH" "$program" &
app=$!
main=
for _ in $(seq 1000); do
  main=$( (xdotool search --onlyvisible --name '^Prozentrechnung$' 2>/dev/null || true) | head -n1)
  [ -n "$main" ] && break
  sleep 0.02
done
[ -n "$main" ] || fail "strip window did not appear"
echo "strip window visible after $(( ($(date +%s%N) - start) / 1000000 )) ms"

# The first visible window whose title is exactly $1 (other than $2), waiting up to 5 s.
find_window() {
  local w=""
  for _ in $(seq 100); do
    w=$( (xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true) | grep -v "^${2:-none}\$" | head -n1)
    [ -n "$w" ] && break
    sleep 0.05
  done
  echo "$w"
}
geometry() { xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' '; }
[ "$(geometry "$main")" = "X=0 Y=0 WIDTH=800 HEIGHT=102 " ] || fail "strip at $(geometry "$main")"

key() { xdotool key --clearmodifiers "$@"; sleep 0.15; }
alive() { kill -0 "$app" 2>/dev/null || fail "program ended after $1"; }
# Closes the message box that the last key opened.
close_box() {
  local box
  box=$(find_window Prozentrechnung "$main")
  [ -n "$box" ] || fail "no message box after $1"
  xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
  key Return
}

# At start the estimating exercise is shown below the strip.
est=$(find_window Schaetzen)
[ -n "$est" ] || fail "estimating window not shown at start"
[ "$(geometry "$est")" = "X=0 Y=102 WIDTH=800 HEIGHT=468 " ] || fail "estimating window at $(geometry "$est")"
sleep 0.3
import -window root "$out/schaetzen.png"

# Select the discount tab with the mouse (the tab strip lies from y 53 to 75).
ex=""
for attempt in 1 2 3 4 5; do
  xdotool mousemove 100 66 click 1
  ex=$( (xdotool search --onlyvisible --name '^Rabatt$' 2>/dev/null || true) | head -n1)
  [ -n "$ex" ] && break
  sleep 0.3
done
echo "discount tab selected after $attempt click(s)"
ex=$(find_window Rabatt)
[ -n "$ex" ] || fail "discount window not shown"
[ "$(geometry "$ex")" = "X=0 Y=102 WIDTH=800 HEIGHT=468 " ] || fail "discount window at $(geometry "$ex")"
import -window root "$out/rabatt.png"

# Keys in the exercise window: F1 hint, F2 new task, F9 evaluation of the untouched 0.
xdotool mousemove 680 473 click 1   # into the answer field
sleep 0.2
key F1; close_box F1; alive F1
key F2; alive F2
key F9; close_box F9; alive F9
key F9; alive "F9 twice"
# An invalid entry shows the conversion message and counts nothing.
key F2; key ctrl+a; xdotool type --delay 20 "1.000"; key F9; close_box "invalid entry"; alive "invalid entry"

# Nineteen more attempts complete the series and open the statistics.
for _ in $(seq 19); do key F2; key F9; close_box "attempt"; done
stat=$(find_window Statistik)
[ -n "$stat" ] || fail "statistics not shown after twenty attempts"
sleep 0.3
import -window root "$out/statistik.png"
xdotool windowactivate --sync "$stat" 2>/dev/null || xdotool windowfocus --sync "$stat"
key Return
alive statistics

# F6 and F5 on the strip, then Alt+F4.
xdotool mousemove 400 40 click 1
sleep 0.2
key F6
stat=$(find_window Statistik)
[ -n "$stat" ] || fail "F6 showed no statistics"
xdotool windowactivate --sync "$stat" 2>/dev/null || xdotool windowfocus --sync "$stat"
key Return
# Without a window manager nothing hands the focus back: click the strip as a pupil would.
xdotool mousemove 400 40 click 1
sleep 0.2
key F5
sleep 0.5
pgrep -f "$calc" >/dev/null || fail "F5 started no calculator"
key F5
alive F5
key alt+F4
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then import -window root "$out/alt-f4.png"; fail "Alt+F4 did not end the program"; fi
wait "$app" && rc=0 || rc=$?
app=
[ "$rc" = 0 ] || fail "exit status $rc"
sleep 0.3
! pgrep -f "$calc" >/dev/null || fail "calculator left running"
rm -rf "$fakebin"
echo "1 passed, 0 failed"
