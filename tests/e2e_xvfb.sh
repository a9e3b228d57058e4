#!/usr/bin/env bash
# End to end on a real X server: starts the built program on Xvfb and works it
# with xdotool as a pupil would, through every tab of the strip, and saves a
# screenshot of every window it opens. Usage: e2e_xvfb.sh PROGRAM OUTDIR
#
# E2E_WM=openbox|xfwm4|mutter|kwin runs a window manager on the server first
# and adds its checks (frames, maximise, moving the strip, transient windows).
# E2E_MODE=desktop checks, instead of working through every tab, what a pupil
# meets on a desktop: the whole tab row, the pair kept on screen, the keyboard
# back in the exercise after every kind of box (read through AT-SPI),
# minimise and restore, Alt+F4.
# E2E_SIGNAL=TERM|INT|HUP only starts a calculator with F5, sends the signal
# and expects the program to end like "Beenden".
#
# Waits poll with a deadline instead of sleeping a fixed time, so a slow
# (sanitizer) build only takes longer; E2E_WAIT sets the deadline in seconds.
set -euo pipefail
# On an X server of its own (scripts/with-xvfb), with the server's output in OUTDIR.
if [ -z "${XVFB_PID:-}" ]; then
  mkdir -p "$2"
  exec "$(dirname "$0")/../scripts/with-xvfb" --log "$2/xvfb.log" "$0" "$@"
fi
# The desktop checks read the program through the accessibility bus, which
# needs a session bus; the window manager shares it.
# Its runtime folder is this run's own, so that runs side by side keep apart.
if [ "${E2E_MODE:-}" = desktop ] && [ -z "${E2E_BUS:-}" ]; then
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  E2E_BUS=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- "$0" "$@"
  exit
fi
program=$1
out=$2
mkdir -p "$out"
wait_s=${E2E_WAIT:-30}

