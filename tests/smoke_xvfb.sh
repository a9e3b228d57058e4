#!/usr/bin/env bash
# Starts an (installed) program on Xvfb as a user would, checks that the strip
# window appears, saves a screenshot and ends it with Alt+F4.
# Usage: smoke_xvfb.sh PROGRAM SCREENSHOT
set -euo pipefail
# On an X server of its own.
[ -n "${XVFB_PID:-}" ] || exec "$(dirname "$0")/../scripts/with-xvfb" "$0" "$@"
program=$1
shot=$2
app=
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  wait 2>/dev/null || true
}
trap cleanup EXIT
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
