# What the end-to-end scripts share, sourced by them: a work folder with a demo player and settings,
# Xvfb on a free display, the real window on the player in Japanese, and helpers to find its windows.
# The script sets sorvo and make_player first; e2e_setup, then (after its own preparations in
# "$work") e2e_start.
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

e2e_setup() {
    "$make_player" "$work/player" >/dev/null || fail "demo player not written"
    printf '[Copyright]\r\nCopyright=1\r\n' > "$work/Velmor.INI"
    mkdir -p "$work/bin"
}

e2e_start() {
    # Xvfb picks a free display itself and writes its number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    local display
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
}

# Waits for a visible window whose title matches; prints its id.
window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1
}
