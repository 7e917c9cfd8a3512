#!/usr/bin/env bash
# Redraws the icons of src/gui/resources/icons and the installed program icons of data/icons/hicolor
# from scripts/make_icons.cpp.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -fPIC -O1 "$here/scripts/make_icons.cpp" -o "$tmp/make_icons" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/make_icons" "$here/src/gui/resources/icons" "$here/data/icons/hicolor"
