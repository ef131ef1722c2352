#!/usr/bin/env bash
# The game opens SDL and FFmpeg's libraries only when it first needs them: they are not among
# the libraries it is linked against (which would load them at every start, headless runs
# included), and a headless run that shows the intro still plays the movies with them.
# Usage: libraries_on_demand_test.sh ORBIGOLF DATADIR
set -euo pipefail
bin=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "libraries on demand: $*" >&2; exit 1; }

needed=$(readelf -d "$bin" | grep NEEDED || true)
for lib in libavcodec libavformat libavutil libswscale libswresample libSDL2; do
    if grep -q "\[$lib" <<<"$needed"; then fail "$bin is linked against $lib"; fi
done

# Two seconds of the program: the first movie plays (the intro waits 1.5 s before it starts).
printf 'orbigolf-replay 2\ntime 2000\n' >"$work/intro.replay"
"$bin" --data "$data" --replay "$work/intro.replay" --headless --summary "$work/summary.json"
grep -q '"introShown": *true' "$work/summary.json" || fail "the intro was not shown: $(cat "$work/summary.json")"
grep -q '"errors": *\[\]' "$work/summary.json" || fail "the intro reported errors: $(cat "$work/summary.json")"
echo "libraries on demand: ok"
