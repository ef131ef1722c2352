#!/usr/bin/env bash
# Full screen on desktops of two sizes, in a real SDL window on a virtual X display with no
# window manager: the window must cover the desktop, and clicks must land where things are
# drawn. The launch pad's 640 x 480 interface and the game's 640 x 480 picture are scaled
# by the largest whole factor that fits and centred. A click on the picture menu's "start
# game" spot must open the start panel ("Start Game" then starts a game), and a click on
# the game panel's sound button must switch the sound off, as a headless playback of the
# run's recording shows.
# Usage: full_screen_test.sh ORBIGOLF DATADIR
set -euo pipefail
bin=$1
data=$2
work=$(mktemp -d)
[ -n "${KEEP_WORK:-}" ] && echo "work folder: $work"
prog=""
xvfb=""
stop() {
    [ -n "$prog" ] && kill "$prog" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    [ -n "$prog" ] && wait "$prog" 2>/dev/null || true
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null || true
    prog=""
    xvfb=""
}
cleanup() {
    stop
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/virtual_display.sh"
fail() { echo "full screen test ($size): $*" >&2; exit 1; }


play_on() {
    size=$1
    local w=${size%x*} h=${size#*x}
    start_virtual_display "$size"

    local run="$work/$size"
    mkdir -p "$run"
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
        "$bin" --skip-intro --data "$data" --settings "$run/settings.reg" --record "$run/run.replay" &
    prog=$!

    local wid
    wid=$(window "Orbigolf Demo LaunchPad") || fail "no launch pad window"
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$WIDTH" = "$w" ] && [ "$HEIGHT" = "$h" ] || fail "the window is ${WIDTH}x${HEIGHT}, not the desktop's ${size}"

    # Mode pixel (x, y) of a 640 x 480 picture to a desktop pixel at the centre of where it
    # is drawn.
    local f=$((w / 640 < h / 480 ? w / 640 : h / 480))
    local ox=$(((w - 640 * f) / 2)) oy=$(((h - 480 * f) / 2))
    at() { echo $((ox + $1 * f + f / 2)) $((oy + $2 * f + f / 2)); }
    # shellcheck disable=SC2046
    move() { xdotool mousemove $(at "$1" "$2"); sleep 0.2; }
    click() { move "$1" "$2"; xdotool click 1; sleep "${3:-1}"; }

    # The "start game" spot, then the start panel's "Start Game".
    move 270 260
    click 276 266 2
    click 203 300 1
    window "Orbigolf Demo" >/dev/null || fail "the start spot or Start Game missed: no game screen"
    # The first hole loads, the view glides to the ball; a click ends the hole card.
    sleep 4
    click 320 400 1
    click 320 410 1
    # The panel's sound button.
    click 72 87 1
    xdotool key Escape
    sleep 0.3
    xdotool key Return
    window "Orbigolf Demo LaunchPad" >/dev/null || fail "the launch pad did not come back after the game"
    sleep 1.5
    # "exit" on the menu, "Exit" on the quit panel, a key on the closing screen.
    move 340 280
    click 343 286 2
    click 371 255 2
    xdotool key space
    for _ in $(seq 100); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$prog" 2>/dev/null && fail "the program did not end after Exit"
    wait "$prog" || fail "the program ended with an error"
    prog=""
    stop

    grep -q "^screen $w $h\$" "$run/run.replay" || fail "the recording does not give the desktop's size"
    "$bin" --data "$data" --replay "$run/run.replay" --headless --summary "$run/summary.json"
    local summary
    summary=$(cat "$run/summary.json")
    grep -q '"games":1' <<<"$summary" || fail "the replay did not play one game: $summary"
    grep -q '"soundOn":false' <<<"$summary" || fail "the click on the sound button missed: $summary"
    echo "full screen test ($size): passed"
}

play_on 1024x768
play_on 1920x1080
