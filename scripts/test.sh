#!/usr/bin/env bash
# Sets everything up (see setup.sh) and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh xvfb xauth xdotool xclip
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${KELO_BUILD_DIR:-build}" --output-on-failure -j2
