#!/usr/bin/env bash
# Starts the real kelo under Xvfb with a window manager and a system tray, and uses it as
# a player would: keys and clicks through xdotool, the clipboard through xclip, and a
# stand-in xdg-open that records the arguments the browser would have received. Each
# section starts from a known state (a Kelo, data and runtime folders, clipboard and
# keyboard of its own), so that a failing section names itself and the others still run.
# Usage: run_e2e.sh path/to/kelo
set -uo pipefail

kelo=$(readlink -f "${1:?path to kelo}")
source "$(dirname "$0")/harness.sh"
start_desktop || { echo "Xvfb did not start"; echo "e2e: 0 passed, 1 failed"; exit 1; }

# The stand-in browser: one line per argument, NUL-terminated, so spaces stay visible. It
# writes into the folder of the section that runs.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<'STUB'
#!/bin/sh
for a in "$@"; do printf '%s\0' "$a"; done > "$KELO_E2E_SECTION/xdg-open.args.tmp"
mv "$KELO_E2E_SECTION/xdg-open.args.tmp" "$KELO_E2E_SECTION/xdg-open.args"
STUB
chmod +x "$work/bin/xdg-open"

# Kelo sends its start-up request and loads its counters at start; tests keep that off
# the network by running it in a network namespace of its own (no interfaces, no traffic).
offline=()
unshare -n true 2>/dev/null && offline=(unshare -n --)
# Not a Wayland session: the shortcut is X11's grab here (portal_e2e.sh checks the desktop
# portal's).
unset XDG_SESSION_TYPE

# What every section starts from: the player's data and a runtime folder of its own (where
# one Kelo per display waits for later starts, so no Kelo of another section or of the
# machine's real desktop is found), a known clipboard, a US layout with Num Lock off.
known_state() {
  export KELO_E2E_SECTION=$section_dir
  export XDG_DATA_HOME="$section_dir/data"
  export XDG_RUNTIME_DIR="$section_dir/runtime"
  mkdir -p "$XDG_DATA_HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  riddles="$XDG_DATA_HOME/kelo/riddles.tsv"
  # Only when changed: a fresh keymap races with the keys xdotool types next.
  setxkbmap -query | grep -q '^layout: *us$' || setxkbmap -layout us
  xset q | grep -q "Num Lock: *on" && xdotool key Num_Lock
  printf '%s' "e2e" | xclip -selection clipboard
}

# The player's riddle file, prepared with a comment and lines Kelo does not understand,
# which must stay as they are.
prepare_riddles() {
  mkdir -p "$(dirname "$riddles")"
  printf '# список клана\r\nстрока без табуляции\r\n\xff\xfe\tбитая\r\n' >"$section_dir/prepared.tsv"
  cp "$section_dir/prepared.tsv" "$riddles"
}

# start_kelo [ARGS...]: the section's Kelo ($kelo_pid), its main window ($win) viewable and
# active, its client area at X, Y. Without a window the section ends.
start_kelo() {
  PATH="$work/bin:$PATH" "${offline[@]}" "$kelo" "$@" >"$section_dir/kelo.log" 2>&1 &
  kelo_pid=$!
  pids+=($kelo_pid)
  win=$(find_window 30 '^Kelo$')
  [ -n "$win" ] || { fail "main window appears"; exit 1; }
  wait_for 5 bash -c "xwininfo -id $win | grep -q IsViewable"
  window_box "$win"
  X=$BOX_X Y=$BOX_Y WIDTH=$BOX_W HEIGHT=$BOX_H
  xdotool windowactivate --sync "$win" 2>/dev/null
}

