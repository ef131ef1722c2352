#!/usr/bin/env bash
# Plays the whole program in a real SDL window on a virtual X display as a player would:
# end the intro with a key, open "Start Game" on the launch pad's picture menu and start a
# one-player game with real clicks, make a putt, leave the game with Escape and Enter,
# choose Exit on the menu and confirm, and end the closing screen with a key. The run is
# recorded; the settings file and a headless playback of the recording are then checked.
# Usage: real_program_test.sh ORBIGOLF DATADIR
set -euo pipefail
bin=$1
data=$2
work=$(mktemp -d)
[ -n "${KEEP_WORK:-}" ] && echo "work folder: $work"
prog=""
xvfb=""
cleanup() {
    [ -n "$prog" ] && kill "$prog" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/virtual_display.sh"
fail() { echo "real program test: $*" >&2; exit 1; }
num() { grep -o "\"$1\":-\\?[0-9.e+-]*" "$2" | head -1 | cut -d: -f2; }

start_virtual_display 1280x1024

# The X and D-Bus client libraries keep allocations until exit; the sanitizer's leak check
# would count them against the program (the headless runs below keep it).
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    "$bin" --windowed --data "$data" --settings "$work/settings.reg" --record "$work/run.replay" \
    --trace "$work/trace.jsonl" &
prog=$!

wid=$(window "Orbigolf Demo") || fail "no window titled Orbigolf Demo (the intro)"
# The intro waits 1.5 s before its first movie; a key then ends it at once.
sleep 2.5
xdotool key --window "$wid" space
wid=$(window "Orbigolf Demo LaunchPad") || fail "the intro did not give way to the launch pad"
sleep 1
geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }
geometry
# Mode pixels to window pixels: the window shows the 640 x 480 mode scaled by a whole factor.
wx() { echo $(($1 * WIDTH / 640)); }
wy() { echo $(($1 * HEIGHT / 480)); }
move() { xdotool mousemove --window "$wid" "$(wx "$1")" "$(wy "$2")"; sleep 0.2; }
click() { move "$1" "$2"; xdotool click 1; sleep "${3:-1}"; }

# The menu picture's "start game" spot, then "Start Game" on the start panel.
move 270 260
click 276 266 2
click 203 300 1
wid=$(window "Orbigolf Demo") || fail "no game screen after Start Game"
geometry
# The first hole loads after the window opens.
sleep 4
click 320 400 1
# A press that arrives before the window has the pointer's focus can be lost; a second
# click in play, away from the ball and the panel, does nothing.
click 320 410 3
# Where the ball lies on screen: the game's trace, one line a tick, tells it. The game's
# seed, and with it the tee, is drawn when the game starts. The last line may still be
# partly written, so an earlier one is read (the ball lies still meanwhile).
tail -n 3 "$work/trace.jsonl" | head -n 1 >"$work/now.json"
sx=$(num scrollX "$work/now.json")
sy=$(num scrollY "$work/now.json")
bx=$(printf '%.0f' "$(num x "$work/now.json")")
by=$(printf '%.0f' "$(num y "$work/now.json")")
[ -n "$sx" ] && [ -n "$bx" ] || fail "the trace does not show the ball"
ballX=$((bx - sx))
ballY=$((by - sy))
move "$ballX" "$ballY"
xdotool mousedown 1
sleep 0.5
# The game parked the pointer at the screen centre; pull straight down by 100 pixels.
move 320 340
move 320 380
xdotool mouseup 1
sleep 4
xdotool key Escape
sleep 0.3
xdotool key Return
wid=$(window "Orbigolf Demo LaunchPad") || fail "the launch pad did not come back after the game"
sleep 2
geometry
# The "exit" spot, then "Exit" on the quit panel, then a key on the closing screen.
move 340 280
click 343 286 2
click 371 255 2
xdotool key space
for _ in $(seq 100); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$prog" 2>/dev/null; then fail "the program did not end after Exit and a key"; fi
wait "$prog" || fail "the program ended with an error"
prog=""

grep -q '"RunOnce"=dword:00000001' "$work/settings.reg" || fail "starting the game did not save the settings"
grep -q '"Player 1"="Player 1"' "$work/settings.reg" || fail "the player's name was not saved"

"$bin" --data "$data" --replay "$work/run.replay" --headless --summary "$work/summary.json"
summary=$(cat "$work/summary.json")
echo "$summary"
grep -q '"games":1' <<<"$summary" || fail "the replay did not play one game"
grep -q '"ended":true' <<<"$summary" || fail "the replay did not end the program"
grep -q '"strokes":1' <<<"$summary" || fail "no stroke was counted"
grep -q '"closed":true' <<<"$summary" || fail "the replay did not close the game"
echo "real program test: passed"
