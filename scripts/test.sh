#!/bin/bash
# Installs what is missing, builds, and runs every test under Wine. Tests
# that open windows get an Xvfb display when none is set.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build}")"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build"

xvfb_pid=""
cleanup() {
  "$root/scripts/wine-prefix.sh" "$build" stop || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

# A bare X server has no resources; see scripts/x-resources.
export XENVIRONMENT="${XENVIRONMENT:-$root/scripts/x-resources}"

cd "$build"
ctest --output-on-failure -j"${ZT_JOBS:-$(nproc)}"
