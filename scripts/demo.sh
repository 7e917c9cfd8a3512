#!/usr/bin/env bash
# Installs what is needed, builds Sorvo, makes the demo player and runs Sorvo on it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
demo="$here/build/demo-player"
rm -rf "$demo"
./build/dev/tests/make_demo_player "$demo" >/dev/null
./build/dev/src/cli/sorvo-cli info --drive "$demo"
