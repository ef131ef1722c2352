#!/usr/bin/env bash
# Real runs of the program in an SDL window on a virtual X display, driven by xdotool and
# recorded; each recording must replay headlessly to the summary the run itself wrote at
# exit. The runs: a first run (no settings file) with the intro, a game ended by closing
# the window, a game with Alt+Enter, and a run started from a settings file with
# non-default choices. Closing the window is SDL's quit request, which SIGTERM also makes.
# Usage: recordings_replay_test.sh ORBIGOLF DATADIR
set -euo pipefail
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "recordings test skipped: $tool is not installed (scripts/setup installs it)"; exit 77; }
done
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
fail() { echo "recordings test: $*" >&2; exit 1; }

start_virtual_display 1280x1024

geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }
wx() { echo $(($1 * WIDTH / 640)); }
wy() { echo $(($1 * HEIGHT / 480)); }
move() { xdotool mousemove --window "$wid" "$(wx "$1")" "$(wy "$2")"; sleep 0.2; }
click() { move "$1" "$2"; xdotool click 1; sleep "${3:-1}"; }

# Starts a recorded run: start NAME [options...]
start() {
    run=$1
    shift
    # The X client libraries keep allocations until exit; the leak check would blame the program.
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
        "$bin" --windowed --data "$data" --record "$work/$run.replay" --summary "$work/$run.live.json" "$@" &
    prog=$!
}
# The launch pad's menu: the "start game" spot, then "Start Game" on its panel.
startGame() {
    wid=$(window "Orbigolf Demo LaunchPad") || fail "$run: no launch pad"
    sleep 1
    geometry
    move 270 260
    click 276 266 2
    click 203 300 1
    wid=$(window "Orbigolf Demo") || fail "$run: no game screen after Start Game"
    sleep 4
    geometry
}
leaveGame() {
    xdotool key Escape
    sleep 0.3
    xdotool key Return
    wid=$(window "Orbigolf Demo LaunchPad") || fail "$run: the launch pad did not come back"
    sleep 1
}
closeWindow() {
    kill -TERM "$prog"
    for _ in $(seq 100); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$prog" 2>/dev/null && fail "$run: the program did not end when its window was closed"
    wait "$prog" || fail "$run: the program ended with an error"
    prog=""
}
# The recording replays headlessly to the summary the run wrote: replays NAME [options...]
replays() {
    local name=$1
    shift
    "$bin" --data "$data" --replay "$work/$name.replay" --headless --summary "$work/$name.replay.json" "$@" \
        || fail "$name: the recording was refused"
    cmp -s "$work/$name.live.json" "$work/$name.replay.json" || {
        echo "live:   $(cat "$work/$name.live.json")" >&2
        echo "replay: $(cat "$work/$name.replay.json")" >&2
        fail "$name: the replay did not reach the run's summary"
    }
    echo "$name: $(cat "$work/$name.live.json")"
}

# 1. A first run with the intro: no settings file yet. The intro's movies play to their
#    end; a game is started (which saves the settings) and left; the window is closed on
#    the launch pad.
start first --settings "$work/settings.reg"
wid=$(window "Orbigolf Demo") || fail "first: no intro window"
sleep 25
# A key that the launch pad has no use for gives its window the focus.
xdotool key --window "$wid" shift
startGame
click 320 400 1
xdotool key shift
xdotool key comma
sleep 0.5
leaveGame
closeWindow
grep -q '"introShown":true' "$work/first.live.json" || fail "first: the intro was not shown"
grep -q '^settings defaults$' "$work/first.replay" || fail "first: the recording does not say it began from the defaults"
replays first

# 2. A game ended by closing the window.
start closed --skip-intro --settings "$work/settings.reg"
startGame
click 320 400 2
closeWindow
grep -q '"ended":true' "$work/closed.live.json" || fail "closed: the run did not end"
replays closed

# 3. A game with Alt+Enter, into full screen and back, then left as usual.
start altenter --skip-intro --settings "$work/settings.reg"
startGame
xdotool key alt+Return
sleep 1
xdotool key alt+Return
sleep 1
click 320 400 1
leaveGame
closeWindow
[ "$(grep -c '^fullscreen$' "$work/altenter.replay")" = 2 ] || fail "altenter: Alt+Enter was not recorded twice"
replays altenter

# 4. A run started from non-default settings: two players, 30 frames a second. The replay
#    is then played with the settings file changed back, and with no file at all.
sed -i 's/"Players"=dword:00000000/"Players"=dword:00000001/; s/"Frame Skip"=dword:00000000/"Frame Skip"=dword:00000001/' \
    "$work/settings.reg"
grep -q '"Players"=dword:00000001' "$work/settings.reg" || fail "the first run did not save the settings"
start stored --skip-intro --settings "$work/settings.reg"
startGame
click 320 400 2
closeWindow
grep -q '^setting Players=1$' "$work/stored.replay" || fail "stored: the settings are not in the recording"
replays stored
replays stored --settings "$work/other.reg"
grep -q '"Players"=dword:00000001' "$work/other.reg" || fail "stored: the replay did not save into its own settings file"
echo "recordings test: passed"
