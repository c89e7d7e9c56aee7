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
fail() { echo "FAIL: $1${2:+ ($2)}"; failed=$((failed + 1)); }
check() { # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then pass "$name"; else fail "$name"; fi
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

# A window of another program in front, standing in for the game ($game, $game_pid);
# focus_on_game tells whether it still has the focus.
start_game_window() {
  xmessage -title game-stand-in -geometry +100+300 "Игра" >/dev/null 2>&1 &
  game_pid=$!
  pids+=($game_pid)
  game=$(timeout 10 xdotool search --sync --onlyvisible --name '^game-stand-in$' | head -n 1)
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
