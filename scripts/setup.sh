#!/usr/bin/env bash
# Sets everything up on Debian 12: installs the packages the build and the tests need
# (only when one is missing), configures and builds into build/. Safe to run again;
# fast when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev libcanberra-dev libxcb1-dev sound-theme-freedesktop
  fonts-dejavu-core fonts-dejavu-extra
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${KELO_BUILD_DIR:-build}"
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja ${KELO_CMAKE_ARGS:-}
fi
cmake --build "$build_dir" -j2
