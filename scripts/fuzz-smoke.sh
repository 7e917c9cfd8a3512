#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and runs each one for a
# short bounded time. Usage: scripts/fuzz-smoke.sh [seconds per target]   (20 by default)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build="$here/build/fuzz"
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSORVO_FUZZ=ON -DSORVO_BUILD_TESTS=OFF -DSORVO_BUILD_GUI=OFF >/dev/null
targets=()
for file in "$here"/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$file" .cpp)")
done
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
    name=${target#fuzz_}
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "$here/fuzz/corpus/$name" ] && seeds=("$here/fuzz/corpus/$name")
    log="$build/$target.log"
    echo "== $target: ${seconds}s"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target failed (log: $log)"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || tail -n 3 "$log"
done
