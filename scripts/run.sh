#!/bin/bash
# Installs what is missing, builds, and starts the word processor with the
# given arguments. Needs an X display (DISPLAY set); on a machine without
# one, run it under a virtual display: xvfb-run -a scripts/run.sh
# ZT_BUILD_DIR names another build folder than build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZT_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build"
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: set DISPLAY, or start under a virtual one: xvfb-run -a $0 $*" >&2
  exit 1
fi
exec "$build/bin/ztrun" "$@"
