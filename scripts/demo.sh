#!/usr/bin/env bash
# Installs what is needed, builds Sorvo, makes the demo player and opens Sorvo's window on it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
demo="$here/build/demo-player"
rm -rf "$demo"
./build/dev/tests/make_demo_player "$demo" >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: showing the demo player with sorvo-cli instead of the window." >&2
  exec ./build/dev/src/cli/sorvo-cli info --drive "$demo"
fi
exec ./build/dev/src/gui/sorvo --drive "$demo"
