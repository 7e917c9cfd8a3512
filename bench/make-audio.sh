#!/usr/bin/env bash
# Makes the benchmark's music folder: 2,000 short audio files with tags, written by ffmpeg.
#   bash bench/make-audio.sh OUTDIR
# Mix: 600 MP3 with ID3v2.3, 200 MP3 with ID3v2.4, 300 MP3 with ID3v1 only, 200 MP3 with ID3v2.3
# and ID3v1, 400 MPEG-4 audio (M4A brand), 300 WMA. Needs ffmpeg (Debian package ffmpeg).
set -euo pipefail
out=${1:?usage: make-audio.sh OUTDIR}
command -v ffmpeg >/dev/null || { echo "ffmpeg is missing: apt-get install ffmpeg" >&2; exit 1; }
mkdir -p "$out/base"
ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }

# Eight seconds of a two-tone signal, encoded once per format.
src=(-f lavfi -i "sine=frequency=440:duration=8" -f lavfi -i "sine=frequency=660:duration=8"
     -filter_complex "[0:a][1:a]amerge=inputs=2[a]" -map "[a]" -ar 44100)
[ -f "$out/base/cbr.mp3" ] || ff "${src[@]}" -c:a libmp3lame -b:a 128k -id3v2_version 0 "$out/base/cbr.mp3"
[ -f "$out/base/vbr.mp3" ] || ff "${src[@]}" -c:a libmp3lame -q:a 4 -id3v2_version 0 "$out/base/vbr.mp3"
[ -f "$out/base/aac.m4a" ] || ff "${src[@]}" -c:a aac -b:a 128k -f ipod "$out/base/aac.m4a"
[ -f "$out/base/wma.wma" ] || ff "${src[@]}" -c:a wmav2 -b:a 128k "$out/base/wma.wma"

artists=("山田太郎" "The Testers" "Café Ensemble" "鈴木花子とバンド" "Nordic Lights")
genres=("Pop" "Rock" "Jazz" "Classical" "J-Pop")

# One ffmpeg run writes a batch of files: starting ffmpeg costs more than writing a file.
batch=()
flush() {
  [ ${#batch[@]} -eq 0 ] && return 0
  ff -i "$out/base/$base" "${batch[@]}"
  batch=()
}
kind_of() { # number -> base file and muxer options
  local i=$1
  if   [ "$i" -le 600 ];  then echo "cbr.mp3 mp3 -id3v2_version 3"
  elif [ "$i" -le 800 ];  then echo "vbr.mp3 mp3 -id3v2_version 4"
  elif [ "$i" -le 1100 ]; then echo "cbr.mp3 mp3 -id3v2_version 0 -write_id3v1 1"
  elif [ "$i" -le 1300 ]; then echo "cbr.mp3 mp3 -id3v2_version 3 -write_id3v1 1"
  elif [ "$i" -le 1700 ]; then echo "aac.m4a m4a -f ipod"
  else                         echo "wma.wma wma"
  fi
}
base=""
for i in $(seq 1 2000); do
  read -r b ext opts <<<"$(kind_of "$i")"
  if [ "$b" != "$base" ] || [ ${#batch[@]} -gt 1500 ]; then
    flush
    base=$b
  fi
  d=$(printf '%s/music/%02d' "$out" $((i / 100)))
  mkdir -p "$d"
  [ -f "$d/$i.$ext" ] && continue
  title="曲 $i Song number $i"
  artist=${artists[$((i % 5))]}
  k=(title artist album genre date)
  # Without an ID3v2 tag ffmpeg's ID3v1 writer knows only the ID3v2 frame names, and ASCII texts.
  if [[ $opts == *"-id3v2_version 0"* ]]; then
    title="Song number $i"; artist="The Testers"; k=(TIT2 TPE1 TALB TCON TYER)
  fi
  # shellcheck disable=SC2206
  batch+=(-map 0 -c copy $opts
          -metadata "${k[0]}=$title" -metadata "${k[1]}=$artist"
          -metadata "${k[2]}=Album $((i / 20))" -metadata "${k[3]}=${genres[$((i % 5))]}"
          -metadata "${k[4]}=$((1990 + i % 30))" -metadata "comment=bench $i" "$d/$i.$ext")
done
flush
echo "$(find "$out/music" -type f | wc -l) files in $out/music"
