#!/usr/bin/env bash
# Sets everything up (see setup.sh) and runs the whole test suite headless: the unit
# tests, then the end-to-end checks of the real program under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh xvfb xauth x11-utils xdotool xclip openbox wmctrl trayer imagemagick x11-xkb-utils chromium
QT_QPA_PLATFORM=offscreen ctest --test-dir "${KELO_BUILD_DIR:-build}" --output-on-failure -j2
bash tests/e2e/run_e2e.sh "${KELO_BUILD_DIR:-build}/src/app/kelo"
