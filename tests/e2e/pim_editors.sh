#!/usr/bin/env bash
# Starts sorvo on a demo player under Xvfb and uses the to-do and contact editors with the keyboard: Ctrl+N
# starts a task and Enter saves it; a new contact without a full name stays open with a warning, and is
# saved once the full name is typed. Exit 77: Xvfb or xdotool is missing.
# Usage: pim_editors.sh SORVO MAKE_DEMO_PLAYER
set -uo pipefail
sorvo=$1
make_player=$2
source "$(dirname "$0")/session.sh"
e2e_setup
e2e_start

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
