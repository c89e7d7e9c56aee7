# Shared by the end-to-end scripts: a work folder and the processes to end on exit, the
# pass/fail counting, bounded polling, and a desktop of our own (Xvfb, a window manager
# and a system tray). Source it, then call start_desktop.
work=$(mktemp -d)
passed=0
failed=0
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pass() { echo "PASS: $1"; passed=$((passed + 1)); }
# The summary line under the script's name (e2e_name, set before sourcing this); the exit
# status says whether every check passed.
finish() {
  echo "${e2e_name:-e2e}: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}
fail() { echo "FAIL: $1${2:+ ($2)}"; failed=$((failed + 1)); }
check() { # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}
# The first viewable window whose name matches NAME, waited for at most SECONDS; nothing
# when none shows. xdotool gives up on a window that goes while it searches (a tray icon as
# the tray takes it in), so it searches again.
find_window() { # find_window SECONDS NAME
  local end=$((SECONDS + $1)) found=
  until [ -n "$found" ] || ((SECONDS >= end)); do
    found=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1)
    [ -n "$found" ] || sleep 0.2
  done
  echo "$found"
}
# Polls a condition for at most $1 seconds.
wait_for() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    ((SECONDS >= end)) && return 1
    sleep 0.1
  done
}

# Moves the pointer to X Y and waits (at most 2 s) until it stands there; xdotool's own
# --sync waits without a bound.
pointer_at() { [ "$(xdotool getmouselocation --shell | head -n 2 | tr '\n' ' ')" = "X=$1 Y=$2 " ]; }
point_at() {
  xdotool mousemove "$1" "$2"
  wait_for 2 pointer_at "$1" "$2"
}

clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# A window's place on the screen and its size, as X sees them: BOX_X, BOX_Y, BOX_W, BOX_H.
window_box() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  BOX_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  BOX_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  BOX_W=$(awk '/Width:/ {print $2}' <<<"$info")
  BOX_H=$(awk '/Height:/ {print $2}' <<<"$info")
}
# The same for the frame the window manager put around the window.
frame_box() { window_box "$(xwininfo -id "$1" -children 2>/dev/null | awk '/Parent window id/ {print $4}')"; }

# section NAME FUNCTION: the function runs in a subshell with a folder ($section_dir) of its
# own, so that a failure, even an exit, ends that section alone; the processes it adds to
# `pids` end with it, and the screen is kept when one of its checks failed.
failed_sections=()
section() {
  local name=$1 counts="$work/section-counts"
  echo "== $name"
  rm -f "$counts"
  (
    passed=0 failed=0 pids=()
    section_dir=$(mktemp -d "$work/section.XXXXXX")
    end_section() {
      local screen=${KELO_E2E_ARTIFACTS:-/tmp/kelo-e2e-artifacts}/${name// /-}.png
      ((failed)) && mkdir -p "$(dirname "$screen")" && import -window root "$screen" 2>/dev/null &&
        echo "screen saved in $screen"
      for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
      wait 2>/dev/null
      echo "$passed $failed" >"$counts"
    }
    trap end_section EXIT
    "$2"
  )
  local section_passed=0 section_failed=1 # a section that told nothing failed
  [ -f "$counts" ] && read -r section_passed section_failed <"$counts"
  passed=$((passed + section_passed)) failed=$((failed + section_failed))
  ((section_failed)) && echo "== $name: FAILED" && failed_sections+=("$name")
}

# A window of another program in front, standing in for the game ($game, $game_pid);
# focus_on_game tells whether it still has the focus.
start_game_window() {
  xmessage -title game-stand-in -geometry +100+300 "Игра" >/dev/null 2>&1 &
  game_pid=$!
  pids+=($game_pid)
  game=$(find_window 10 '^game-stand-in$')
  xdotool windowactivate --sync "$game" 2>/dev/null
}
focus_on_game() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$game" ]; }

# Xvfb, openbox and a tray host; false when Xvfb does not start.
start_desktop() {
  export LC_ALL=C.UTF-8
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
  start_xvfb || return 1
  pids+=($XVFB_PID)
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  # On a loaded machine trayer may take long to map its panel, or lose its first try to the
  # window manager still starting: it is waited for generously and started once more.
  local attempt
  for attempt in 1 2; do
    trayer --edge top --align left --widthtype pixel --width 120 --heighttype pixel --height 24 \
      >>"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 30 bash -c 'xwininfo -root -tree | grep -q "\"panel\""' && return 0
    kill "${pids[-1]}" 2>/dev/null
  done
  fail "tray host started" "$(tail -n 3 "$work/trayer.log")"
}

# Starts $kelo (through "${offline[@]}" where set) with its output in LOG: kelo_pid, and win
# once its main window shows (empty when it does not within 30 s).
kelo_pid=
win=
start_kelo() { # start_kelo LOG [kelo options]
  local log=$1; shift
  "${offline[@]}" "$kelo" "$@" >"$log" 2>&1 &
  kelo_pid=$!
  pids+=($kelo_pid)
  win=
  local end=$((SECONDS + 30)) w
  while [ -z "$win" ] && ((SECONDS < end)); do
    # The tray icon's window bears the name too; the main window is the 169 pixels wide one.
    for w in $(xdotool search --onlyvisible --pid "$kelo_pid" --name '^Kelo$' 2>/dev/null); do
      xwininfo -id "$w" | grep -q 'Width: 169$' && win=$w
    done
    [ -n "$win" ] || sleep 0.2
  done
}
stop_kelo() { kill "$kelo_pid" 2>/dev/null; wait "$kelo_pid" 2>/dev/null; }
copy() { printf '%s' "$1" | xclip -selection clipboard; }

# Runs SCRIPT again with ARGS on a session bus of its own that starts no services, so that
# only what the script starts answers there; the inner run has KELO_PRIVATE_BUS set.
on_private_bus() { # on_private_bus SCRIPT ARGS...
  cat >"$work/session.conf" <<CONF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  KELO_PRIVATE_BUS=1 dbus-run-session --config-file="$work/session.conf" -- bash "$@"
}
# Called first by a script that must run on a bus of its own: runs the script again there
# with the same kelo and ends with its result.
stay_on_private_bus() {
  [ -n "${KELO_PRIVATE_BUS:-}" ] || { on_private_bus "$0" "$kelo"; exit; }
}
