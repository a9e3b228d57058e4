#!/usr/bin/env bash
# Runs a test program on a virtual X server with a private D-Bus session and
# the accessibility bridge on, as a screen reader's desktop has it.
# Usage: atspi_xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
out=$(mktemp -d)
xvfb=
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$out"
}
trap cleanup EXIT
for attempt in 1 2 3; do
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp -noreset >>"$out/xvfb.log" 2>&1 &
  xvfb=$!
  if read -r -t 10 -u "$fd" number && DISPLAY=:$number xdpyinfo >/dev/null 2>&1; then
    break
  fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  if [ "$attempt" -eq 3 ]; then
    echo "Xvfb did not start: $(tail -n 3 "$out/xvfb.log")"
    exit 1
  fi
done
export DISPLAY=:$number QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The bus daemons' own notes (activation, fd limits) are not the test's output.
dbus-run-session -- "$@" 2> >(grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon' >&2)