fail() {
  echo "FAIL: $*"
  [ -z "${DISPLAY:-}" ] || import -window root "$out/fail.png" 2>/dev/null || true
  exit 1
}
# Milliseconds since the epoch (EPOCHREALTIME's decimal mark follows the
# locale, so only its digits are taken). The waits use it inline, without
# the subshell: many run side by side on two cores.
now_ms() { echo $((${EPOCHREALTIME//[!0-9]/} / 1000)); }
# Waits until "$@" prints something, up to $wait_s seconds, and prints it.
poll_plain() {
  local deadline r
  deadline=$((${EPOCHREALTIME//[!0-9]/} / 1000 + wait_s * 1000))
  while :; do
    r=$("$@" || true)
    [ -n "$r" ] && break
    ((${EPOCHREALTIME//[!0-9]/} / 1000 < deadline)) || break
    sleep 0.05
  done
  echo "$r"
}
begin=$(now_ms)

app=
wm_pid=
own_runtime=
fakebin=$(mktemp -d)
# Ends the program and the window manager and waits for them (2 s at most);
# scripts/with-xvfb ends the server after this script.
cleanup() {
  local p alive
  for p in $app $wm_pid; do kill "$p" 2>/dev/null || true; done
  for _ in $(seq 40); do
    alive=
    for p in $app $wm_pid; do ! kill -0 "$p" 2>/dev/null || alive=1; done
    [ -n "$alive" ] || break
    sleep 0.05
  done
  for p in $app $wm_pid; do kill -KILL "$p" 2>/dev/null || true; done
  # An accessibility bus that the program started leaves the process tree:
  # found by this run's own runtime folder in its environment.
  if [ -n "$own_runtime" ]; then
    for p in $(pgrep -x 'at-spi-bus-laun|at-spi2-registr|dbus-daemon'); do
      ! tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" ||
        kill "$p" 2>/dev/null || true
    done
  fi
  wait 2>/dev/null || true
  rm -rf "$fakebin"
}
trap cleanup EXIT

wm=${E2E_WM:-}
# Window managers keep their settings and runtime files apart from the user's.
[ -n "${XDG_RUNTIME_DIR:-}" ] && [ -z "${E2E_BUS:-}" ] || own_runtime=1
export XDG_CONFIG_HOME=$fakebin/config XDG_DATA_HOME=$fakebin/data XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$fakebin/runtime}
mkdir -p -m 700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
bus=()
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || bus=(dbus-run-session --)
case "$wm" in
'') ;;
openbox) openbox --sm-disable >"$out/openbox.log" 2>&1 & ;;
xfwm4) "${bus[@]}" xfwm4 --compositor=off --sm-client-disable >"$out/xfwm4.log" 2>&1 & ;;
mutter) "${bus[@]}" mutter --x11 --replace --sm-disable >"$out/mutter.log" 2>&1 & ;;
kwin) "${bus[@]}" kwin_x11 --replace >"$out/kwin.log" 2>&1 & ;;
*) fail "unknown window manager $wm" ;;
esac
[ -z "$wm" ] || wm_pid=$!
# Ready once the window it names as its check window carries a name (a
# window manager that ended may leave the root property behind).
wm_name() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*$') || return 0
  xprop -id "$check" _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'
}
if [ -n "$wm" ]; then
  [ -n "$(poll_plain wm_name)" ] || fail "$wm did not start"
  echo "window manager: $(wm_name)"
fi

# A fake calculator, so F5 has something to start.
# A unique argument tells this run's calculator from any other sleeping process.
calc="sleep 300.$$$RANDOM"
printf '#!/bin/sh\nexec %s\n' "$calc" >"$fakebin/xcalc"
chmod +x "$fakebin/xcalc"

[ "${E2E_MODE:-}" != desktop ] || export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
PATH="$fakebin:$PATH" "$program" &
app=$!
alive() { kill -0 "$app" 2>/dev/null || fail "program ended after $1"; }

# Visible windows with a title ($1: a pattern), one id a line.
visible() { xdotool search --all --onlyvisible --pid "$app" --name "${1:-.}" 2>/dev/null || true; }
# (These run in every wait, many side by side on two cores: they start as
# few processes as they can and read the output in the shell.)
is_visible() { [[ $(xwininfo -id "$1" 2>/dev/null) == *IsViewable* ]]; }
poll() { poll_plain "$@"; }
# The first visible window titled exactly $1, other than $2.
window_now() {
  local w
  for w in $(visible "^$1\$"); do
    [ "$w" = "${2:-none}" ] || { echo "$w"; return; }
  done
}
find_window() { poll window_now "$@"; }
geometry() { xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' '; }
# The frame's widths left, right, top and bottom (none without a window manager).
extents() {
  local e
  e=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null)
  if [[ $e == *=* ]]; then
    e=${e#*= }
    echo "${e//,/}"
  else
    echo "0 0 0 0"
  fi
}
# Client geometry of window $1 on the screen as X, Y, WIDTH and HEIGHT lines
# (xdotool counts the frame offset twice under a reparenting window manager).
client() {
  local line
  while read -r line; do
    case "$line" in
    "Absolute upper-left X:"*) echo "X=${line##* }" ;;
    "Absolute upper-left Y:"*) echo "Y=${line##* }" ;;
    "Width:"*) echo "WIDTH=${line##* }" ;;
    "Height:"*) echo "HEIGHT=${line##* }" ;;
    esac
  done < <(xwininfo -id "$1")
}
# Outer geometry of window $1, frame included, like geometry prints it.
outer() {
  local l r t b X Y WIDTH HEIGHT
  read -r l r t b <<<"$(extents "$1")"
  eval "$(client "$1")"
  echo "X=$((X - l)) Y=$((Y - t)) WIDTH=$((WIDTH + l + r)) HEIGHT=$((HEIGHT + t + b)) "
}
# The client area's origin of window $1 as "x y".
origin() { client "$1" | grep -E '^(X|Y)=' | cut -d= -f2 | tr '\n' ' '; }
# Saves the screen rectangle of window $1 (or the geometry "WxH+X+Y" given) as $2.
shot() {
  local g=$1
  if [[ $1 != *x* ]]; then
    eval "$(client "$1")"
    g=${WIDTH}x${HEIGHT}+${X}+${Y}
  fi
  import -window root -crop "$g" +repage "$out/$2.png"
}
# A file name from a caption: lower case ASCII.
file_name() {
  echo "$1" | LC_ALL=C sed -e 's/ä/ae/g; s/ö/oe/g; s/ü/ue/g; s/Ä/ae/g; s/Ö/oe/g; s/Ü/ue/g; s/ß/ss/g' |
    LC_ALL=C tr 'A-Z' 'a-z' | LC_ALL=C sed -e 's/[^a-z0-9]\{1,\}/-/g; s/^-//; s/-$//'
}

