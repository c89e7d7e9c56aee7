#!/usr/bin/env bash
# Windows Kelo tested under Wine: builds it (scripts/windows/build.sh), runs the unit tests
# with Wine as ctest's emulator, then installs the package into a fresh Wine prefix and
# uses the installed program as a player would (tests/e2e/windows_e2e.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/windows/build.sh
bash scripts/install-packages.sh xvfb xauth x11-utils xdotool xclip openbox trayer x11-apps fonts-dejavu-core

source scripts/xvfb.sh
source scripts/windows/wine-prefix.sh
start_xvfb
trap 'wineserver --kill 2>/dev/null; kill "$XVFB_PID" 2>/dev/null' EXIT
new_wine_prefix "$PWD/build-windows/wine-tests"
# One Wine server for all the tests, and Wine's own services (explorer, services, plugplay)
# up before the first test: the first Wine program starts them, and they would hold that
# program's output open, so ctest would wait for the first test until its timeout.
wineserver --persistent >/dev/null 2>&1 </dev/null
wine wineboot >/dev/null 2>&1 </dev/null
# The tests that need a POSIX desktop (X11, D-Bus, xdg-open) are not built for Windows.
ctest --test-dir build-windows --output-on-failure -j2
wineserver --kill
kill "$XVFB_PID"
trap - EXIT

bash scripts/windows/check-package.sh build-windows
bash tests/e2e/windows_e2e.sh build-windows
