#!/usr/bin/env bash
# `cmake --install` of a build into a scratch prefix: the programs in bin/, the content set
# in share/orbigolf/, the desktop entry and the icons where a desktop looks for them, and an
# installed game that finds its data with no --data, also when started through a link.
# Usage: install_test.sh BUILDDIR SOURCEDIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed: $(cat "$work/install.log")"

for program in orbigolf orbigolf-sim orbigolf-assets; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done
extra=$(find "$prefix/bin" -mindepth 1 ! -name orbigolf ! -name orbigolf-sim ! -name orbigolf-assets)
[ -z "$extra" ] || fail "bin/ holds more than the programs: $extra"
for file in gui.dxg menu.dxg sound.dxw menu.dxw interface.flc; do
    [ -f "$prefix/share/orbigolf/$file" ] || fail "share/orbigolf/$file is missing"
done
[ -d "$prefix/share/orbigolf/textures" ] || fail "share/orbigolf/textures is missing"

desktop=$prefix/share/applications/orbigolf.desktop
[ -f "$desktop" ] || fail "share/applications/orbigolf.desktop is missing"
grep -qx 'Exec=orbigolf' "$desktop" || fail "the desktop entry does not start orbigolf"
grep -qx 'Icon=orbigolf' "$desktop" || fail "the desktop entry does not name the icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 48 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/orbigolf.png
    [ -f "$icon" ] || fail "the ${size}x${size} icon is missing"
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is $w x $h"
done

# One game screen and the start of the whole program (the intro's movie and the launch
# pad's files), from the share folder.
replay=$source/tests/game_screen/replays/card_and_exit.replay
mkdir -p "$work/link"
ln -s "$prefix/bin/orbigolf" "$work/link/orbigolf"
for game in "$prefix/bin/orbigolf" "$work/link/orbigolf"; do
    rm -f "$work/game.json"
    "$game" --replay "$replay" --headless --summary "$work/game.json" || fail "$game did not play the replay"
    grep -q '"holeName": *"course1hole1"' "$work/game.json" || fail "$game played another hole: $(cat "$work/game.json")"
done
printf 'orbigolf-replay 2\ntime 2000\n' >"$work/intro.replay"
"$prefix/bin/orbigolf" --replay "$work/intro.replay" --headless --summary "$work/intro.json" ||
    fail "the installed program did not start"
grep -q '"introShown": *true' "$work/intro.json" || fail "the intro was not shown: $(cat "$work/intro.json")"
grep -q '"errors": *\[\]' "$work/intro.json" || fail "the installed program reported errors: $(cat "$work/intro.json")"

# --data still decides where the data is.
mkdir -p "$work/empty"
if "$prefix/bin/orbigolf" --data "$work/empty" --replay "$replay" --headless --summary "$work/none.json" 2>/dev/null; then
    fail "a game started from an empty --data folder"
fi
echo "install: ok"