click() { # click at client coordinates of the main window
  point_at $((X + $1)) $((Y + $2))
  xdotool click 1
  sleep 0.2
}
shot() { # md5 of a region of the main window's client area: W H x y
  point_at 600 600 # no hover effects or tool-tips in the picture
  sleep 0.1
  import -window root -crop "${1}x${2}+$((X + $3))+$((Y + $4))" png:- 2>/dev/null | md5sum | cut -d' ' -f1
}
# A region's picture once it has stopped changing (the page may still be painting).
settled_shot() {
  local previous current
  previous=$(shot "$@")
  for _ in $(seq 20); do
    current=$(shot "$@")
    [ "$current" = "$previous" ] && break
    previous=$current
  done
  echo "$current"
}
paste_riddle() { # into the riddle field, then Enter
  printf '%s' "$1" | xclip -selection clipboard
  xdotool key ctrl+v Return
}
teach_riddle() { # RIDDLE ANSWER: into the riddle field (which has the keys), the answer field, Ctrl+S
  printf '%s' "$1" | xclip -selection clipboard
  xdotool key ctrl+a ctrl+v
  click 110 211 # the answer field
  printf '%s' "$2" | xclip -selection clipboard
  xdotool key ctrl+a ctrl+v ctrl+s
}
kelo_ended() { ! kill -0 "$kelo_pid" 2>/dev/null; }
tray_icon() { xwininfo -root -tree | awk '/"panel"/ {p=1; next} p && /"Kelo"/ {found=1} END {exit !found}'; }
no_tray_icon() { ! tray_icon; }

main_window() {
  known_state
  start_kelo
  pass "main window appears"
  # The frame's right edge meets the screen's right edge, the frame's top is 10 below the top.
  frame_in_place() { frame_box "$win" && [ "$((BOX_X + BOX_W))" = 1280 ] && [ "$BOX_Y" = 10 ]; }
  check "frame at the right edge, 10 from the top" wait_for 3 frame_in_place
  # The client area's size (xdotool's own geometry is off under a reparenting WM).
  check "client area is 169 x 276" test "$WIDTH" = 169 -a "$HEIGHT" = 276
}

riddle_field() {
  known_state
  prepare_riddles
  start_kelo
  # With no click, a pasted riddle and Enter put the answer on the clipboard, and a second
  # riddle pasted right after replaces the first.
  paste_riddle "28 дней"
  check "riddle pasted at start is answered" wait_for 5 clipboard_is "все"
  paste_riddle "Кто он?"
  check "a second riddle pasted right after is answered" wait_for 5 clipboard_is "икар"
  # Teaching: a riddle in the riddle field, its answer in the answer field, Ctrl+S.
  teach_riddle "Сколько ног у паука?" "восемь"
  taught() { grep -q $'^Сколько ног у паука?\tвосемь\r$' "$riddles" 2>/dev/null; }
  check "Ctrl+S writes the taught riddle into the file" wait_for 5 taught
  check "the prepared lines stay byte for byte" \
    bash -c 'head -c "$(stat -c %s "$1")" "$2" | cmp -s - "$1"' _ "$section_dir/prepared.tsv" "$riddles"
}

pages() {
  known_state
  start_kelo
  # A toolbar click switches the page: the riddle bar's band changes.
  band_before=$(shot 169 74 0 176)
  click 60 263 # Timers
  # A busy machine may take a while to paint the page; the next click waits for it.
  band_changed() { [ "$(shot 169 74 0 176)" != "$band_before" ]; }
  check "toolbar switches to the Timers page" wait_for 5 band_changed

  # The cave countdown writes its time left every second.
  label_idle=$(settled_shot 169 16 0 170)
  button_idle=$(settled_shot 73 25 80 136)
  click 116 148 # cave "Старт"
  button_differs() { [ "$(shot 73 25 80 136)" != "$button_idle" ]; }
  check "countdown button turns to its stop look" wait_for 5 button_differs
  label_differs() { [ "$(shot 169 16 0 170)" != "$1" ]; }
  check "countdown status label changes after start" wait_for 5 label_differs "$label_idle"
  label_first=$(shot 169 16 0 170)
  check "countdown status label keeps counting" wait_for 5 label_differs "$label_first"
  click 116 148 # stop it again
  click 12 263  # back to the Tablet: the riddle field has the focus again
  paste_riddle "совершил кражу"
  check "riddle pasted after coming back to the Tablet is answered" wait_for 5 clipboard_is "прометей"
}

