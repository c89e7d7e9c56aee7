#!/usr/bin/env bash
# Sets everything up (see setup.sh) and runs the whole test suite headless: the unit
# tests, then the end-to-end checks of the real program under Xvfb, the desktop portal's
# shortcut (a stand-in portal, then Debian's own KDE portal stack) and the second start
# among them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh xvfb xauth x11-utils xdotool xclip openbox wmctrl trayer imagemagick x11-xkb-utils \
  x11-xserver-utils chromium dbus-daemon dbus-bin python3-dbus python3-gi \
  xdg-desktop-portal xdg-desktop-portal-kde libkf5globalaccel-bin
QT_QPA_PLATFORM=offscreen ctest --test-dir "${KELO_BUILD_DIR:-build}" --output-on-failure -j2
bash tests/e2e/run_e2e.sh "${KELO_BUILD_DIR:-build}/src/app/kelo"
bash tests/e2e/portal_e2e.sh "${KELO_BUILD_DIR:-build}/src/app/kelo"
bash tests/e2e/kde_portal_e2e.sh "${KELO_BUILD_DIR:-build}/src/app/kelo"