# Keys and clicks go out at once: the X server hands them to the program in
# order, and each step after them waits for what they bring (a window, the
# keyboard, a window gone). Where the keyboard moves to another window, the
# next key waits until it is there, else it would go to the window before.
key() { xdotool key --clearmodifiers "$@"; }
click() { xdotool mousemove "$1" "$2" click 1; }
# What a check that something does NOT happen gives it to happen: there is no
# event to wait for (E2E_SETTLE seconds, default 0.15).
settle() { sleep "${E2E_SETTLE:-0.15}"; }
# Waits until top-level window $1 has the keyboard (X input focus); $2 says after what.
wait_focus() {
  [ -n "$(poll has_focus "$1")" ] ||
    fail "window $1 did not get the keyboard after $2: $(xdotool getwindowfocus 2>/dev/null) has it; showing: $(visible | tr '\n' ' ')"
}
# Gives the exercise window the keyboard: a click on the bottom panel, clear
# of its buttons and of the task text.
focus_exercise() {
  click $((ex + 380)) $((ey + eh - 20))
  wait_focus "$(poll exercise_now)" "a click on the exercise window"
}
# The time of the last button press or key that window $1 read, as the
# program writes it (on the window that _NET_WM_USER_TIME_WINDOW names, where
# the window manager asks for that).
user_time() {
  local w=$1 p
  p=$(xprop -id "$w" _NET_WM_USER_TIME_WINDOW 2>/dev/null)
  [[ $p != *"window id # "* ]] || w=${p##* }
  p=$(xprop -id "$w" _NET_WM_USER_TIME 2>/dev/null)
  echo "${p##* }"
}
# Gives the strip the keyboard: a click on its panel, clear of the buttons,
# once the program has read it and the keyboard is in one of its windows (a
# window manager may leave it with the exercise window, where the strip's
# keys work as well).
focus_strip() {
  local before
  before=$(user_time "$main")
  click $((sx + 400)) $((sy + 40))
  changed() { [ "$(user_time "$main")" = "$before" ] || echo yes; }
  [ -n "$(poll changed)" ] || fail "the program read no click on the strip"
  [ -n "$(poll focus_in_program none)" ] || fail "no window of the program has the keyboard after a click on the strip"
}
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# Waits until a menu of the program shows (a window without a title).
menu_now() {
  local w
  for w in $(xdotool search --all --onlyvisible --pid "$app" 2>/dev/null); do
    [[ $(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null) != *_MENU* ]] || { echo "$w"; return; }
  done
}
wait_menu() { [ -n "$(poll menu_now)" ] || fail "no menu showed"; }
# Waits for the program's end and expects exit status 0 and no calculator left.
expect_clean_end() {
  for _ in $(seq $((wait_s * 20))); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$app" 2>/dev/null; then
    import -window root "$out/$1.png"
    fail "$1 did not end the program"
  fi
  wait "$app" && rc=0 || rc=$?
  app=
  [ "$rc" = 0 ] || fail "exit status $rc after $1"
  for _ in $(seq 40); do
    pgrep -f "$calc" >/dev/null || break
    sleep 0.05
  done
  ! pgrep -f "$calc" >/dev/null || fail "calculator left running after $1"
}

# Under a window manager: window $1 ($2) belongs to window $3 (the strip by
# default; a box to the window that had the keyboard), and xfwm4 offers no
# minimise for it (openbox offers minimise for every window).
check_frame() {
  [ -n "$wm" ] || return 0
  [ "$(xprop -id "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*')" = "$(printf '0x%x' "${3:-$main}")" ] ||
    fail "$2 not transient for ${3:-$main}: $(xprop -id "$1" WM_TRANSIENT_FOR)"
  [ "$wm" != xfwm4 ] || [[ $(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS) != *MINIMIZE* ]] ||
    fail "$2 can be minimised"
}
# Closes window $1 with Return and waits until it is gone.
close_with_return() {
  activate "$1"
  key Return
  local deadline
  deadline=$((${EPOCHREALTIME//[!0-9]/} / 1000 + wait_s * 1000))
  while is_visible "$1"; do
    ((${EPOCHREALTIME//[!0-9]/} / 1000 < deadline)) || fail "window $1 ($2) did not close on Return"
    sleep 0.05
  done
  # The keyboard back in one of the program's windows, ready for the next key.
  [ -n "$(poll focus_in_program "$1")" ] ||
    fail "no window of the program has the keyboard after $2 closed: $(xdotool getwindowfocus 2>/dev/null) has it"
}
# Says yes when a visible window of the program other than $1 has the keyboard.
focus_in_program() {
  local f w
  f=$(xdotool getwindowfocus 2>/dev/null) || return 0
  [ "$f" != "$1" ] || return 0
  for w in $(visible); do
    [ "$w" != "$f" ] || { echo yes; return; }
  done
}

# Waits until window $1's outer geometry is $2 (the frame may come late) and prints it.
poll_outer() {
  local deadline g
  deadline=$((${EPOCHREALTIME//[!0-9]/} / 1000 + wait_s * 1000))
  while g=$(outer "$1") && [ "$g" != "$2" ] && ((${EPOCHREALTIME//[!0-9]/} / 1000 < deadline)); do sleep 0.05; done
  echo "$g"
}

start=$(now_ms)
main=$(find_window Prozentrechnung)
[ -n "$main" ] || fail "strip window did not appear"
echo "strip window visible after $(($(now_ms) - start)) ms"
# 800 x 102 outside where the frame leaves the strip's inside room enough
# (bare, openbox); a thicker frame (xfwm4's borders, the 37-px title bars of
# mutter and kwin) makes it larger, by as much as the inside lacks.
case "$wm" in
xfwm4 | mutter | kwin)
  strip_placed() {
    local l r t b
    read -r l r t b <<<"$(extents "$main")"
    [ "$l $r $t $b" != "0 0 0 0" ] || return 0
    eval "$(outer "$main" | tr ' ' '\n')"
    [ "$X $Y $WIDTH" != "0 0 $((792 + l + r > 800 ? 792 + l + r : 800))" ] || [ "$HEIGHT" -lt 102 ] ||
      echo yes
  }
  [ -n "$(poll strip_placed)" ] || fail "strip at $(outer "$main")"
  ;;
*)
  [ "$(poll_outer "$main" "X=0 Y=0 WIDTH=800 HEIGHT=102 ")" = "X=0 Y=0 WIDTH=800 HEIGHT=102 " ] ||
    fail "strip at $(outer "$main")"
  ;;
esac
echo "strip at $(outer "$main")"
eval "$(client "$main")"
strip_width=$WIDTH
read -r sx sy <<<"$(origin "$main")"
# WM_CLASS names the desktop file, so a dock finds the program's entry.
desktop_file=$(dirname "$0")/../dist/de.prozentrechnung.Prozentrechnung.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$wm_class" ] || fail "no StartupWMClass in $desktop_file"
[[ $(xprop -id "$main" WM_CLASS) == *", \"$wm_class\""* ]] || fail "$(xprop -id "$main" WM_CLASS)"
# Where exercise window $1 belongs: directly below the strip's frame, as wide,
# 570 px high together, unless a frame thicker than the layout allows for would
# leave less than its 792x445 inside.
exercise_expected() {
  local l r t b w h X Y WIDTH HEIGHT
  read -r l r t b <<<"$(extents "$1")"
  eval "$(outer "$main" | tr ' ' '\n')"
  w=$((792 + l + r > WIDTH ? 792 + l + r : WIDTH))
  h=$((445 + t + b > 570 - HEIGHT ? 445 + t + b : 570 - HEIGHT))
  echo "X=$X Y=$((Y + HEIGHT)) WIDTH=$w HEIGHT=$h "
}
# Says yes when window $1 has the keyboard.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" != "$1" ] || echo yes; }
# Waits until exercise window $1 is where it belongs ($2,$3 as above) and says whether it is.
exercise_placed() {
  local deadline
  deadline=$((${EPOCHREALTIME//[!0-9]/} / 1000 + wait_s * 1000))
  while [ "$(outer "$1")" != "$(exercise_expected "$@")" ]; do
    ((${EPOCHREALTIME//[!0-9]/} / 1000 < deadline)) || return 1
    sleep 0.05
  done
}

# The message box that the last key opened: titled like the strip, but another window.
find_box() { find_window Prozentrechnung "$main"; }
# The one exercise window among the window ids given (none while it changes).
one_exercise() {
  local id found=
  for id in $1; do
    [ "$id" != "$main" ] || continue
    [ -z "$found" ] || return 0
    found=$id
  done
  echo "$found"
}
exercise_now() { one_exercise "$(visible)"; }

# At start the estimating exercise is shown below the strip.
est=$(find_window Schaetzen)
[ -n "$est" ] || fail "estimating window not shown at start"
exercise_placed "$est" ||
  fail "estimating window at $(outer "$est")"
read -r ex ey <<<"$(origin "$est")"
eval "$(client "$est")"
eh=$HEIGHT

# F5, then the signal: the program ends like "Beenden".
if [ -n "${E2E_SIGNAL:-}" ]; then
  focus_strip
  key F5
  [ -n "$(poll pgrep -f "$calc")" ] || fail "F5 started no calculator"
  kill -s "$E2E_SIGNAL" "$app"
  expect_clean_end "SIG$E2E_SIGNAL"
  echo "SIG$E2E_SIGNAL ended the program and its calculator"
  echo "1 passed, 0 failed"
  exit 0
fi

# What a pupil meets on a desktop, then Alt+F4.
if [ "${E2E_MODE:-}" = desktop ]; then
  checks=()
  passed() {
    checks+=("$1")
    echo "ok: $1"
  }
  probe() { /usr/bin/python3 "$(dirname "$0")/atspi_focus.py" "$app" "$@"; }
  # The window that has the keyboard, as a number: the active window where the
  # window manager names one (xfwm4 leaves it 0), else the X input focus.
  active_now() {
    local id
    [ -z "$wm" ] || id=$(xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*$')
    [ $((${id:-0})) != 0 ] || id=$(xdotool getwindowfocus 2>/dev/null)
    echo $((${id:-0}))
  }
  is_active() { [ "$(active_now)" != "$1" ] || echo yes; }
  # Every page tab lies inside the strip's inside.
  tabs=$(poll probe --tabs)
  [ "$(grep -c . <<<"$tabs")" = "$(grep -c '^ *Exercise<' "$(dirname "$0")/../app/Exercises.cpp")" ] ||
    fail "tabs read: $tabs"
  eval "$(client "$main")"
  while IFS=$'\t' read -r name x y w h; do
    ((x >= X && y >= Y && x + w <= X + WIDTH && y + h <= Y + HEIGHT)) ||
      fail "tab $name at $x,$y ${w}x$h, the strip's inside at $X,$Y ${WIDTH}x$HEIGHT"
  done <<<"$tabs"
  passed "whole tab row inside the strip ($(outer "$main"))"
  tab_click() {
    local x y w h
    read -r x y w h <<<"$(probe --tabs | grep "^$1"$'\t' | cut -f2-)"
    [ -n "$h" ] || fail "no tab $1"
    click $((x + w / 2)) $((y + h / 2))
  }
  # The discount exercise: its answer field has the keyboard.
  tab_click Rabatt
  rabatt=$(find_window Rabatt)
  [ -n "$rabatt" ] || fail "no discount window after its tab"
  exercise_placed "$rabatt" || fail "Rabatt at $(outer "$rabatt"), strip at $(outer "$main")"
  passed "exercise window directly below the strip's frame"
  # After $1 closed: window $2 is active, and digits typed land in its field.
  typed_lands() {
    local digits r
    [ -n "$(poll is_active "$(($2))")" ] ||
      fail "after $1 window $(active_now) is active, not $(($2))"
    wait_focus "$2" "$1"
    digits=$((RANDOM % 900 + 100))
    xdotool type --delay 30 "$digits"
    r=$(probe)
    for _ in $(seq 20); do
      [[ $r != *"$digits" ]] || break
      sleep 0.1
      r=$(probe)
    done
    [[ $r == Rabatt$'\t'text$'\t'*"$digits" ]] || fail "after $1 typed $digits; the focus reads '$r'"
    passed "keyboard back in the answer field after $1"
  }
  # Opens the box the key $1 opens in the exercise window and closes it.
  box_after() {
    local box
    wait_focus "$rabatt" "the box before $1"
    key "$1"
    box=$(find_box)
    [ -n "$box" ] || fail "$1 showed no box"
    close_with_return "$box" "box after $1"
    # The keyboard back in the exercise (after a while under some window
    # managers, by way of the strip), or in the statistics that the
    # twentieth attempt brings, before the next key.
    [ -n "$(poll keyboard_back)" ] ||
      fail "after the box after $1 window $(xdotool getwindowfocus 2>/dev/null) has the keyboard, not Rabatt ($rabatt)"
  }
  keyboard_back() {
    local f
    f=$(xdotool getwindowfocus 2>/dev/null) || return 0
    if [ "$f" = "$rabatt" ] || [ "$f" = "$(window_now Statistik)" ]; then echo yes; fi
  }
  [ -n "$(poll is_active "$((rabatt))")" ] || fail "Rabatt ($((rabatt))) not active after its tab: active $(active_now), focus $(xdotool getwindowfocus)"
  box_after F1
  typed_lands "a hint" "$rabatt"
  box_after F9
  typed_lands "a verdict" "$rabatt"
  key F2
  xdotool type "x"
  box_after F9
  typed_lands "a conversion error" "$rabatt"
  key F6
  stat=$(find_window Statistik)
  [ -n "$stat" ] || fail "F6 showed no statistics"
  close_with_return "$stat" "statistics (F6)"
  typed_lands "the statistics (F6)" "$rabatt"
  # Eighteen more attempts, then the twentieth brings the statistics.
  for _ in $(seq 18); do
    key F2
    box_after F9
  done
  key F2
  box_after F9
  stat=$(find_window Statistik)
  [ -n "$stat" ] || fail "no statistics after twenty attempts"
  close_with_return "$stat" "statistics (twenty)"
  typed_lands "the statistics after twenty attempts" "$rabatt"
  # F7 shows the learning record: the twenty attempts that brought the
  # statistics, all of Rabatt, and as many rows in this run's record file.
  counted=20
  key F7
  record=$(find_window Lernverlauf)
  [ -n "$record" ] || fail "F7 showed no learning record"
  shows_count() { probe --table | grep -x "Rabatt"$'\t'"$counted Versuche, .*"$'\t'"$counted Versuche, .*"; }
  [ -n "$(poll shows_count)" ] || fail "the learning record shows: $(probe --table | tr '\t\n' '| ')"
  close_with_return "$record" "learning record (F7)"
  typed_lands "the learning record (F7)" "$rabatt"
  rows=$(sqlite3 -cmd '.timeout 2000' "$XDG_DATA_HOME/prozentrechnung/lernverlauf.sqlite" 'SELECT COUNT(*) FROM attempt')
  [ "$rows" = "$counted" ] || fail "$rows rows in the record file after $counted attempts"
  passed "the learning record shows the $counted attempts, its file holds $rows rows"
  # The info window from the strip's menu gives the keyboard back to the strip.
  focus_strip
  key alt+h
  wait_menu
  key i
  info=$(find_window 'Info .*')
  [ -n "$info" ] || fail "menu showed no info window"
  close_with_return "$info" info
  [ -n "$(poll is_active "$((main))")" ] || fail "after the info window $(active_now) is active"
  passed "keyboard back in the strip after the info window"

  # The pair within the screen and apart from each other.
  pair_fits() {
    local sX sY sW sH X Y WIDTH HEIGHT
    eval "$(outer "$main" | tr ' ' '\n')"
    sX=$X sY=$Y sW=$WIDTH sH=$HEIGHT
    eval "$(outer "$rabatt" | tr ' ' '\n')"
    [ "$(outer "$rabatt")" = "$(exercise_expected "$rabatt")" ] || return 0
    ((sX >= 0 && sY >= 0 && sX + sW <= 1024 && X + WIDTH <= 1024 && Y + HEIGHT <= 768 && Y >= sY + sH)) &&
      echo yes
  }
  xdotool windowmove "$main" 100 450
  [ -n "$(poll pair_fits)" ] ||
    fail "after a move to 100,450: strip at $(outer "$main"), exercise at $(outer "$rabatt")"
  eval "$(outer "$main" | tr ' ' '\n')"
  ((X > 90)) || fail "the strip did not move: $(outer "$main")"
  passed "moved to the lower half, the pair is on screen and apart ($(outer "$main") $(outer "$rabatt"))"
  [ -z "${E2E_SHOT:-}" ] || import -window root "$E2E_SHOT"

  if [ -n "$wm" ]; then
    iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
    both() {
      local a=yes
      for w in "$main" "$rabatt"; do
        if [ "$1" = iconic ]; then iconic "$w" || a=; else ! iconic "$w" && is_visible "$w" || a=; fi
      done
      echo $a
    }
    # Minimises the window where the window manager offers it, the strip else,
    # and brings back the other.
    for which in exercise strip; do
      if [ $which = exercise ]; then
        [[ $(xprop -id "$rabatt" _NET_WM_ALLOWED_ACTIONS) == *MINIMIZE* ]] || continue
        small=$rabatt other=$main
      else
        small=$main other=$rabatt
      fi
      before="$(outer "$main") $(outer "$rabatt")"
      xdotool windowminimize "$small"
      [ -n "$(poll both iconic)" ] || fail "minimising the $which left $(for w in $main $rabatt; do xprop -id $w WM_STATE | tr '\n' ' '; done)"
      wmctrl -i -a "$other"
      [ -n "$(poll both normal)" ] || fail "restoring after minimising the $which did not bring back both"
      [ -n "$(poll pair_fits)" ] || fail "after restoring: $(outer "$main") $(outer "$rabatt")"
      [ "$(outer "$main") $(outer "$rabatt")" = "$before" ] ||
        fail "restored to $(outer "$main") $(outer "$rabatt"), was $before"
      passed "minimising the $which minimises both, restoring one brings back both in place"
    done
    # Minimised, restored, then a tab round trip: the exercise shows normal.
    xdotool windowminimize "$rabatt"
    poll both iconic >/dev/null
    wmctrl -i -a "$main"
    [ -n "$(poll both normal)" ] || fail "not restored before the tab round trip"
    tab_click Diagramm
    [ -n "$(find_window Diagramm)" ] || fail "no Diagramm window"
    tab_click Rabatt
    [ -n "$(poll both normal)" ] || fail "after a tab round trip: $(xprop -id "$rabatt" WM_STATE | tr '\n' ' ')"
    [ -n "$(poll pair_fits)" ] || fail "after a tab round trip: $(outer "$main") $(outer "$rabatt")"
    [ -n "$(poll is_active "$((rabatt))")" ] || fail "Rabatt not active after the tab round trip"
    passed "a tab round trip after minimising shows both"
  fi

  activate "$rabatt"
  key alt+F4
  expect_clean_end Alt+F4
  passed "Alt+F4 ends with status 0"
  echo "${wm:-bare}: ${#checks[@]} checks in $(($(now_ms) - begin)) ms"
  echo "1 passed, 0 failed"
  exit 0
fi

# Find the tabs: click along the tab strip from left to right and note each
# time another exercise window shows. e2e_tabs.py clicks and tells, after each
# click, the exercise window then showing; it knows that a click changed
# nothing once the program has read a second click after it (see there).
step=8
tab_y=$((sy + 66))
t_search=$(now_ms)
ids=()
firsts=()
current=$(poll exercise_now)
[ -n "$current" ] || fail "no exercise window at start"
ids+=("$current")
firsts+=($((step / 2)))
slowest=0
clicks=$(/usr/bin/python3 "$(dirname "$0")/e2e_tabs.py" "$app" "$main" "$sx" "$tab_y" "$step" \
  "$strip_width" $((sx + 400)) $((sy + 40)) "$wait_s") || fail "tab search: $clicks"
while read -r x w took; do
  [ "$w" != none ] || fail "no exercise window after a click at x=$x"
  [ "$w" != "$current" ] || continue
  [ "$took" -gt "$slowest" ] && slowest=$took
  for seen in "${ids[@]}"; do
    [ "$seen" != "$w" ] || fail "window $w shown again at x=$x: tabs not distinct"
  done
  ids+=("$w")
  firsts+=("$x")
  current=$w
done <<<"$clicks"
[ "$(tail -n1 <<<"$clicks" | cut -d' ' -f1)" -ge $((strip_width - step)) ] ||
  fail "tab search ended at x=$(tail -n1 <<<"$clicks" | cut -d' ' -f1)"
alive "tab search"
count=${#ids[@]}
echo "found $count exercise windows through the tab strip in $(($(now_ms) - t_search)) ms (slowest change $slowest ms after the click)"
# As many as the program's list of exercises has rows.
expected=$(grep -c '^ *Exercise<' "$(dirname "$0")/../app/Exercises.cpp")
[ "$count" -eq "$expected" ] || fail "$count exercise windows found, not $expected"

# A tab's click point: the middle between where it first showed and where the
# next one did; the last tab, which has no right neighbour, gets half the
# narrowest tab's width.
narrowest=$strip_width
for ((i = 1; i + 1 < count; ++i)); do
  width=$((firsts[i + 1] - firsts[i]))
  [ "$width" -lt "$narrowest" ] && narrowest=$width
done
centres=()
names=()
files=()
for ((i = 0; i < count; ++i)); do
  if ((i + 1 < count)); then
    centres+=($(((firsts[i] + firsts[i + 1] - step) / 2)))
  else
    centres+=($((firsts[i] + narrowest / 2)))
  fi
  name=$(xdotool getwindowname "${ids[i]}")
  file=$(file_name "$name")
  [ -n "$file" ] || fail "window ${ids[i]} has no caption"
  for f in "${files[@]}"; do [ "$f" != "$file" ] || fail "two exercise windows named $name"; done
  names+=("$name")
  files+=("$file")
done
echo "tabs: ${names[*]}"

# Selects tab $1 with the mouse and waits until its window, and only it, shows.
select_tab() {
  local i=$1 w
  click "$((sx + centres[i]))" "$tab_y"
  w=$(poll exercise_now)
  [ "$w" = "${ids[i]}" ] || fail "tab at x=${centres[i]} showed '$w', not ${names[i]} (${ids[i]})"
  exercise_placed "$w" || fail "${names[i]} at $(outer "$w")"
}

# Evaluates the current task with F9 and closes the verdict. F9 may still be
# disabled (the growth exercise animates its task first): press it again
# every second until a verdict shows.
evaluations=0
# No statistics before the twentieth evaluation: checked right after each
# verdict, and once more before the next F9, when the program has surely
# had the time to show them.
no_early_statistics() {
  [ "$evaluations" -ge 20 ] || [ -z "$(window_now Statistik)" ] ||
    fail "statistics shown after $evaluations evaluations"
}
evaluate() {
  local box deadline exercise
  exercise=$(exercise_now)
  deadline=$((${EPOCHREALTIME//[!0-9]/} / 1000 + wait_s * 1000))
  no_early_statistics
  while :; do
    focus_exercise
    key F9
    for _ in $(seq 20); do
      box=$(window_now Prozentrechnung "$main")
      [ -n "$box" ] && break
      sleep 0.05
    done
    [ -n "$box" ] && break
    alive "F9 in $1"
    ((${EPOCHREALTIME//[!0-9]/} / 1000 < deadline)) || fail "F9 showed no verdict in $1"
  done
  close_with_return "$box" "verdict in $1"
  alive "verdict in $1"
  evaluations=$((evaluations + 1))
  if [ "$evaluations" -lt 20 ]; then
    no_early_statistics
  elif [ "$evaluations" = 20 ]; then
    local stat
    stat=$(find_window Statistik)
    [ -n "$stat" ] || fail "statistics not shown after twenty evaluations"
    echo "statistics shown after $evaluations evaluations"
    sleep 0.3
    shot "$stat" statistik
    check_frame "$stat" statistics "$exercise"
    close_with_return "$stat" statistics
    alive statistics
  fi
}

t_tabs=$(now_ms)
# Every tab in turn: F1 hint, F2 new task, F9 verdict, then a picture of the
# strip with the exercise below it.
for ((i = 0; i < count; ++i)); do
  select_tab "$i"
  focus_exercise
  key F1
  box=$(find_box)
  [ -n "$box" ] || fail "F1 showed no hint in ${names[i]}"
  check_frame "$box" "hint in ${names[i]}" "${ids[i]}"
  close_with_return "$box" "hint in ${names[i]}"
  alive "F1 in ${names[i]}"
  focus_exercise
  key F2
  settle
  alive "F2 in ${names[i]}"
  [ -z "$(window_now Prozentrechnung "$main")" ] || fail "F2 opened a message box in ${names[i]}"
  evaluate "${names[i]}"
  sleep 0.3
  shot 800x570+0+0 "${files[i]}"

  # The discount exercise, when there: a second F9 counts nothing, and an
  # entry that is no whole number shows the conversion message and counts
  # nothing either (the statistics must still come at twenty).
  if [ "${names[i]}" = Rabatt ]; then
    focus_exercise
    key F9
    sleep 0.5 # a negative check, as settle, but longer: an evaluation takes longer
    [ -z "$(window_now Prozentrechnung "$main")" ] || fail "second F9 evaluated again"
    key F2
    click $((ex + 680)) $((ey + 371)) # the answer field
    key ctrl+a
    xdotool type --delay 20 "1.000"
    key F9
    box=$(find_box)
    [ -n "$box" ] || fail "no message for an invalid entry"
    close_with_return "$box" "invalid entry"
    alive "invalid entry"
    # Back to this tab from the next one, and type at once: the answer field
    # has the keyboard with its "0" selected, so "-5" replaces it (a wrong
    # answer that counts; "0-5" would count nothing).
    select_tab $(((i + 1) % count))
    select_tab "$i"
    [ -n "$(poll has_focus "${ids[i]}")" ] || fail "${names[i]} did not get the keyboard after its tab"
    xdotool type --delay 20 -- "-5"
    evaluate "${names[i]} typed after its tab"
  fi
done

echo "every tab worked in $(($(now_ms) - t_tabs)) ms"
# More rounds over the tabs until the series of twenty is complete.
i=0
while [ "$evaluations" -lt 20 ]; do
  select_tab "$i"
  focus_exercise
  key F2
  evaluate "${names[i]}"
  i=$(((i + 1) % count))
done

# F6 on the strip shows the statistics again.
focus_strip
key F6
stat=$(find_window Statistik)
[ -n "$stat" ] || fail "F6 showed no statistics"
close_with_return "$stat" "statistics (F6)"
alive F6

# F7 on the strip shows the learning record of this run's attempts.
focus_strip
key F7
record=$(find_window Lernverlauf)
[ -n "$record" ] || fail "F7 showed no learning record"
sleep 0.3
shot "$record" lernverlauf
check_frame "$record" "learning record"
close_with_return "$record" "learning record (F7)"
alive F7

# The info window from the menu "Hilfe" (Alt+H, I), once the menu shows.
# Should the menu not show, or the I still come before the menu has the
# keyboard, try again, with more time between the two keys.
info=
for attempt in 1 2 3; do
  focus_strip
  key alt+h
  if [ -n "$(wait_s=$((wait_s / 3)) poll menu_now)" ]; then
    [ "$attempt" = 1 ] || sleep "0.$((attempt * 3))"
    key i
    info=$(wait_s=$((wait_s / 3)) find_window 'Info .*')
    [ -n "$info" ] && break
  fi
  key Escape
done
[ -n "$info" ] || fail "menu showed no info window"
echo "info window opened from the menu at attempt $attempt"
sleep 0.3
shot "$info" info
check_frame "$info" info
close_with_return "$info" info
alive info

# F5 twice on the strip (the second ends the first calculator), then Alt+F4.
# Without a window manager nothing hands the focus back: click the strip as a pupil would.
focus_strip
key F5
first=$(poll pgrep -f "$calc")
[ -n "$first" ] || fail "F5 started no calculator"
key F5
alive F5
other_calc() { pgrep -f "$calc" | grep -vx "$first" || true; }
[ -n "$(poll other_calc)" ] || fail "the second F5 started no calculator"
for _ in $(seq $((wait_s * 20))); do
  [ "$(pgrep -f "$calc" | grep -c .)" != 1 ] || break
  sleep 0.05
done
[ "$(pgrep -f "$calc")" = "$(other_calc)" ] || fail "the second F5 left the first calculator running"
# Under a window manager: the exercise window belongs to the strip, keeps its
# size when asked to maximise, and follows the strip when that is moved.
if [ -n "$wm" ]; then
  ex_id=$(exercise_now)
  check_frame "$ex_id" "exercise window"
  actions=$(xprop -id "$ex_id" _NET_WM_ALLOWED_ACTIONS)
  # (openbox still offers minimise for a dialog; it minimises it with the strip.)
  for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
    [[ $actions != *_NET_WM_ACTION_$action* ]] || fail "$wm allows $action on the exercise window"
  done
  before=$(outer "$ex_id")
  wmctrl -i -r "$ex_id" -b add,maximized_vert,maximized_horz
  sleep 0.5
  [ "$(outer "$ex_id")" = "$before" ] || fail "exercise window maximised to $(outer "$ex_id")"
  [[ $(xprop -id "$ex_id" _NET_WM_STATE) != *MAXIMIZED* ]] || fail "exercise window in maximised state"
  xdotool windowmove "$main" 100 50
  for _ in $(seq $((wait_s * 20))); do
    [[ $(outer "$main") == "X=0 Y=0 "* ]] || break
    sleep 0.05
  done
  eval "$(outer "$main" | tr ' ' '\n')"
  [ "$X" -gt 0 ] || fail "the strip did not move"
  exercise_placed "$ex_id" "$X" "$Y" ||
    fail "exercise window at $(outer "$ex_id") after moving the strip to $(outer "$main")"
  shot "800x570+$X+$Y" moved
  echo "$wm: transient, not maximised, follows the strip"
fi

# Alt+F4 while the exercise window is active ends the program like "Beenden".
activate "$(exercise_now)"
key alt+F4
expect_clean_end Alt+F4
echo "$((count + 2)) screenshots in $out, $(($(now_ms) - begin)) ms in all"
echo "1 passed, 0 failed"
