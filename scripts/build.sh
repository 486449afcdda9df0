#!/bin/bash
# Configures and builds everything into <build-dir> (default: build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
export PATH="/usr/lib/wine:$PATH"
cmake -S "$root" -B "$build" >/dev/null
# ZT_JOBS lowers the parallel jobs when several builds share the machine.
cmake --build "$build" -j"${ZT_JOBS:-$(nproc)}"
