#!/usr/bin/env bash
# The platform seam: the game, the front end, the media readers and the platform layer's
# shared code include no system or browser header (POSIX, emscripten, SDL, FFmpeg); only
# the back ends under src/platform/{posix,sdl,web,movie} do, so that every build, the
# browser's included, gets the same code above them.
# Usage: seam_test.sh SOURCE_DIR
set -euo pipefail
src=$1/src
system='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(unistd|fcntl|dlfcn|pwd|grp|signal|pthread|dirent|poll|termios|spawn|syslog|sched|semaphore|netdb|emscripten|SDL|libav|libsw)[^>]*>|^[[:space:]]*#[[:space:]]*include[[:space:]]*<(sys|arpa|netinet|emscripten|SDL2|libavcodec|libavformat|libavutil|libswscale|libswresample)/'
found=$(grep -rEn --include='*.cpp' --include='*.h' "$system" \
            "$src/game" "$src/frontend" "$src/media" "$src"/platform/*.cpp "$src"/platform/*.h \
            "$src/platform/headless" || true)
if [ -n "$found" ]; then
    echo "platform seam: system headers above the back ends:" >&2
    echo "$found" >&2
    exit 1
fi
echo "platform seam: ok"
