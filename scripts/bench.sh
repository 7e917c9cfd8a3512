#!/usr/bin/env bash
# Builds every benchmark (release) and runs them; the figures go to docs/performance.md by hand.
# Usage: scripts/bench.sh [runs] [songs]   (5 runs of each reader by default; "songs": only the song
# database section)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
only=${2:-}
build="$here/build/bench"
bash "$here/scripts/install-deps.sh" --bench
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DSORVO_BUILD_BENCH=ON -DSORVO_BUILD_TESTS=OFF -DSORVO_BUILD_GUI=OFF >/dev/null
targets=(bench_itunesdb)
[ "$only" = songs ] || targets+=(bench_tags bench_taglib_scan sorvo-cli bench_copy bench_export bench_memodivider)
grep -q bench_libgpod_parse "$build/build.ninja" && targets+=(bench_libgpod_parse)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

# Song database: 65,000 tracks, each reader in its own process, alternating, median time and
# largest peak resident size; once as iTunesDB and once in the compressed form of later players.
# Beside them the plain read of the same file (its bytes through one reused buffer, nothing kept),
# the floor any reader stands on, in a process like the reader's and timed the same way; and `cat` of
# the file to /dev/null, a whole process timed from outside.
"$build/bench/bench_itunesdb" write "$data" 65000
# The compressed player holds nothing else, so libgpod, given its root, reads just iTunesCDB.
cdb_root="$data/compressed"
mkdir -p "$cdb_root/iPod_Control/iTunes"
"$build/bench/bench_itunesdb" compress "$data/iPod_Control/iTunes/iTunesDB" "$cdb_root/iPod_Control/iTunes/iTunesCDB"
readers=(bench_itunesdb plain_read cat)
[ -x "$build/bench/bench_libgpod_parse" ] && readers+=(bench_libgpod_parse)
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
compare_song_readers() {
    local label=$1 db=$2 gpod_arg=$3 i reader line ms kib start
    echo "== song database ($label): 65,000 tracks, $(stat -c %s "$db") bytes, $runs runs each"
    declare -A times=() peaks=()
    for ((i = 0; i < runs; i++)); do
        for reader in "${readers[@]}"; do
            if [ "$reader" = bench_itunesdb ]; then
                line=$("$build/bench/bench_itunesdb" songs "$db")
            elif [ "$reader" = plain_read ]; then
                line=$("$build/bench/bench_itunesdb" read "$db")
            elif [ "$reader" = cat ]; then
                start=$(date +%s%N)
                cat "$db" >/dev/null
                line=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "cat ms=%.2f peak_kib=0", ns / 1e6 }')
            else
                line=$("$build/bench/bench_libgpod_parse" "$gpod_arg" 2>/dev/null)
            fi
            ms=$(sed -n 's/.* ms=\([0-9.]*\).*/\1/p' <<<"$line")
            kib=$(sed -n 's/.* peak_kib=\([0-9]*\).*/\1/p' <<<"$line")
            echo "   $line"
            times[$reader]+="$ms "
            peaks[$reader]=$(( ${peaks[$reader]:-0} > kib ? ${peaks[$reader]:-0} : kib ))
        done
    done
    for reader in "${readers[@]}"; do
        m=$(median <<<"${times[$reader]}")
        printf '%-22s median %8.1f ms   peak %7d KiB   (runs: %s)\n' "$reader" "$m" "${peaks[$reader]}" "${times[$reader]}"
    done
    a=$(median <<<"${times[bench_itunesdb]}")
    p=$(median <<<"${times[plain_read]}")
    c=$(median <<<"${times[cat]}")
    awk -v a="$a" -v p="$p" 'BEGIN { printf "time ratio sorvo/plain read: %.2f\n", a / p }'
    awk -v a="$a" -v c="$c" 'BEGIN { printf "time ratio sorvo/cat: %.2f\n", a / c }'
    if [ -n "${times[bench_libgpod_parse]:-}" ]; then
        b=$(median <<<"${times[bench_libgpod_parse]}")
        awk -v a="$a" -v b="$b" 'BEGIN { printf "time ratio sorvo/libgpod: %.2f\n", a / b }'
        awk -v a="${peaks[bench_itunesdb]}" -v b="${peaks[bench_libgpod_parse]}" \
            'BEGIN { printf "peak memory ratio sorvo/libgpod: %.2f\n", a / b }'
    fi
}
compare_song_readers iTunesDB "$data/iPod_Control/iTunes/iTunesDB" "$data/iPod_Control/iTunes/iTunesDB"
compare_song_readers "compressed iTunesCDB" "$cdb_root/iPod_Control/iTunes/iTunesCDB" "$cdb_root"
[ "$only" = songs ] && exit 0

echo "== thumbnails: 1,000 pictures, two thumbnails each"
for ((i = 0; i < 3; i++)); do
    "$build/bench/bench_itunesdb" thumbs "$data"
done

echo "== music folder scan against TagLib: 2,000 audio files, the readers in one process"
bash "$here/bench/make-audio.sh" "$data/audio" >/dev/null
"$build/bench/bench_tags" "$data/audio/music" 9
echo "== music folder scan against TagLib: 2,000 audio files, whole processes"
bash "$here/bench/scan-processes.sh" "$build" "$data/audio" 15

echo "== song copy against cp, photo export against ImageMagick"
"$build/bench/bench_copy"
"$build/bench/bench_export"

echo "== memo divider"
"$build/bench/bench_memodivider"

echo "== song tab: 65,000 songs, the real window and tab on the offscreen platform, 3 runs"
gui_build="$here/build/release"
(cd "$here" && cmake --preset release >/dev/null)
cmake --build "$gui_build" -j "$(nproc)" --target bench_songtab
"$gui_build/bench/bench_songtab" write "$data/songtab" 65000
for ((i = 0; i < 3; i++)); do
    "$gui_build/bench/bench_songtab" run "$data/songtab"
done

echo "== photo tab: 5,000 photos, grid filled, first screen of cells drawn, every cell drawn once, 3 runs"
cmake --build "$gui_build" -j "$(nproc)" --target bench_photogrid
"$gui_build/bench/bench_photogrid" write "$data/photos" 5000
for ((i = 0; i < 3; i++)); do
    "$gui_build/bench/bench_photogrid" grid "$data/photos"
done
