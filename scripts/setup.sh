#!/usr/bin/env bash
# Sets everything up on Debian 12: installs the packages the build and the tests need
# (only when one is missing), configures and builds into build/. Safe to run again;
# fast when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libcanberra-dev libxcb1-dev sound-theme-freedesktop
  fonts-dejavu-core fonts-dejavu-extra
  "$@"
)

bash scripts/install-packages.sh "${packages[@]}"

build_dir="${KELO_BUILD_DIR:-build}"
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja ${KELO_CMAKE_ARGS:-}
fi
cmake --build "$build_dir" -j2
