#!/usr/bin/env bash
# Checks the portable zip of Windows Kelo: kelo.exe with its icon and version, Qt's
# platform, JPEG and style plugins and Russian texts, and every DLL that any of its
# binaries imports either shipped beside it or one of Windows' own; nothing else.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build="${1:?the Windows build folder}"
zip=$(ls "$build"/kelo-*-win64.zip | head -n 1)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
root=$(dirname "$(find "$unpacked" -name kelo.exe | head -n 1)")
status=0
problem() { echo "package: $1"; status=1; }

for f in kelo.exe platforms/qwindows.dll imageformats/qjpeg.dll styles/qwindowsvistastyle.dll \
         translations/qtbase_ru.qm Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll \
         libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  [ -f "$root/$f" ] || problem "$f is missing"
done
# Anything else is something a player does not need.
while IFS= read -r f; do
  case "$f" in
    kelo.exe | *.dll | translations/qtbase_ru.qm) ;;
    *) problem "unexpected file $f" ;;
  esac
done < <(cd "$root" && find . -type f | sed 's|^\./||')

# Windows' own libraries, which no package ships.
system='^(api-ms-win-.*|ext-ms-.*|kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|winmm|ws2_32|comdlg32|imm32|uxtheme|dwmapi|version|netapi32|userenv|mpr|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|shcore|wtsapi32|crypt32|secur32|iphlpapi|setupapi|winspool\.drv|comctl32|msvcrt|authz|bcrypt|ncrypt|dnsapi|rpcrt4|gdiplus|opengl32|uiautomationcore|shlwapi|cfgmgr32|dbghelp|winhttp|ntdll)\.dll$'
objdump=x86_64-w64-mingw32-objdump
while IFS= read -r binary; do
  while IFS= read -r dll; do
    lower=$(tr 'A-Z' 'a-z' <<<"$dll")
    if grep -Eq "$system" <<<"$lower"; then continue; fi
    ls "$root" | tr 'A-Z' 'a-z' | grep -qxF "$lower" || problem "${binary#"$root"/} imports $dll, which is not shipped"
  done < <("$objdump" -p "$binary" | awk '/DLL Name:/ {print $3}')
  # Stripped: no symbol table left in what players download.
  symbols=$("$objdump" -t "$binary" 2>/dev/null | grep -c '^\[' || true)
  [ "$symbols" = 0 ] || problem "${binary#"$root"/} is not stripped ($symbols symbols)"
done < <(find "$root" -name '*.exe' -o -name '*.dll')

# The icon and the version resource.
"$objdump" -h "$root/kelo.exe" | grep -q '\.rsrc' || problem "kelo.exe has no resources"
strings -el "$root/kelo.exe" | grep -qx 'ProductVersion' || problem "kelo.exe has no version"

[ "$status" = 0 ] && echo "package check passed: $(basename "$zip")"
exit "$status"
