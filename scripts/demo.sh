#!/usr/bin/env bash
# Installs what is needed, builds Sorvo and runs it on the bundled demo player.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
./build/dev/src/cli/sorvo-cli --version
