#!/usr/bin/env bash
# The Debian packages that build Windows Kelo and run it under Wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/install-packages.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
  mingw-w64-tools binutils-mingw-w64-x86-64 cmake ninja-build perl dpkg-dev xz-utils \
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n python3 nsis zip unzip wine wine64 fonts-wine "$@"
