#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the main window and the crafting window.
#   bash scripts/screenshots.sh   (writes docs/kelo-main.png and docs/kelo-craft.png)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh xvfb xauth x11-utils xdotool openbox imagemagick >/dev/null
kelo=$(readlink -f "${KELO_BUILD_DIR:-build}/src/app/kelo")
source scripts/xvfb.sh
start_xvfb
pids=($XVFB_PID)
trap 'kill "${pids[@]}" 2>/dev/null' EXIT
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
# Kelo sends its start-up request and loads its counters at start; tests keep that off
# the network by running it in a network namespace of its own (no interfaces, no traffic).
offline=()
unshare -n true 2>/dev/null && offline=(unshare -n --)
"${offline[@]}" "$kelo" >/dev/null 2>&1 &
pids+=($!)
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kelo$' | head -n 1)
sleep 1
frame_of() { xwininfo -id "$1" -children | awk '/Parent window id/ {print $4}'; }
grab() { # window file
  local info x y w h
  info=$(xwininfo -id "$(frame_of "$1")")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
  xdotool mousemove 5 795
  sleep 0.3
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}
client=$(xwininfo -id "$win")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$client")
Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$client")
grab "$win" docs/kelo-main.png
xdotool mousemove --sync $((X + 84)) $((Y + 263)) click 1 # Knowledge page
sleep 0.3
xdotool mousemove --sync $((X + 68)) $((Y + 28)) click 1  # "Таблица крафта"
craft=$(timeout 30 xdotool search --sync --onlyvisible --name '^Крафт$' | head -n 1)
sleep 1
grab "$craft" docs/kelo-craft.png
echo "wrote docs/kelo-main.png and docs/kelo-craft.png"
