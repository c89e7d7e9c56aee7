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
# One Wine server for all the tests, started apart and up before the first test: one
# started by a test would hold that test's output open, and ctest would wait for it until
# the timeout. (wineserver puts itself into the background once it serves.)
wineserver --persistent >/dev/null 2>&1 </dev/null
# The tests that need a POSIX desktop (X11, D-Bus, xdg-open) are not built for Windows.
# Left out under Wine, each passing on Linux: the reference tables' column widths and the
# clan box's drawing follow the Windows style, which measures and draws otherwise than the
# Linux one these checks were written against; the launcher's test passes run alone
# (`wine tst_browserlauncher.exe`) but the browser it starts keeps ctest's output open;
# tst_desktopsession passes run alone but outlives ctest's timeout under Wine, for a reason
# not found yet (its key and session-name rows run on Linux too).
ctest --test-dir build-windows --output-on-failure -j2 \
  -E '^(tst_referencetable|tst_table_reference|tst_weblinks|tst_browserlauncher|tst_desktopsession)$'
wineserver --kill
kill "$XVFB_PID"
trap - EXIT

bash scripts/windows/check-package.sh build-windows
bash tests/e2e/windows_e2e.sh build-windows
