#!/usr/bin/env bash
# Starts sorvo on a demo player under Xvfb and uses the to-do and contact editors with the keyboard: Ctrl+N
# starts a task and Enter saves it; a new contact without a full name stays open with a warning, and is
# saved once the full name is typed. Exit 77: Xvfb or xdotool is missing.
# Usage: pim_editors.sh SORVO MAKE_DEMO_PLAYER
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
mkdir -p "$work/bin"

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
gone() {
    for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done
    return 1
}
key() { xdotool key --clearmodifiers "$2"; sleep 0.4; } # to the focused window, as a user types
focus() { sleep 0.3; xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3; }
type_in() { xdotool type --delay 20 "$2"; sleep 0.3; }

main=$(window '^Sorvo') || true
[ -n "$main" ] || fail "the main window did not appear"
focus "$main"
sleep 1 # the recognition runs right after the window shows

# A task: Ctrl+N in the to-do list, a title typed, Enter saves it.
key "$main" F7
key "$main" ctrl+n
todo=$(window '^ToDo編集') || true
[ -n "$todo" ] || fail "Ctrl+N opened no to-do editor"
focus "$todo"
type_in "$todo" "Buy milk"
key "$todo" Return
gone '^ToDo編集' || fail "Enter did not save the task"
grep -l 'SUMMARY:Buy milk' "$work/player/Calendars"/t*.ics >/dev/null 2>&1 || fail "the task was not written: $(cat "$work/player/Calendars"/t*.ics 2>&1)"

# A contact: only 名前 typed, OK warns and keeps the editor with what was typed.
focus "$main"
key "$main" F5
key "$main" ctrl+n
card=$(window '^連絡先の編集') || true
[ -n "$card" ] || fail "Ctrl+N opened no contact editor"
focus "$card"
key "$card" Return # the 名前 row
row=$(window ' の編集$') || true
[ -n "$row" ] || fail "Enter opened no input box for the row"
focus "$row"
type_in "$row" "Sato"
key "$row" Return
focus "$card"
key "$card" alt+o
warning=$(window '^Sorvo$') || true
[ -n "$warning" ] || fail "OK without a full name gave no warning"
focus "$warning"
key "$warning" Return
gone '^Sorvo$' || fail "the warning did not close"
xdotool search --onlyvisible --name '^連絡先の編集' >/dev/null 2>&1 || fail "the contact editor closed and lost the card"
focus "$card"
key "$card" Return # the full-name row, chosen by the warning
row=$(window ' の編集$') || true
[ -n "$row" ] || fail "Enter opened no input box for the full name"
focus "$row"
type_in "$row" "Sato Hanako"
key "$row" Return
focus "$card"
key "$card" alt+o
gone '^連絡先の編集' || fail "the contact editor did not close"
file="$work/player/Contacts/Sato Hanako.vcf"
[ -f "$file" ] || fail "the contact was not written"
grep -q '^N:Sato' "$file" && grep -q '^FN:Sato Hanako' "$file" || fail "the contact lost a field: $(cat "$file")"
echo "PASS: task and contact written"
exit 0
