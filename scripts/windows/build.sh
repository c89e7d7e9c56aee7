#!/usr/bin/env bash
# Builds Windows Kelo on Debian: installs the cross compilers, Wine and NSIS, builds Qt for
# Windows once into a cache outside the checkout (scripts/windows/build-qt.sh), builds Kelo
# and its tests with the `windows` preset and leaves in build-windows/ the per-user
# installer kelo-<version>-win64-setup.exe and the portable kelo-<version>-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/windows/install-tools.sh
KELO_WINDOWS_QT="$(bash scripts/windows/build-qt.sh | tail -n 1)"
export KELO_WINDOWS_QT
build_dir=build-windows
# A Qt of another configure line lives at another place, and other options are other
# builds: either configures afresh.
stamp="$build_dir/kelo-configure-options"
options="$KELO_WINDOWS_QT ${KELO_CMAKE_ARGS:-}"
if [ ! -f "$build_dir/build.ninja" ] || [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$options" ]; then
  fresh=()
  [ -f "$build_dir/CMakeCache.txt" ] && fresh=(--fresh)
  cmake --preset windows "${fresh[@]}" ${KELO_CMAKE_ARGS:-}
  printf '%s' "$options" >"$stamp"
fi
cmake --build --preset windows
rm -f "$build_dir"/kelo-*-win64-setup.exe "$build_dir"/kelo-*-win64.zip
(cd "$build_dir" && cpack -C Release)
ls -l "$build_dir"/kelo-*-win64-setup.exe "$build_dir"/kelo-*-win64.zip
