#!/usr/bin/env bash
# Starts the real kelo as in a Wayland session (XDG_SESSION_TYPE=wayland, Qt on Xvfb's X11)
# on a private session bus where a stand-in desktop portal (portal_standin.py) records what
# Kelo asks and sends key presses; then checks that a second start on the same display hands
# over to the running Kelo, while one on another display runs.
# Usage: portal_e2e.sh path/to/kelo
set -uo pipefail

kelo=$(readlink -f "${1:?path to kelo}")
here=$(dirname "$(readlink -f "$0")")

e2e_name="portal e2e"
source "$here/harness.sh"
# Everything below runs on a bus of its own that starts no services: only the stand-in
# answers for the portal, never a real one installed on this machine.
stay_on_private_bus

start_desktop || { fail "Xvfb starts"; finish; }

# Qt on X11 (as on XWayland), but a Wayland session as far as Kelo can tell. Kelo's own
# runtime folder, so that no Kelo of the machine's real desktop is found.
export QT_QPA_PLATFORM=xcb XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
offline=()
unshare -n true 2>/dev/null && offline=(unshare -n --)

portal_pid=
start_portal() { # start_portal LOG [stand-in options]
  local log=$1; shift
  /usr/bin/python3 "$here/portal_standin.py" "$log" "$@" 2>>"$work/standin.err" &
  portal_pid=$!
  pids+=($portal_pid)
  wait_for 10 grep -q '"ready"' "$log" 2>/dev/null
}
stop_portal() { kill "$portal_pid" 2>/dev/null; wait "$portal_pid" 2>/dev/null; }
control() { # control METHOD: asks the stand-in to send a signal
  dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop \
    /io/github/kelo/PortalControl "io.github.kelo.PortalControl.$1" >/dev/null
}

calls() { grep -c "\"call\": \"$1\"" "$2"; }

# --- A portal that grants the shortcut -----------------------------------------------------
# Its BindShortcuts answers without the list (as KDE Plasma 6 does once the player confirmed),
# so only ListShortcuts tells what is bound; the desktop names the keys in its own language.
start_portal "$work/portal.log" --bound unsaid --trigger-description "Strg+Alt+Z" ||
  { fail "stand-in portal starts" "$(cat "$work/standin.err")"; finish; }
start_kelo "$work/kelo.log"
[ -n "$win" ] || { fail "Kelo starts" "$(cat "$work/kelo.log")"; finish; }
bound() { [ "$(calls BindShortcuts "$work/portal.log")" -ge 1 ]; }
check "Kelo binds a shortcut at the portal" wait_for 10 bound
check "it registers with the host registry first" \
  bash -c 'head -n 2 "$0" | tail -n 1 | grep -q "\"Register\", \"app_id\": \"io.github.kelo.kelo\""' "$work/portal.log"
check "the session is asked for with both tokens" \
  bash -c 'grep "\"CreateSession\"" "$0" | grep "\"handle_token\": \"" | grep -q "\"session_handle_token\": \""' \
  "$work/portal.log"
bind=$(grep '"BindShortcuts"' "$work/portal.log" | head -n 1)
check "one shortcut with the preferred trigger CTRL+ALT+z" \
  /usr/bin/python3 -c 'import json,sys; s=json.loads(sys.argv[1])["shortcuts"]; sys.exit(not (len(s) == 1 and s[0][1].get("preferred_trigger") == "CTRL+ALT+z"))' "$bind"
check "a description in Russian" \
  /usr/bin/python3 -c 'import json,sys,re; d=json.loads(sys.argv[1])["shortcuts"][0][1].get("description", ""); sys.exit(not re.search("загадк", d))' "$bind"
check "the session is asked for with the same shortcut" \
  /usr/bin/python3 -c 'import json,sys; c=json.loads(sys.argv[1])["options"]["shortcuts"]; sys.exit(c != json.loads(sys.argv[2])["shortcuts"])' \
  "$(grep '"CreateSession"' "$work/portal.log")" "$bind"
listed() { [ "$(calls ListShortcuts "$work/portal.log")" = 1 ]; }
check "an answer without the list is followed by ListShortcuts" wait_for 5 listed
keys_said() { grep -qx "kelo: the desktop answers riddles on Strg+Alt+Z." "$work/kelo.log"; }
check "Kelo says the keys as the desktop describes them" wait_for 5 keys_said

