#!/usr/bin/env bash
# Starts sorvo on a demo player under Xvfb, opens the song tab (F2), checks every song (Ctrl+A), extracts
# them (F9) into a folder typed into the settings window, and compares the copies with the player's
# files byte for byte. Exit 77: Xvfb or xdotool is missing.
# Usage: extract_songs.sh SORVO MAKE_DEMO_PLAYER
set -uo pipefail
sorvo=$1
make_player=$2
source "$(dirname "$0")/session.sh"
e2e_setup
mkdir -p "$work/out"
# The folder is "opened" after the copy: record it instead of starting a file manager.
printf '#!/bin/sh\nprintf "%%s" "$1" > "%s/opened"\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
e2e_start

key() { xdotool key --clearmodifiers --window "$1" "$2"; sleep 0.3; }

main=$(window '^Sorvo') || true
[ -n "$main" ] || fail "the main window did not appear"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 1 # the recognition runs right after the window shows
key "$main" F2
# The song list is loaded inside the progress window; wait until it has gone.
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '音楽ファイルの一覧取得' >/dev/null 2>&1 || break
    sleep 0.1
done
key "$main" ctrl+a
key "$main" F9
settings=$(window '曲データの取り出し') || true
[ -n "$settings" ] || fail "the extraction settings window did not appear"
key "$settings" ctrl+a
xdotool type --delay 5 --window "$settings" "$work/out"
sleep 0.3
key "$settings" Return

# Every song of the player (not the videos) copied once, byte for byte.
expected=$(find "$work/player/iPod_Control/Music" -type f -name '*.mp3' -exec md5sum {} + | cut -d' ' -f1 | sort)
count=$(printf '%s\n' "$expected" | wc -l)
for _ in $(seq 150); do
    [ -e "$work/opened" ] && break
    sleep 0.1
done
[ -e "$work/opened" ] || fail "the copy did not finish (folder not opened)"
actual=$(find "$work/out" -type f -name '*.mp3' -exec md5sum {} + | cut -d' ' -f1 | sort)
[ "$(printf '%s\n' "$actual" | wc -l)" -eq "$count" ] || fail "expected $count copies, found: $(find "$work/out" -type f | wc -l)"
[ "$expected" = "$actual" ] || fail "the copies differ from the player's files"
[ "$(cat "$work/opened")" = "file://$work/out/" ] || [ "$(cat "$work/opened")" = "$work/out/" ] ||
    fail "opened $(cat "$work/opened") instead of the destination folder"
echo "PASS: $count songs copied"
exit 0
