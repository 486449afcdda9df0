#!/bin/bash
# Builds and runs the benchmarks on the seeded long text, which the shared
# generator beside the checkout writes (the same bytes on every machine;
# ZT_GEN_TEXT names another copy of it).
#   usage: scripts/bench.sh [build-dir] [benchmark-name...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
benches=("$@")
[ ${#benches[@]} -eq 0 ] && benches=(layout_bench typing_bench draw_bench)

"$root/scripts/build.sh" "$build"
data="$build/bench-data"
gen="${ZT_GEN_TEXT:-$root/../shared/bench/gen_text.py}"
if [ ! -f "$data/big.txt" ]; then
  [ -f "$gen" ] || { echo "bench.sh: no text generator at $gen (set ZT_GEN_TEXT)" >&2; exit 1; }
  python3 "$gen" "$data"
fi
export ZT_BENCH_TEXT="$data/big.txt"

# A bare X server has no resources; see scripts/x-resources.
export XENVIRONMENT="${XENVIRONMENT:-$root/scripts/x-resources}"
"$root/scripts/wine-prefix.sh" "$build" >/dev/null
trap '"$root/scripts/wine-prefix.sh" "$build" stop >/dev/null 2>&1 || true' EXIT
for b in "${benches[@]}"; do
  "$root/scripts/wine-run.sh" "$build" "$build/bin/$b.exe.so"
done
