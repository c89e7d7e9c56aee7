#!/usr/bin/env bash
# Sets everything up (see setup.sh) and starts Kelo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kelo needs a graphical display and none is set (DISPLAY is empty); to try it without one: xvfb-run -a bash scripts/start.sh" >&2
  exit 1
fi
exec "${KELO_BUILD_DIR:-build}/src/app/kelo"
