#!/bin/bash
# Starts the real program as the README's run command does (bin/ztrun, the
# build tree's prefix) on the X display and looks at it from outside with
# window_probe: the launcher's console lines, the main window with its
# menu, toolbars and status panes, the first document window Write1 (a
# screenshot is kept in the build tree), two File New commands, a clean end
# with exit code 0 and the profile it leaves. A second start comes back at
# the place the first was left at; closed maximised, the third starts
# maximised.
#   usage: ztrun_start_test.sh <build-dir>
set -u
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
out="$(mktemp)"; err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  echo "ztrun start: skipped, no X display"
  exit 0
fi
probe() { "$here/../../scripts/wine-run.sh" "$build" "$build/bin/window_probe.exe.so" "$@"; }
status=0
fail() { echo "FAIL: $*"; echo "--- stdout"; cat "$out"; echo "--- stderr"; grep -v ':err:\|:fixme:' "$err" | head -40; exit 1; }
start() { "$build/bin/ztrun" >"$out" 2>"$err" & pid=$!; }
finish() {
  probe close || true
  for _ in $(seq 1 300); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && { kill $pid; fail "the program did not end after its window closed"; }
  wait $pid; status=$?
  [ $status -eq 0 ] || fail "ztrun exited with $status"
}

probe clear-placement

# First start: what the user sees, File New twice, the end.
start
probe check-start "$build/ztrun_start.bmp" || { kill $pid; fail "start-up"; }
probe file-new && probe file-new || { kill $pid; fail "File New"; }
probe check-documents Write1 Write2 Write3 || { kill $pid; fail "document titles"; }
probe place 60 40 800 560 || { kill $pid; fail "placing"; }
sleep 0.5
finish
expected=$'mfc42 loaded\nztshare\nzttools loaded\nbefore winmain()\n, '
head -c ${#expected} "$out" | cmp -s - <(printf '%s' "$expected") || fail "launcher lines out of order"
grep -q 'mfc42\.dll' "$out" || fail "mfc42 module file name not printed"
grep -q 'free lib' "$out" || fail "\"free lib\" not printed"
grep -q 'failed:' "$out" && fail "libztwrite.so did not open"
probe check-profile || fail "profile after the first start"

# Second start at the stored place; left maximised.
start
probe check-place 60 40 800 560 || { kill $pid; fail "second start not at the stored place"; }
probe maximize
sleep 1
finish

# Third start: maximised.
start
probe check-maximized || { kill $pid; fail "third start not maximised"; }
finish
echo "ztrun start: 1 passed, 0 failed"
