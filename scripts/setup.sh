#!/bin/bash
# Installs what building, running and testing need on Debian 12, when it is
# missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake make g++                               # build
  wine64 wine64-tools libwine-dev              # Winelib: wineg++, wrc, winebuild, the loader
  libgtest-dev libgmock-dev libbenchmark-dev   # tests and benchmarks
  xvfb xauth x11-utils                         # a display for tests that open windows
  fonts-liberation fonts-opensymbol            # faces standing in for Times New Roman, Arial, Courier New, Symbol
  fonts-wine                                   # Wine's own faces: caption buttons and scroll arrows (Marlett)
  libgraphicsmagick++1-dev                     # the image layer: reading pictures, writing JPEG
  python3 python3-olefile                      # tests read saved compound files with an independent reader
  tidy                                         # tests check written HTML pages with an independent checker
  xdotool x11-apps                             # the end-to-end test types into the program and takes screenshots (xwd)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
