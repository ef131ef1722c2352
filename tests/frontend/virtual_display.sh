# Sourced by the tests that drive the program's real window on a virtual X display.

# start_virtual_display WIDTHxHEIGHT: starts Xvfb on a display number the server picks
# itself (so that tests running side by side never race for one), sets $xvfb to its
# process and exports DISPLAY, with SDL's sound on its dummy driver. Needs $work.
start_virtual_display() {
    local chosen="$work/display.$1"
    rm -f "$chosen"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$chosen" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$chosen" ] && break; sleep 0.1; done
    [ -s "$chosen" ] || fail "the virtual display did not start"
    export DISPLAY=":$(head -1 "$chosen")" SDL_AUDIODRIVER=dummy
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

# window TITLE: waits up to 15 s for a window whose title is exactly TITLE and prints its id.
window() {
    local id=""
    for _ in $(seq 150); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
