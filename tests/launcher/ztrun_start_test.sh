#!/bin/bash
# Starts the real ztrun with a command tail and checks, in order: the
# launcher's console lines, WinMain reaching the application's
# InitInstance inside ztwrite with that tail, and a clean end.
#   usage: ztrun_start_test.sh <build-dir>
set -u
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
out="$(mktemp)"; err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT

WINEDEBUG=warn+debugstr "$here/../../scripts/wine-run.sh" "$build" "$build/bin/ztrun.exe.so" letter.zvw >"$out" 2>"$err"
status=$?

fail() { echo "FAIL: $*"; echo "--- stdout"; cat "$out"; echo "--- stderr"; grep -v '^[0-9a-f]*:err:' "$err" | head -40; exit 1; }

[ $status -eq 0 ] || fail "ztrun exited with $status"
expected=$'mfc42 loaded\nztshare\nzttools loaded\nbefore winmain()\n, '
head -c ${#expected} "$out" | cmp -s - <(printf '%s' "$expected") || fail "launcher lines out of order"
grep -q 'mfc42\.dll' "$out" || fail "mfc42 module file name not printed"
grep -q 'free lib' "$out" || fail "\"free lib\" not printed"
grep -q 'failed:' "$out" && fail "libztwrite.so did not open"
grep -q 'ztwrite: InitInstance, command line \\"letter.zvw\\"' "$err" || \
  grep -q 'ztwrite: InitInstance, command line "letter.zvw"' "$err" || fail "InitInstance not reached with the tail"
echo "ztrun start: 1 passed, 0 failed"
