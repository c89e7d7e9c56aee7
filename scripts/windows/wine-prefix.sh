# Sourced by the Windows test scripts: `new_wine_prefix DIR` makes a fresh Wine prefix in
# DIR for the current user, quiet and fit for Qt programs, and exports WINEPREFIX.
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs: nothing here needs .NET or an embedded browser.
export WINEDLLOVERRIDES="mscoree,mshtml="
new_wine_prefix() {
  export WINEPREFIX="$1"
  rm -rf "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver --wait
  # Without Tahoma (the Windows UI font) Qt falls back to a serif font.
  cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}
# The Windows folders of the prefix's user, as paths of this host.
wine_user_folder() { echo "$WINEPREFIX/drive_c/users/$(id -un)"; }
