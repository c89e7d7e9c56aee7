# Sourced by the scripts that need a virtual display: `start_xvfb` starts Xvfb on a display
# it picks itself (-displayfd), exports DISPLAY and sets XVFB_PID.
start_xvfb() {
  local numberfile
  numberfile=$(mktemp)
  # A server that is just ending can still hold the display Xvfb picks, and Xvfb then gives
  # up: start it again.
  for _ in 1 2 3; do
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      [ -s "$numberfile" ] || ! kill -0 "$XVFB_PID" 2>/dev/null && break
      sleep 0.1
    done
    [ -s "$numberfile" ] && break
    wait "$XVFB_PID" 2>/dev/null || true
  done
  DISPLAY=:$(head -n 1 "$numberfile")
  rm -f "$numberfile"
  export DISPLAY
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  [ "$DISPLAY" != : ]
}