# The game stands in front; the portal reports the press.
start_game_window
check "another window has the focus" wait_for 5 focus_on_game
copy "Кто он?"
control Activate
check "Activated puts the answer on the clipboard" wait_for 5 clipboard_is "икар"
check "the focus stays on the other window" focus_on_game

copy "28 дней"
control ActivateForged
sleep 1
check "Activated from anyone but the portal is ignored" clipboard_is "28 дней"
control Activate
check "a later Activated answers again" wait_for 5 clipboard_is "все"

copy "нет такой загадки"
kelo_windows() { xdotool search --onlyvisible --pid "$kelo_pid" 2>/dev/null | wc -l; }
windows_before=$(kelo_windows)
control Activate
note_shown() { [ "$(kelo_windows)" -gt "$windows_before" ]; }
check "a miss shows a note at the tray icon" wait_for 5 note_shown
check "a miss leaves the copied text on the clipboard" clipboard_is "нет такой загадки"
check "a miss leaves the focus on the other window" focus_on_game
check "the shortcut is not reported off" bash -c '! grep -q "riddle shortcut" "$0"' "$work/kelo.log"
check "the session stays open" test "$(calls Close "$work/portal.log")" = 0
kill "$game_pid"

# --- A second start on the same display ----------------------------------------------------
first=$kelo_pid
xdotool windowminimize --sync "$win" 2>/dev/null
hidden() { ! xwininfo -id "$win" | grep -q IsViewable; }
check "the first Kelo hides to the tray" wait_for 5 hidden
started=$SECONDS
timeout 20 "${offline[@]}" "$kelo" >"$work/second.log" 2>&1
status=$?
check "a second start ends with status 0" test "$status" = 0
check "a second start says nothing" test ! -s "$work/second.log"
check "a second start ends at once" test $((SECONDS - started)) -le 5
shown() { xwininfo -id "$win" | grep -q IsViewable; }
check "the first Kelo's window is shown again" wait_for 5 shown
check "the first Kelo runs on" kill -0 "$first"
check "a second start asks the portal nothing" test "$(calls CreateSession "$work/portal.log")" = 1

# A Kelo killed outright leaves its socket behind; the next start is not stopped by it.
kill -9 "$first"
wait "$first" 2>/dev/null
check "a Kelo killed outright leaves its socket" bash -c 'compgen -G "$0/kelo-*" >/dev/null' "$XDG_RUNTIME_DIR"
start_kelo "$work/after-kill.log" --riddle-hotkey=none
check "the next start after a killed Kelo runs" test -n "$win"
timeout 10 "${offline[@]}" "$kelo" >"$work/third.log" 2>&1
check "and a start after that hands over to it" test "$?" = 0

# A stopped Kelo answers nothing: a start beside it says so and waits, ends once the stopped
# one is continued and has shown its window, and takes over once it is killed.
says_it_waits() { grep -q "does not answer" "$1"; }
stopped=$kelo_pid
kill -STOP "$stopped"
"${offline[@]}" "$kelo" --riddle-hotkey=none >"$work/beside-stopped.log" 2>&1 &
beside=$!
pids+=($beside)
check "a start beside a stopped Kelo says that it waits" wait_for 10 says_it_waits "$work/beside-stopped.log"
check "and does not end" kill -0 "$beside"
sleep 4
check "it says so once" test "$(grep -c "does not answer" "$work/beside-stopped.log")" = 1
kill -CONT "$stopped"
wait_for 10 bash -c '! kill -0 "$0" 2>/dev/null' "$beside"
wait "$beside"
check "continued, the Kelo answers and the waiting start ends with status 0" test "$?" = 0
kill -STOP "$stopped"
"${offline[@]}" "$kelo" --riddle-hotkey=none >"$work/after-stopped.log" 2>&1 &
beside=$!
pids+=($beside)
wait_for 10 says_it_waits "$work/after-stopped.log"
kill -9 "$stopped"
wait "$stopped" 2>/dev/null
beside_window() { xdotool search --onlyvisible --pid "$beside" --name '^Kelo$' >/dev/null 2>&1; }
check "killed, the stopped Kelo is replaced by the waiting start" wait_for 30 beside_window
kelo_pid=$beside

