#!/bin/bash
# Builds and runs the benchmarks on the seeded long text, which
# bench/gen_text.py writes (the same bytes on every machine).
#   usage: scripts/bench.sh [build-dir] [benchmark-name...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
benches=("$@")
[ ${#benches[@]} -eq 0 ] && benches=(layout_bench typing_bench draw_bench)

"$root/scripts/build.sh" "$build"
data="$build/bench-data"
[ -f "$data/big.txt" ] || python3 "$root/bench/gen_text.py" "$data"
export ZT_BENCH_TEXT="$data/big.txt"

"$root/scripts/wine-prefix.sh" "$build" >/dev/null
trap '"$root/scripts/wine-prefix.sh" "$build" stop >/dev/null 2>&1 || true' EXIT
for b in "${benches[@]}"; do
  "$root/scripts/wine-run.sh" "$build" "$build/bin/$b.exe.so"
done
