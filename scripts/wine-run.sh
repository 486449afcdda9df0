#!/bin/bash
# Runs one Winelib program under the build tree's prefix.
#   usage: wine-run.sh <build-dir> <program.exe.so> [arguments...]
set -euo pipefail
ZT_BUILD_DIR="$(cd "$1" && pwd)"; shift
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
exec "$WINE" "$@"
