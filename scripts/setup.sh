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
  fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n
  "$@"
)

bash scripts/install-packages.sh "${packages[@]}"

# The build folder remembers the options it was configured with; other options (CI's
# -DKELO_WERROR=ON, say) configure it afresh, so an option is never silently ignored.
build_dir="${KELO_BUILD_DIR:-build}"
options="${KELO_CMAKE_ARGS:-}"
stamp="$build_dir/kelo-configure-options"
if [ ! -f "$build_dir/build.ninja" ] || [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$options" ]; then
  fresh=()
  [ -f "$build_dir/CMakeCache.txt" ] && fresh=(--fresh)
  cmake --preset default -B "$build_dir" "${fresh[@]}" $options
  printf '%s' "$options" >"$stamp"
fi
cmake --build "$build_dir" -j2
