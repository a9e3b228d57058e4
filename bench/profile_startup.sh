#!/usr/bin/env bash
# Where the start of a Qt program spends its CPU time, on a virtual X server:
# perf samples RUNS starts (default 20), each ended by libexit_on_map.so as soon
# as its windows are mapped, one sample per 50 us of CPU time. Prints the CPU
# time per start and the functions that take most of it, with (children) and
# without (self) what they call, in ms per start.
#   bench/profile_startup.sh PROGRAM [RUNS]
# EXIT_ON_MAP names the preload (default build/bench/libexit_on_map.so); the
# samples stay in PERF_DATA (default a temporary file); PROFILE_LINES functions
# are listed (default 25). The unwinder does not always reach main through
# Qt's deep stacks: compare named functions, not main or _start.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [RUNS]" >&2; exit 2; }
# On an X server of its own.
[ -n "${XVFB_PID:-}" ] || exec "$(dirname "$0")/../scripts/with-xvfb" "$0" "$@"
program=$(realpath "$1")
runs=${2:-20}
preload=$(realpath "${EXIT_ON_MAP:-build/bench/libexit_on_map.so}")
data=${PERF_DATA:-$(mktemp)}
period_us=50
limit=${PROFILE_LINES:-25}

unset QT_QPA_PLATFORM
trap '[ -n "${PERF_DATA:-}" ] || rm -f "$data"' EXIT

perf record -q -e cpu-clock -c $((period_us * 1000)) --call-graph dwarf,16384 -o "$data" -- \
  bash -c 'for _ in $(seq "$1"); do LD_PRELOAD="$2" "$3" >/dev/null 2>&1 || exit 1; done' \
  _ "$runs" "$preload" "$program" 2>/dev/null

comm=$(basename "$program" | cut -c1-15)
samples=$(perf report -i "$data" -q --stdio -g none --sort comm -n 2>/dev/null |
  awk '!/^#/ && NF { n += $3 } END { print n }')
# Shares of all samples to ms per start. A symbol that repeats (where an unwind
# broke off, "main" shows again lower down) is shown once, with its largest figure.
per_start() {
  perf report -i "$data" --comm "$comm" -q --stdio -g none --sort dso,sym "$@" 2>/dev/null |
    awk -v all="$samples" -v us=$period_us -v n="$runs" -v limit="$limit" '
      /\] / {
        sym = substr($0, index($0, "] ") + 2)
        if (seen[sym]++) next
        if (++shown > limit) next
        printf "%8.2f ms  %s\n", $1 * all * us / 100 / 1000 / n, sym
      }'
}
total=$(perf report -i "$data" --comm "$comm" -q --stdio -g none --sort comm -n 2>/dev/null |
  awk -v us=$period_us -v n="$runs" '!/^#/ && NF { printf "%.1f", $3 * us / 1000 / n }')
echo "runs $runs, CPU time per start $total ms"
echo "children (with what they call):"
per_start --children
echo "self:"
per_start --no-children
