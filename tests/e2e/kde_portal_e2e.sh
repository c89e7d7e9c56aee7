#!/usr/bin/env bash
# Starts the real kelo against Debian's own desktop portal stack for KDE Plasma 5.27
# (xdg-desktop-portal, xdg-desktop-portal-kde and kglobalaccel5, each started here by hand)
# on Xvfb, as in a Wayland session with Qt on XWayland, and checks that the riddle shortcut
# is registered with kglobalaccel under the same component at every start, with its Russian
# description, that Ctrl+Alt+Z pressed while another window has the focus answers, that a
# second start hands over to the running Kelo, and that keys assigned in the desktop's
# settings are kept at the next start.
# Usage: kde_portal_e2e.sh path/to/kelo
set -uo pipefail

kelo=$(readlink -f "${1:?path to kelo}")
here=$(dirname "$(readlink -f "$0")")

e2e_name="KDE portal e2e"
source "$here/harness.sh"
# A bus of its own that activates no services: only what is started below answers, and no
# other portal installed on this machine.
stay_on_private_bus

start_desktop || { fail "Xvfb starts"; finish; }

# A KDE Wayland session as far as the portal and Kelo can tell; Qt on X11 as on XWayland.
# Home, settings and runtime folder of our own: kglobalaccel keeps its shortcuts there.
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=xcb
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
offline=()
unshare -n true 2>/dev/null && offline=(unshare -n --)

on_bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q "boolean true"; }
serve() { # serve NAME PROGRAM...: starts PROGRAM and waits until it owns NAME on the bus
  local name=$1; shift
  "$@" >"$work/$(basename "$1").log" 2>&1 &
  pids+=($!)
  wait_for 20 on_bus "$name"
}
serve org.kde.kglobalaccel kglobalaccel5 || { fail "kglobalaccel5 starts" "$(cat "$work/kglobalaccel5.log")"; finish; }
# The programs as the packages' own D-Bus service files name them.
program_of() { sed -n 's/^Exec=//p' "/usr/share/dbus-1/services/$1.service"; }
serve org.freedesktop.impl.portal.desktop.kde "$(program_of org.freedesktop.impl.portal.desktop.kde)" ||
  { fail "xdg-desktop-portal-kde starts" "$(tail -n 5 "$work/xdg-desktop-portal-kde.log")"; finish; }
serve org.freedesktop.portal.Desktop "$(program_of org.freedesktop.portal.Desktop)" ||
  { fail "xdg-desktop-portal starts" "$(tail -n 5 "$work/xdg-desktop-portal.log")"; finish; }

# kglobalaccel's view: its components, and the shortcuts of one as "action|description|keys".
components() {
  dbus-send --session --print-reply --dest=org.kde.kglobalaccel /kglobalaccel \
    org.kde.KGlobalAccel.allMainComponents | awk '/array \[/ { n = 0 } /string/ && ++n == 1 { print $2 }' | tr -d '"'
}
shortcuts_of() {
  dbus-send --session --print-reply --dest=org.kde.kglobalaccel "/component/$1" \
    org.kde.kglobalaccel.Component.allShortcutInfos |
    awk '/struct \{/ { n = 0; line = "" } /string/ && ++n <= 2 { sub(/^ *string /, ""); line = line $0 "|" }
         /int32/ && !done[line]++ { print line $2 }' | tr -d '"'
}
# Ctrl+Alt+Z as kglobalaccel keeps it: Qt's key code with the modifier bits.
ctrl_alt_z=$(((0x04000000 | 0x08000000) + 0x5a))
description="Найти ответ на скопированную загадку и положить его в буфер обмена"
registered() {
  component=$(components)
  [ "$(printf '%s\n' "$component" | grep -c .)" = 1 ] &&
    shortcuts_of "$component" | grep -qx "answer-copied-riddle|$description|$ctrl_alt_z"
}

# --- The first start -----------------------------------------------------------------------
start_kelo "$work/kelo.log"
[ -n "$win" ] || { fail "Kelo starts" "$(cat "$work/kelo.log")"; finish; }
check "kglobalaccel holds Ctrl+Alt+Z with the Russian description, in one component" wait_for 10 registered
first_component=$component
said() { grep -qx "kelo: the desktop answers riddles on Ctrl+Alt+Z." "$work/kelo.log"; }
check "Kelo says the keys the desktop reports" wait_for 5 said
check "the shortcut is not reported off" bash -c '! grep -q "is off\|bound no shortcut" "$0"' "$work/kelo.log"

# The game stands in front; the key goes to the desktop, which tells Kelo.
start_game_window
check "another window has the focus" wait_for 5 focus_on_game
answered=0
for riddle in "Кто он?=икар" "28 дней=все" "Он совершил кражу=прометей"; do
  copy "${riddle%%=*}"
  xdotool key ctrl+alt+z
  wait_for 5 clipboard_is "${riddle#*=}" && answered=$((answered + 1))
done
check "Ctrl+Alt+Z answers 3 of 3 copies ($answered)" test "$answered" = 3
check "the focus stays on the other window" focus_on_game
kill "$game_pid"

# --- A second start on the same display hands over -----------------------------------------
first=$kelo_pid
xdotool windowminimize --sync "$win" 2>/dev/null
hidden() { ! xwininfo -id "$win" | grep -q IsViewable; }
check "the first Kelo hides to the tray" wait_for 5 hidden
timeout 20 "${offline[@]}" "$kelo" >"$work/second.log" 2>&1
check "a second start ends with status 0" test "$?" = 0
shown() { xwininfo -id "$win" | grep -q IsViewable; }
check "the first Kelo's window is shown again" wait_for 5 shown
check "the first Kelo runs on" kill -0 "$first"
check "the second start registered nothing more" test "$(components)" = "$first_component"

# --- Started again: the same component, and the key answers again --------------------------
stop_kelo
start_kelo "$work/again.log"
[ -n "$win" ] || fail "Kelo starts again" "$(cat "$work/again.log")"
said_again() { grep -qx "kelo: the desktop answers riddles on Ctrl+Alt+Z." "$work/again.log"; }
check "the shortcut is bound again" wait_for 10 said_again
check "under the same kglobalaccel component ($first_component)" \
  test -n "$first_component" -a "$(components)" = "$first_component"
check "with the same key and description" registered
start_game_window
copy "Кто он?"
xdotool key ctrl+alt+z
check "Ctrl+Alt+Z answers after the restart" wait_for 5 clipboard_is "икар"

# --- Keys the player assigns in the desktop's settings are kept at the next start ----------
# What the settings do: kglobalaccel gets the new keys (SetPresent | NoAutoloading).
ctrl_alt_x=$(((0x04000000 | 0x08000000) + 0x58))
dbus-send --session --print-reply --dest=org.kde.kglobalaccel /kglobalaccel org.kde.KGlobalAccel.setShortcut \
  "array:string:$first_component,answer-copied-riddle,$first_component,$description" "array:int32:$ctrl_alt_x" uint32:6 >/dev/null ||
  fail "kglobalaccel takes other keys"
stop_kelo
start_kelo "$work/changed.log"
said_changed() { grep -qx "kelo: the desktop answers riddles on Ctrl+Alt+X." "$work/changed.log"; }
check "the next start says the keys the player assigned" wait_for 10 said_changed
copy "28 дней"
xdotool key ctrl+alt+x
check "and those keys answer" wait_for 5 clipboard_is "все"
kill "$game_pid"
stop_kelo

finish
