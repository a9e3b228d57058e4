#!/usr/bin/env bash
# What Orca speaks while each exercise is worked with the keyboard, judged by
# orca_transcript.py; on Xvfb under openbox with a private session bus.
# Usage: orca_check.sh PROGRAM OUTDIR. ORCA_TRANSCRIPTS_ONLY=1 only writes
# OUTDIR/<window>.txt; ORCA_WAIT: each wait's deadline in whole seconds.
set -euo pipefail
# On an X server of its own (scripts/with-xvfb), a private home and session bus.
if [ -z "${ORCA_HOME:-}" ]; then
  mkdir -p "$2"
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  mkdir -m 700 "$home/run"
  ORCA_HOME=$home HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
    XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/run \
    "$(dirname "$0")/../scripts/with-xvfb" --log "$2/xvfb.log" dbus-run-session -- "$0" "$@"
  exit
fi
out=$2
mkdir -p "$out" "$XDG_CONFIG_HOME/speech-dispatcher"
rm -f "$out"/*.txt "$out/orca-debug.log"
pids=()
# The last started ends first, given 5 s each: Orca still says "Screen reader
# off" through speech-dispatcher, and hangs should that be gone.
cleanup() {
  for ((p = ${#pids[@]} - 1; p >= 0; --p)); do
    kill "${pids[p]}" 2>/dev/null && timeout 5 tail --pid="${pids[p]}" -f /dev/null ||
      kill -KILL "${pids[p]}" 2>/dev/null || true
  done
}
trap cleanup EXIT
until_ok() {
  timeout "${ORCA_WAIT:-30}" bash -c "until $* >/dev/null 2>&1; do sleep 0.05; done" ||
    { echo "FAIL: timed out waiting for $*"; exit 1; }
}
openbox --sm-disable >"$out/openbox.log" 2>&1 &
pids+=($!)
until_ok xprop -root _NET_SUPPORTING_WM_CHECK
# Without the null driver speech-dispatcher aborts where there is no sound device.
echo default_driver=null >"$HOME/.libao"
printf '%s\n' 'AudioOutputMethod "libao"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
  'DefaultModule espeak-ng' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
speech-dispatcher -s -t 0 -L "$out" >/dev/null 2>&1 &
pids+=($!)
until_ok test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=de_DE.UTF-8 LC_ALL='' "$1" >"$out/program.log" 2>&1 &
pids+=($!)
app=$!
# Orca in German, with default settings and its debug log written line by line (its
# --debug-file is block-buffered); another Orca of this user does not stop it.
LANG=de_DE.UTF-8 LANGUAGE=de LC_ALL='' /usr/bin/python3 - "$out/orca-debug.log" -u "$HOME/orca" >"$out/orca.log" 2>&1 <<'EOF' &
import runpy, sys
from orca import debug
debug.debugLevel, debug.debugFile = debug.LEVEL_INFO, open(sys.argv.pop(1), "w", buffering=1)
main = runpy.run_path("/usr/bin/orca")["main"]
main.__globals__["otherOrcas"] = lambda: []
sys.exit(main())
EOF
pids+=($!)
until_ok test -s "$out/orca-debug.log"
/usr/bin/python3 "$(dirname "$0")/orca_transcript.py" "$app" "$out/orca-debug.log" "$out"
