#!/usr/bin/env bash
# Installs Kelo into a staging folder, validates its desktop entry and AppStream metadata,
# and builds the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh desktop-file-utils appstream dpkg-dev file >/dev/null
build=${KELO_BUILD_DIR:-build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$stage/usr/share/applications/io.github.kelo.kelo.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/io.github.kelo.kelo.metainfo.xml"
for size in 16 32 64 256; do
  test -f "$stage/usr/share/icons/hicolor/${size}x${size}/apps/io.github.kelo.kelo.png"
done
test -x "$stage/usr/bin/kelo"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/kelo_*.deb | head -n 1)
dpkg-deb --contents "$deb" >"$stage/contents"
grep -q './usr/bin/kelo' "$stage/contents"
# Without Qt's platform plugins the program cannot open its window.
dpkg-deb -f "$deb" Depends | grep -q 'qt6-qpa-plugins'
# Nor Russian menus and file dialogs without Qt's translations.
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n'

echo "package checks passed: $(basename "$deb")"
