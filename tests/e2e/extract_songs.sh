#!/usr/bin/env bash
# Starts sorvo on a demo player under Xvfb, opens the song tab (F2), checks every song (Ctrl+A), extracts
# them (F9) into a folder typed into the settings window, and compares the copies with the player's
# files byte for byte. Exit 77: Xvfb or xdotool is missing.
# Usage: extract_songs.sh SORVO MAKE_DEMO_PLAYER
set -uo pipefail
sorvo=$1
make_player=$2
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

work=$(mktemp -d)
xvfb_pid=""
sorvo_pid=""
cleanup() {
    [ -n "$sorvo_pid" ] && kill "$sorvo_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$make_player" "$work/player" >/dev/null || fail "demo player not written"
printf '[Copyright]\r\nCopyright=1\r\n' > "$work/Velmor.INI"
mkdir -p "$work/out" "$work/bin"
# The folder is "opened" after the copy: record it instead of starting a file manager.
printf '#!/bin/sh\nprintf "%%s" "$1" > "%s/opened"\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=$(head -n1 "$work/display" 2>/dev/null)
[ -n "$display" ] || fail "Xvfb did not start"
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"

# A runtime folder of its own: the single-instance lock must not meet other tests' windows.
mkdir -m 700 "$work/run"
export QT_QPA_PLATFORM=xcb PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/run"
"$sorvo" --lang ja --drive "$work/player" --settings "$work/Velmor.INI" >"$work/sorvo.log" 2>&1 &
sorvo_pid=$!

# Waits for a visible window whose title matches; prints its id.
window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1
}
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
