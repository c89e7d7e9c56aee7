#!/usr/bin/env bash
# Windows Kelo as a player gets it, under Wine on Xvfb: the installer runs silently into a
# fresh prefix; the installed kelo.exe comes up at the right edge, answers a riddle typed
# into "Загадка" and one copied from another window through Ctrl+Alt+Z, hands a second
# start over, keeps a taught riddle in %APPDATA%\kelo; the uninstaller removes the program
# and leaves the player's riddles. Usage: windows_e2e.sh BUILD_DIR (the Windows build).
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?the Windows build folder}" && pwd)"
e2e_name="windows e2e"
source "$here/harness.sh"
source "$here/../../scripts/windows/wine-prefix.sh"

installer=$(ls "$build"/kelo-*-win64-setup.exe 2>/dev/null | head -n 1)
[ -n "$installer" ] || { echo "no installer in $build"; echo "windows e2e: 0 passed, 1 failed"; exit 1; }
start_desktop || { echo "Xvfb did not start"; echo "windows e2e: 0 passed, 1 failed"; exit 1; }
new_wine_prefix "$work/wine"
cleanup_wine() { wineserver --kill 2>/dev/null; cleanup; }
trap cleanup_wine EXIT

home=$(wine_user_folder)
program="$home/AppData/Local/Programs/Kelo"
riddles="$home/AppData/Roaming/kelo/riddles.tsv"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelo'

# Installing: silently, for this user only, with a Start menu entry and an uninstaller that
# "Apps" lists.
wine "$installer" /S >"$work/install.log" 2>&1
status=$?
check "the installer ends with status 0" test "$status" = 0
check "kelo.exe is installed in the user's programs folder" test -f "$program/kelo.exe"
check "the Start menu has Kelo" test -f "$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kelo.lnk"
check "Apps lists the uninstaller" bash -c "wine reg query '$uninstall_key' /v UninstallString 2>/dev/null | grep -q Uninstall.exe"
check "Qt's Russian texts are shipped" test -f "$program/translations/qtbase_ru.qm"

# Starting: the window comes up at the right edge of the screen, 10 pixels from the top.
(cd "$work" && exec wine "$program/kelo.exe" >"$work/kelo.log" 2>&1) &
pids+=($!)
win=$(find_window 60 '^Kelo$')
[ -n "$win" ] || { fail "main window appears"; finish; }
pass "main window appears"
frame_in_place() {
  local frame fx fy fw
  frame=$(xwininfo -id "$(xwininfo -id "$win" -children | awk '/Parent window id/ {print $4}')")
  fx=$(awk '/Absolute upper-left X/ {print $4}' <<<"$frame")
  fy=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$frame")
  fw=$(awk '/Width:/ {print $2}' <<<"$frame")
  # Wine lays Windows' frame over the window manager's, which is a few pixels taller.
  [ "$((fx + fw))" = 1280 ] && ((fy >= 10 && fy <= 14))
}
check "frame at the right edge, about 10 from the top" wait_for 10 frame_in_place

# A riddle pasted into "Загадка" (it has the focus at start) and Enter: the answer is on
# the clipboard, where X11 programs read it.
xdotool windowactivate --sync "$win" 2>/dev/null
printf '%s' "28 дней" | xclip -selection clipboard
xdotool key ctrl+v Return
check "a riddle typed into the field is answered on the clipboard" wait_for 10 clipboard_is "все"

# The shortcut, with another Windows program (standing in for the game's browser) in front.
# Wine delivers the hot key only while one of its own windows has the keyboard; real
# Windows delivers it whichever program is in front.
(cd "$work" && exec wine notepad >/dev/null 2>&1) &
pids+=($!)
game=$(find_window 60 'Notepad|Блокнот')
xdotool windowactivate --sync "$game" 2>/dev/null
focus_on_game() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$game" ]; }
check "the stand-in game window has the focus" wait_for 5 focus_on_game
printf '%s' "Кто он?" | xclip -selection clipboard
sleep 0.5
xdotool key ctrl+alt+z
check "Ctrl+Alt+Z answers a copied riddle" wait_for 10 clipboard_is "икар"
check "the game window keeps the focus" focus_on_game

# A second start shows the first and ends with status 0; one window stays.
(cd "$work" && wine "$program/kelo.exe" >"$work/second.log" 2>&1)
check "a second start ends with status 0" test $? = 0
windows_named_kelo() { xdotool search --onlyvisible --name '^Kelo$' | wc -l; }
check "one Kelo window stays" test "$(windows_named_kelo)" = 1

# Teaching: Ctrl+S keeps the riddle in %APPDATA%\kelo\riddles.tsv.
xdotool windowactivate --sync "$win" 2>/dev/null
client=$(xwininfo -id "$win")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$client")
Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$client")
click() {
  point_at $((X + $1)) $((Y + $2))
  xdotool click 1
  sleep 0.3
}
click 110 188 # the riddle field
printf '%s' "Сколько ног у паука?" | xclip -selection clipboard
xdotool key ctrl+a ctrl+v
click 110 211 # the answer field
printf '%s' "восемь" | xclip -selection clipboard
xdotool key ctrl+a ctrl+v ctrl+s
taught() { grep -q $'^Сколько ног у паука?\tвосемь' "$riddles" 2>/dev/null; }
check "Ctrl+S writes the taught riddle under %APPDATA%\\kelo" wait_for 10 taught

# Uninstalling, with Kelo ended: the program goes, the player's riddles stay.
wine taskkill /im kelo.exe >/dev/null 2>&1
gone() { ! xdotool search --onlyvisible --name '^Kelo$' >/dev/null 2>&1; }
wait_for 15 gone
wine "$program/Uninstall.exe" /S >"$work/uninstall.log" 2>&1
uninstalled() { [ ! -e "$program/kelo.exe" ]; }
check "the uninstaller removes kelo.exe" wait_for 30 uninstalled
check "the uninstaller removes the Qt libraries" wait_for 10 bash -c "! ls '$program'/*.dll >/dev/null 2>&1"
check "the uninstaller leaves the player's riddles" taught
check "Apps no longer lists Kelo" bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"

finish
