# Sourced by the build's scripts: the Wine tools on PATH and the prefix that
# lives inside the build tree, so runs never touch the user's own ~/.wine.
# Needs ZT_BUILD_DIR set to the build folder.
export PATH="/usr/lib/wine:$PATH"
export WINEPREFIX="${WINEPREFIX_OVERRIDE:-$ZT_BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko downloads: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine 8 from Debian ships only the 64-bit loader.
WINE="$(command -v wine64 || command -v wine)"
export WINE
