#!/usr/bin/env bash
# Kelo against hostile servers: in a network namespace of its own (needs root), the build's
# start-up and counter hosts point at a local server on port 80 that answers well ("good"),
# with an endless body ("body"), one endless header line ("header") or a counter picture of
# 5600 x 5600 pixels ("bomb"); "c…" modes answer the start-up request well and attack only
# the counters. For each: the window must appear within 6 s, peak memory stay under 80 MiB,
# the interface thread never be busy a whole half second, and closing end Kelo within 3 s.
#   bash bench/hostile.sh [MODE...]
set -uo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  bash scripts/setup.sh xvfb xauth xdotool wmctrl openbox python3 iproute2 >/dev/null
  kelo=$(readlink -f "${KELO_BUILD_DIR:-build}/src/app/kelo")
  source scripts/xvfb.sh
  start_xvfb
  trap 'kill $XVFB_PID 2>/dev/null' EXIT
  openbox >/dev/null 2>&1 &
  sleep 0.5
  failed=0
  for mode in ${@:-good body header bomb cbody cheader cbomb}; do
    unshare -n -m -- bash "$0" --inside "$mode" "$kelo" || failed=1
  done
  exit $failed
fi

mode=$2
kelo=$3
work=$(mktemp -d)
ip link set lo up
# glibc hands out IPv4 addresses only where a host has one besides 127.0.0.1.
ip addr add 127.0.0.2/32 dev lo
printf '127.0.0.1 localhost ping.example counter.game.example rating.example\n' >"$work/hosts"
mount --bind "$work/hosts" /etc/hosts
python3 bench/hostile_server.py "$mode" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do grep -q listening "$work/server.log" && break; sleep 0.1; done

start=$(date +%s%N)
QT_QPA_PLATFORM=xcb "$kelo" >/dev/null 2>&1 &
pid=$!
win=$(timeout 6 xdotool search --sync --onlyvisible --name '^Kelo$' | head -n 1)
shown_ms=$((($(date +%s%N) - start) / 1000000))
# The busiest half second of the interface thread over 15 s, in clock ticks of 1/100 s.
previous=$(awk '{print $14 + $15}' "/proc/$pid/task/$pid/stat")
busiest=0
for _ in $(seq 30); do
  sleep 0.5
  now=$(awk '{print $14 + $15}' "/proc/$pid/task/$pid/stat")
  ((now - previous > busiest)) && busiest=$((now - previous))
  previous=$now
done
peak_kib=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
start=$(date +%s%N)
[ -n "$win" ] && wmctrl -i -c "$win"
for _ in $(seq 60); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pid" 2>/dev/null; then
  close_ms=never
  kill -9 "$pid"
else
  close_ms=$((($(date +%s%N) - start) / 1000000))
fi
kill "$server"
requests=$(grep -c '^GET' "$work/server.log")
rm -rf "$work"
ok=pass
[ -n "$win" ] && ((shown_ms <= 6000 && peak_kib < 80 * 1024 && busiest < 50)) && [ "$close_ms" != never ] || ok=fail
echo "$mode: window after $shown_ms ms, peak memory $peak_kib KiB, busiest half second $busiest/50 ticks, closed after $close_ms ms, $requests requests: $ok"
[ $ok = pass ]
