#!/usr/bin/env bash
# Starts an (installed) program on Xvfb as a user would, checks that the strip
# window appears, saves a screenshot and ends it with Alt+F4.
# Usage: smoke_xvfb.sh PROGRAM SCREENSHOT
set -euo pipefail
program=$1
shot=$2
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
read -r -t 10 -u "$fd" number || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$number
"$program" &
app=$!
main=
for _ in $(seq 1000); do
  main=$( (xdotool search --onlyvisible --name '^Prozentrechnung$' 2>/dev/null || true) | head -n1)
  [ -n "$main" ] && break
  sleep 0.02
done
[ -n "$main" ] || { echo "FAIL: no window"; exit 1; }
sleep 1
import -window root "$shot"
xdotool mousemove 400 40 click 1
sleep 0.2
xdotool key alt+F4
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
wait "$app" && rc=0 || rc=$?
app=
[ "$rc" = 0 ] || { echo "FAIL: exit status $rc"; exit 1; }
echo "1 passed, 0 failed"
