#!/usr/bin/env bash
# The music folder scan as a user starts it: `sorvo-cli scan --json` against a plain TagLib program
# (bench_taglib_scan) on the same folder, each a whole process (start, read every file, print JSON),
# alternating, the median of the runs. Output goes to a file, as when the listing is saved.
#   bash bench/scan-processes.sh BUILD_DIR AUDIO_DIR [RUNS]
# BUILD_DIR holds src/cli/sorvo-cli and bench/bench_taglib_scan (a release build with
# SORVO_BUILD_BENCH=ON); AUDIO_DIR is the output folder of bench/make-audio.sh.
set -euo pipefail
build=${1:?usage: scan-processes.sh BUILD_DIR AUDIO_DIR [RUNS]}
audio=${2:?usage: scan-processes.sh BUILD_DIR AUDIO_DIR [RUNS]}
runs=${3:-15}
sorvo=("$build/src/cli/sorvo-cli" scan --drive "$audio" --music-folder music --json)
taglib=("$build/bench/bench_taglib_scan" "$audio/music")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

ms() { # command... -> wall time in milliseconds, output in $out/last.json
    local start=$EPOCHREALTIME
    "$@" >"$out/last.json"
    local end=$EPOCHREALTIME
    awk -v a="${start/,/.}" -v b="${end/,/.}" 'BEGIN { printf "%.1f", (b - a) * 1000 }'
}
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One warm-up run each: the files and programs are in the page cache for every timed run.
ms "${sorvo[@]}" >/dev/null
songs=$(grep -c '"title":' "$out/last.json")
ms "${taglib[@]}" >/dev/null
files=$(grep -c '"title":' "$out/last.json")

ours="" theirs=""
for ((i = 0; i < runs; i++)); do
    ours+="$(ms "${sorvo[@]}") "
    theirs+="$(ms "${taglib[@]}") "
done
a=$(median <<<"$ours")
b=$(median <<<"$theirs")
echo "files: $(find "$audio/music" -type f | wc -l), runs: $runs each, alternating"
printf 'sorvo-cli scan --json  median %7.1f ms  (%s songs listed; runs: %s)\n' "$a" "$songs" "$ours"
printf 'TagLib program         median %7.1f ms  (%s files listed; runs: %s)\n' "$b" "$files" "$theirs"
awk -v a="$a" -v b="$b" 'BEGIN { printf "whole-process ratio sorvo/TagLib: %.2f\n", a / b }'
