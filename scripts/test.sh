#!/usr/bin/env bash
# Installs what is needed, builds Sorvo and runs the whole test suite.
# Usage: scripts/test.sh [dev|asan]   (dev by default)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-dev}
bash "$here/scripts/install-deps.sh"
cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --preset "$preset" -j "$(nproc)"
