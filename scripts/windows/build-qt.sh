#!/usr/bin/env bash
# Builds Qt for 64-bit Windows with mingw-w64 from the source Debian ships, once, into a
# cache outside the checkout. The cache is keyed on Qt's version and the configure line, so
# a changed line builds afresh and an unchanged one is reused in a second.
# Prints the prefix of the Windows Qt on its last line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

qt_version=6.4.2
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
configure_line=(
  -release -shared -xplatform win32-g++ -qt-host-path /usr
  -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-openssl -schannel -no-zstd
  -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype -qt-libpng -qt-libjpeg -qt-doubleconversion
  -no-feature-sql -no-feature-printsupport -no-feature-concurrent -no-feature-xml
  -no-feature-tabletevent -no-feature-direct2d1_1 -no-feature-vulkan
)
key="$(printf '%s\n' "$qt_version" "${configure_line[@]}" | sha256sum | cut -c1-12)"
cache="${KELO_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelo}"
prefix="$cache/qt-$qt_version-mingw64-$key"

if [ -f "$prefix/.kelo-complete" ]; then
  echo "$prefix"
  exit 0
fi

bash "$root/scripts/windows/install-tools.sh" >&2

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
# apt-get source needs a deb-src entry for the archive the machine already uses.
if ! apt-get source --print-uris qt6-base 2>/dev/null | grep -q "qt6-base_$qt_version"; then
  uris="$(grep -h '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 | awk '{print $2}')"
  uris="${uris:-http://deb.debian.org/debian}"
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uris" | $sudo tee /etc/apt/sources.list.d/kelo-deb-src.sources >/dev/null
  $sudo apt-get update -qq >&2
fi

work="$cache/qt-work-$key"
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source --download-only qt6-base >&2)
orig="$(ls "$work"/qt6-base_"$qt_version"*.orig.tar.* | head -1)"
mkdir -p "$work/src"
tar -xf "$orig" -C "$work/src" --strip-components=1
mkdir -p "$work/build"
cd "$work/build"
echo "Configuring Qt $qt_version for Windows (a build of about a quarter of an hour on 2 cores)" >&2
"$work/src/configure" -prefix "$prefix" "${configure_line[@]}" -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel 2 >&2
cmake --install . >&2
touch "$prefix/.kelo-complete"
cd "$cache"
rm -rf "$work"
echo "$prefix"