crafting_window() {
  known_state
  start_kelo
  # Centred on the screen frame included, and back with its button when the player had
  # minimized it.
  click 84 263 # Knowledge
  click 68 28  # "Таблица крафта"
  craft=$(find_window 10 '^Крафт$')
  frame_centred() {
    frame_box "$craft" || return 1
    local dx=$((2 * BOX_X + BOX_W - 1280)) dy=$((2 * BOX_Y + BOX_H - 800))
    ((dx >= -6 && dx <= 6 && dy >= -6 && dy <= 6))
  }
  check "crafting window frame centred within 3 px" wait_for 3 frame_centred
  xdotool windowminimize --sync "$craft"
  click 68 28
  viewable() { xwininfo -id "$craft" | grep -q IsViewable; }
  check "a minimized crafting window comes back with its button" wait_for 5 viewable
  xdotool key Escape # "Закрыть"
}

player_lookup() {
  known_state
  start_kelo
  # The browser gets the address as one unchanged argument.
  click 108 263 # Locator
  click 68 146  # Edit_info
  xdotool type --delay 60 "Лесной Охотник"
  xdotool key Return
  local args="$section_dir/xdg-open.args"
  if wait_for 5 test -f "$args"; then
    count=$(tr -cd '\0' <"$args" | wc -c)
    first=$(tr '\0' '\n' <"$args" | head -n 1)
    check "player lookup passes exactly one argument" test "$count" = 1
    check "player lookup address ends with the nickname" \
      bash -c '[[ "$0" == http://*"/index.php?file=infouser&login=Лесной Охотник" ]]' "$first"
  else
    fail "player lookup reaches xdg-open"
  fi
}

