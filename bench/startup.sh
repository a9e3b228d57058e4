#!/usr/bin/env bash
# Start-up of the trainer against the floor, plain Qt widgets of the same shape
# (bench/floor.cpp), on one virtual X server: time from exec to the mapped strip
# window and peak resident memory (VmHWM, read once the window is mapped and has
# settled for 0.5 s). The two programs take turns, N runs each (default 15);
# medians are printed, and the median of each turn's own ratio.
#   bench/startup.sh PROGRAM FLOOR [N]
# Uses startup_probe (built next to FLOOR) to wait for the map event; without it,
# polls with xdotool every 10 ms.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 PROGRAM FLOOR [N]" >&2; exit 2; }
# On an X server of its own.
[ -n "${XVFB_PID:-}" ] || exec "$(dirname "$0")/../scripts/with-xvfb" "$0" "$@"
program=$(realpath "$1")
floor=$(realpath "$2")
runs=${3:-15}
title=Prozentrechnung
settle_ms=500
probe=${STARTUP_PROBE:-$(dirname "$floor")/startup_probe}

unset QT_QPA_PLATFORM
child=
cleanup() {
  if [ -n "$child" ]; then kill "$child" 2>/dev/null || true; fi
  wait 2>/dev/null || true
}
trap cleanup EXIT

# One run: prints "MILLISECONDS PEAK_KB".
measure_polling() {
  local start now pid
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  child=$pid
  for _ in $(seq 3000); do
    if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
      now=$(date +%s%N)
      sleep "0.$settle_ms"
      local kb
      kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      child=
      awk -v ns=$((now - start)) -v kb="$kb" 'BEGIN { printf "%.1f %d\n", ns / 1e6, kb }'
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  child=
  echo "no window \"$title\" mapped by $1" >&2
  return 1
}
if [ -x "$probe" ]; then
  method="map event (startup_probe)"
  measure() { "$probe" "$title" "$settle_ms" "$1"; }
else
  method="xdotool polling every 10 ms"
  measure() { measure_polling "$1"; }
fi

# Programs take turns so that a change in machine load hits both alike.
samples=$(mktemp)
one=$(mktemp)
trap 'cleanup; rm -f "$samples" "$one"' EXIT
for i in $(seq "$runs"); do
  for kind in program floor; do
    if [ "$kind" = program ]; then exe=$program; else exe=$floor; fi
    measure "$exe" > "$one"
    read -r ms kb < "$one"
    echo "$kind $ms $kb" >> "$samples"
    echo "# run $i $kind ${ms} ms ${kb} kB" >&2
  done
done

mid() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
median() { awk -v k="$1" -v c="$2" '$1 == k { print $c }' "$samples" | mid; } # KIND COLUMN
p_ms=$(median program 2); f_ms=$(median floor 2)
p_kb=$(median program 3); f_kb=$(median floor 3)
# Each turn's own ratio: a slower spell of the machine hits both runs of a turn.
paired=$(awk '$1 == "program" { p = $2 } $1 == "floor" { print p / $2 }' "$samples" | mid)
awk -v pm="$p_ms" -v fm="$f_ms" -v pk="$p_kb" -v fk="$f_kb" -v pr="$paired" -v n="$runs" -v m="$method" 'BEGIN {
  printf "method %s\nruns %d\n", m, n
  printf "program_time_ms %.1f\nfloor_time_ms %.1f\ntime_ratio %.2f\n", pm, fm, pm / fm
  printf "time_ratio_paired %.2f\n", pr
  printf "program_peak_mb %.1f\nfloor_peak_mb %.1f\npeak_diff_mb %.1f\n", pk / 1024, fk / 1024, (pk - fk) / 1024
}'
