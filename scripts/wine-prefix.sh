#!/bin/bash
# Creates the build tree's Wine prefix once (it takes a while) with the font
# replacements the documents' Windows faces need, and keeps one wineserver
# alive so that later process starts are quick.
#   usage: wine-prefix.sh <build-dir> [start|create|stop]
#     start (default): make the prefix if needed and keep a server running
#     create: only make the prefix (the program's own start uses this)
#     stop: end the prefix's server and its services
set -euo pipefail
ZT_BUILD_DIR="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"

if [ "${2:-}" = stop ]; then
  wineserver -k 2>/dev/null || true
  exit 0
fi

stamp="$WINEPREFIX/.ztwrite-ready"
fresh=0
if [ ! -f "$stamp" ]; then
  fresh=1
  mkdir -p "$WINEPREFIX"
  # A server left over from an earlier prefix at the same place (a deleted
  # build tree) would answer for this one: end it first, and try once more
  # if the first start still fails.
  wineserver -k 2>/dev/null || true
  if ! "$WINE" wineboot -i >/dev/null 2>&1; then
    wineserver -k 2>/dev/null || true
    sleep 1
    "$WINE" wineboot -i >/dev/null 2>&1 || { echo "wine-prefix: could not create $WINEPREFIX" >&2; exit 1; }
  fi
  wineserver -w
  touch "$stamp"
fi
# Registry settings, each imported once; a prefix made before a settings
# file existed gets it on its next start. Unix paths are reachable through
# drive Z: of every prefix.
for settings in wine-fonts wine-test-windows wine-app-test-windows; do
  done_mark="$WINEPREFIX/.ztwrite-$settings"
  [ -f "$done_mark" ] && continue
  reg="Z:${here//\//\\}\\$settings.reg"
  "$WINE" regedit /S "$reg" >/dev/null 2>&1
  # A new prefix's server is let go before the persistent one starts; a
  # running persistent server keeps the settings as they are written.
  [ "$fresh" = 1 ] && wineserver -w
  touch "$done_mark"
done
# Wine's own faces (Marlett draws caption buttons and scroll arrows) are
# read from the prefix's font folder; Debian's fonts-wine puts them in
# Wine's data folder, which this Wine does not search.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
  cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
fi
[ "${2:-start}" = create ] && exit 0

# Persistent server: every test process attaches to it instead of starting
# one. Boot the session's services now with no inherited output: a service
# started by a test would hold that test's output pipe open for as long as
# the server lives, and whoever reads the pipe would wait forever.
wineserver -p </dev/null >/dev/null 2>&1 || true
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true
