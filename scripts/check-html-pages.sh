#!/bin/bash
# Checks the HTML pages the tests kept (html_tests writes them into the
# folder given) with checkers of their own: python3's html.parser must find
# each end tag closing the element open there, and tidy must report no
# error (warnings are allowed). Prints what is wrong and fails on it.
set -euo pipefail
folder="$1"
shopt -s nullglob
pages=("$folder"/*.htm)
if [ ${#pages[@]} -eq 0 ]; then
  echo "no pages in $folder (html_tests keeps them)"
  exit 1
fi
failures=0
for page in "${pages[@]}"; do
  if ! python3 - "$page" <<'PY'
import sys
from html.parser import HTMLParser

EMPTY = {"img", "meta", "hr", "br"}

class Nesting(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.faults = []
    def handle_starttag(self, tag, attrs):
        if tag not in EMPTY:
            self.open.append((tag, self.getpos()))
    def handle_endtag(self, tag):
        if not self.open or self.open[-1][0] != tag:
            self.faults.append("</%s> at %s closes %s" % (tag, self.getpos(), self.open[-1] if self.open else "nothing"))
        else:
            self.open.pop()

checker = Nesting()
with open(sys.argv[1], encoding="latin-1") as page:
    checker.feed(page.read())
checker.close()
faults = checker.faults + ["<%s> at %s never closed" % item for item in checker.open]
for fault in faults:
    print(sys.argv[1] + ": " + fault)
sys.exit(1 if faults else 0)
PY
  then
    failures=$((failures + 1))
  fi
  status=0
  tidy -q -e "$page" 2>/tmp/tidy.$$ || status=$?
  if [ "$status" -ge 2 ]; then
    cat /tmp/tidy.$$
    failures=$((failures + 1))
  fi
  rm -f /tmp/tidy.$$
done
[ "$failures" -eq 0 ]