# A start right after a Kelo was killed (as the benchmark does between its runs) always ends
# with one Kelo showing its window.
shown_after_kill=0
for _ in $(seq 20); do
  kill "$kelo_pid"
  start_kelo "$work/after-term.log" --riddle-hotkey=none
  [ -n "$win" ] && shown_after_kill=$((shown_after_kill + 1))
done
check "a start right after a kill shows its window ($shown_after_kill of 20)" test "$shown_after_kill" = 20

# Another display is another desktop: a Kelo there runs beside this one.
this_display=$DISPLAY
start_xvfb || fail "a second Xvfb starts"
pids+=($XVFB_PID)
other_display=$DISPLAY
export DISPLAY=$this_display
DISPLAY=$other_display "${offline[@]}" "$kelo" --riddle-hotkey=none >"$work/other.log" 2>&1 &
other=$!
pids+=($other)
other_window() { DISPLAY=$other_display xdotool search --onlyvisible --pid "$other" --name '^Kelo$' >/dev/null 2>&1; }
check "a Kelo on another display runs" wait_for 30 other_window
kill "$other" 2>/dev/null
stop_kelo

# --- --riddle-hotkey=none asks the portal nothing -----------------------------------------
stop_portal
start_portal "$work/none.log" || fail "stand-in portal restarts"
start_kelo "$work/none-kelo.log" --riddle-hotkey=none
sleep 1
check "--riddle-hotkey=none opens no session" test -n "$win" -a "$(calls CreateSession "$work/none.log")" = 0
stop_kelo

# The same portal lists the shortcut in BindShortcuts' answer: bound without asking again.
start_kelo "$work/listed-kelo.log"
listed_bound() { grep -qx "kelo: the desktop answers riddles on Ctrl+Alt+Z." "$work/listed-kelo.log"; }
check "a shortcut listed in BindShortcuts' answer is bound" wait_for 10 listed_bound
check "and no list is asked for" test "$(calls ListShortcuts "$work/none.log")" = 0
stop_kelo

# --- A portal that refuses, and one that never answers --------------------------------------
stop_portal
start_portal "$work/refusing.log" --bind-answer 1 || fail "refusing stand-in starts"
start_kelo "$work/refused.log"
refused() { grep -q "riddle shortcut Ctrl+Alt+Z is off: " "$work/refused.log"; }
check "a refusal is said on standard error" wait_for 10 refused
sleep 1
check "a refusal is said once" test "$(grep -c "riddle shortcut" "$work/refused.log")" = 1
check "Kelo runs on after a refusal" bash -c 'test -n "$0" && kill -0 "$1"' "$win" "$kelo_pid"
stop_kelo

stop_portal
start_portal "$work/silent.log" --silent || fail "silent stand-in starts"
start_kelo "$work/silent-kelo.log"
no_answer() { grep -q "riddle shortcut Ctrl+Alt+Z is off: the desktop portal did not answer within 5 s" "$work/silent-kelo.log"; }
check "no answer within 5 s is said on standard error" wait_for 15 no_answer
check "Kelo runs on without an answer" bash -c 'test -n "$0" && kill -0 "$1"' "$win" "$kelo_pid"
stop_kelo

# --- A portal that answers "done" and binds nothing: said once, and the X11 grab serves ------
stop_portal
start_portal "$work/empty.log" --bound empty || fail "stand-in binding nothing starts"
start_kelo "$work/empty-kelo.log"
start_game_window
grabbed() { # the grab is made once the portal has answered
  copy "Кто он?"
  xdotool key ctrl+alt+z
  wait_for 1 clipboard_is "икар"
}
check "an empty list of bound shortcuts falls back to the X11 grab" wait_for 10 grabbed
check "it is said once on standard error" test "$(grep -c "the desktop bound no shortcut" "$work/empty-kelo.log")" = 1
check "no keys are said to be bound by the desktop" bash -c '! grep -q "desktop answers riddles" "$0"' "$work/empty-kelo.log"
check "the portal's session is closed" test "$(calls Close "$work/empty.log")" = 1
kill "$game_pid"
stop_kelo

# --- A Wayland session without the portal: the X11 grab, as before ------------------------
stop_portal
start_kelo "$work/no-portal.log"
start_game_window
check "without a portal the X11 grab answers" wait_for 10 grabbed
kill "$game_pid"
stop_kelo

finish