riddle_shortcut() {
  known_state
  prepare_riddles
  start_kelo
  # Pressed while another program's window has the focus: the copied riddle's answer
  # replaces it on the clipboard, and the focus stays where it was.
  start_game_window
  check "another window has the focus" wait_for 5 focus_on_game
  printf '%s' "Кто он?" | xclip -selection clipboard
  xdotool key ctrl+alt+z
  check "shortcut puts the answer on the clipboard" wait_for 5 clipboard_is "икар"
  check "shortcut leaves the focus on the other window" focus_on_game
  # Most keyboards have Num Lock on: the shortcut fires all the same.
  num_lock_on() { xset q | grep -q "Num Lock: *on"; }
  xdotool key Num_Lock
  check "Num Lock is on" wait_for 3 num_lock_on
  printf '%s' "28 дней" | xclip -selection clipboard
  xdotool key ctrl+alt+z
  check "shortcut answers with Num Lock on" wait_for 5 clipboard_is "все"
  xdotool key Num_Lock
  # The grab holds the key, not the letter: in a Russian layout the same key (Я) answers.
  setxkbmap -layout ru,us
  printf '%s' "Кто он?" | xclip -selection clipboard
  xdotool key ctrl+alt+Cyrillic_ya
  check "shortcut answers in a Russian layout" wait_for 5 clipboard_is "икар"
  setxkbmap -layout us
  printf '%s' "нет такой загадки" | xclip -selection clipboard
  kelo_windows() { xdotool search --onlyvisible --pid "$kelo_pid" 2>/dev/null | wc -l; }
  windows_before=$(kelo_windows)
  window_ids_before=$(xdotool search --onlyvisible --pid "$kelo_pid" 2>/dev/null | sort)
  xdotool key ctrl+alt+z
  note_shown() { [ "$(kelo_windows)" -gt "$windows_before" ]; }
  check "a miss shows a note at the tray icon" wait_for 5 note_shown
  check "a miss leaves the copied text on the clipboard" clipboard_is "нет такой загадки"
  check "a miss leaves the focus on the other window" focus_on_game
  # A click on the note brings the missed riddle up with the keys in the answer field.
  note=$(comm -13 <(echo "$window_ids_before") <(xdotool search --onlyvisible --pid "$kelo_pid" | sort) | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$note" | sed 's/^/NOTE_/')"
  point_at $((NOTE_X + NOTE_WIDTH / 2)) $((NOTE_Y + NOTE_HEIGHT / 2))
  xdotool click 1
  sleep 0.5
  xdotool type --delay 60 "никакой"
  xdotool key ctrl+s
  taught_from_note() { grep -q $'^нет такой загадки\tникакой\r$' "$riddles" 2>/dev/null; }
  check "the note's riddle is taught with the answer typed after clicking it" wait_for 5 taught_from_note
}

shortcut_taken() {
  known_state
  start_kelo # holds Ctrl+Alt+Z
  # A second Kelo finds the shortcut taken, says so and runs on; with none it grabs nothing.
  # Each has a runtime folder of its own, so that it does not hand over to the first: it
  # stands for another program that holds the keys.
  mkdir -m 700 "$section_dir/runtime2" "$section_dir/runtime3"
  XDG_RUNTIME_DIR="$section_dir/runtime2" "${offline[@]}" "$kelo" >"$section_dir/second.log" 2>&1 &
  second=$!
  XDG_RUNTIME_DIR="$section_dir/runtime3" "${offline[@]}" "$kelo" --riddle-hotkey=none >"$section_dir/third.log" 2>&1 &
  third=$!
  pids+=($second $third)
  taken() { grep -q "riddle shortcut Ctrl+Alt+Z is off: another program holds it" "$section_dir/second.log"; }
  check "a second Kelo reports the shortcut as taken" wait_for 20 taken
  check "a second Kelo runs on without it" kill -0 "$second"
  timeout 20 xdotool search --all --sync --onlyvisible --pid "$third" --name '^Kelo$' >/dev/null
  sleep 1
  check "--riddle-hotkey=none grabs nothing" bash -c '! grep -q "riddle shortcut" "$0"' "$section_dir/third.log"
}

russian_first_layout() {
  known_state
  # A Kelo started while a Russian layout comes first still finds the key of its shortcut.
  setxkbmap -layout ru,us
  start_kelo --riddle-hotkey=Ctrl+Alt+X
  printf '%s' "Кто он?" | xclip -selection clipboard
  xdotool key ctrl+alt+Cyrillic_che # the key of X
  check "shortcut grabbed under a Russian-first layout answers" wait_for 5 clipboard_is "икар"
  setxkbmap -layout us
}

command_line() {
  known_state
  check "--version prints and exits 0" bash -c 'timeout 10 "$0" --version | grep -q "^Kelo [0-9]"' "$kelo"
  timeout 10 "$kelo" --bogus >"$section_dir/bogus.out" 2>"$section_dir/bogus.err"
  status=$?
  check "--bogus exits 2 with a message" test "$status" = 2 -a -s "$section_dir/bogus.err" -a ! -s "$section_dir/bogus.out"
}

chromium_copy() {
  known_state
  start_kelo
  # Chromium in kiosk mode on a local page, the riddle selected by a triple click and copied
  # with Ctrl+C, then answered by the shortcut while the browser keeps the focus. The page
  # puts a label before one riddle and breaks the other over two lines, as game pages do.
  cat >"$section_dir/riddles.html" <<'HTML'
<!doctype html>
<html><head><meta charset="utf-8"><title>riddle-page</title>
<style>
body { margin: 0; background: #fff; font: 22px sans-serif; }
p { position: absolute; left: 40px; width: 700px; margin: 0; padding: 30px; background: #ffd800; }
</style></head>
<body>
<p style="top: 100px">Загадка: Что не видно, но слышно, и не говорит, но&nbsp;отвечает?</p>
<p style="top: 300px">Он был неизвестен, потом нарушил инструкцию,<br>погиб и прославился. Кто он?</p>
</body></html>
HTML
  # The page's yellow at a screen point, once Chromium has painted it.
  painted_at() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -qi ffd800; }
  copied() { xclip -o -selection clipboard 2>/dev/null | grep -q "$1"; }
  browser_focused() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$browser_win" ]; }
  copy_paragraph() { # x y text-it-holds: triple click, Ctrl+C, until the copy is there
    point_at "$1" "$2"
    xdotool click --repeat 3 --delay 60 1
    xdotool key ctrl+c
    wait_for 5 copied "$3"
  }
  "${offline[@]}" chromium --no-sandbox --kiosk --no-first-run --no-default-browser-check \
    --disable-gpu --disable-extensions --disable-sync --password-store=basic --noerrdialogs \
    --user-data-dir="$section_dir/chromium" "file://$section_dir/riddles.html" >"$section_dir/chromium.log" 2>&1 &
  pids+=($!)
  # Polled, not --sync: Chromium makes and drops windows while it starts, and a search that
  # meets a dropped one ends with an X error.
  find_browser() { browser_win=$(xdotool search --onlyvisible --name 'riddle-page' 2>/dev/null | head -n 1); [ -n "$browser_win" ]; }
  if ! wait_for 60 find_browser || ! wait_for 60 painted_at 50 110 || ! wait_for 10 painted_at 50 310; then
    fail "Chromium shows the riddle page" "see $section_dir/chromium.log"
    return
  fi
  pass "Chromium shows the riddle page"
  xdotool windowactivate --sync "$browser_win" 2>/dev/null
  if copy_paragraph 170 142 "отвечает"; then
    xdotool key ctrl+alt+z
    check "a riddle copied with its label from Chromium is answered" wait_for 5 clipboard_is "эхо"
  else
    fail "Chromium copies the labelled riddle"
  fi
  if copy_paragraph 170 342 "инструкцию"; then
    xdotool key ctrl+alt+z
    check "a riddle broken over two lines in Chromium is answered" wait_for 5 clipboard_is "икар"
  else
    fail "Chromium copies the riddle broken over two lines"
  fi
  check "the browser keeps the focus" browser_focused
}

frozen_clipboard_owner() {
  known_state
  start_kelo
  # A clipboard owner that never answers (a frozen browser) costs about a second: the press
  # after it reads the next owner. Qt's own clipboard would hold the window for five.
  printf '%s' "Кто он?" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
  frozen=$!
  disown "$frozen" # killed below; no job notice
  pids+=($frozen)
  wait_for 5 clipboard_is "Кто он?"
  kill -STOP "$frozen"
  started=$(date +%s%N)
  xdotool key ctrl+alt+z
  kill -KILL "$frozen"
  # A press after the answer finds "эхо", which answers nothing, so the answer stays.
  printf '%s' "Что не видно, но слышно, и не говорит, но отвечает?" | xclip -selection clipboard
  press_and_see() { xdotool key ctrl+alt+z; sleep 0.2; clipboard_is "эхо"; }
  if wait_for 10 press_and_see; then
    took=$((($(date +%s%N) - started) / 1000000))
    check "a frozen clipboard owner holds the shortcut about a second (${took} ms)" test "$took" -lt 3000
  else
    fail "the shortcut answers again after a frozen clipboard owner"
  fi
}

tray_and_restart() {
  known_state
  start_kelo
  teach_riddle "Сколько ног у паука?" "восемь"
  wait_for 5 grep -qs "паука" "$riddles"
  # The tray icon is there while Kelo runs and gone with it.
  check "tray icon present" tray_icon
  wmctrl -i -c "$win"
  check "closing the main window ends Kelo" wait_for 10 kelo_ended
  check "tray icon gone" wait_for 5 no_tray_icon
  # Started again, Kelo knows the taught riddle.
  start_kelo --riddle-hotkey=none
  paste_riddle "ног у паука"
  check "a taught riddle is known after a restart" wait_for 5 clipboard_is "восемь"
}

section "main window" main_window
section "riddle field and teaching" riddle_field
section "pages and a countdown" pages
section "crafting window" crafting_window
section "player lookup" player_lookup
section "riddle shortcut" riddle_shortcut
section "shortcut held by another program" shortcut_taken
section "Russian-first layout" russian_first_layout
section "command line" command_line
section "a riddle copied from Chromium" chromium_copy
section "frozen clipboard owner" frozen_clipboard_owner
section "tray icon and a restart" tray_and_restart

echo "e2e: $passed passed, $failed failed"
((${#failed_sections[@]} == 0)) || printf 'failed section: %s\n' "${failed_sections[@]}"
[ "$failed" -eq 0 ]
