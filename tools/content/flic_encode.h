#pragma once
// A FLIC writer, shaped like the files the animation packages of the period wrote: a 128-byte
// header, the first frame as a full palette plus a byte-run picture, every later frame as the
// difference from the one before (word line deltas for FLC, byte line deltas for FLI), and a
// closing ring frame that turns the last frame back into the first so players can loop
// without reading the first frame again. A frame whose delta would be larger than its byte
// run is stored as a byte run; a frame equal to the one before has no chunks.

#include <cstdint>
#include <vector>

#include "media/flic_chunks.h"
#include "media/media_error.h"

namespace orbigolf::content {

struct FlicMovie {
    int width = 0;   // FLC: even (word deltas cover pairs of pixels)
    int height = 0;
    bool fli = false;  // FLI: 64-level palette, byte deltas, speed in 1/70 s
    int speed = 0;     // FLC: milliseconds per frame; FLI: 1/70 s per frame
    media::FlicPalette palette{};
    std::vector<std::vector<uint8_t>> frames;  // width * height indexes each
};

// Throws std::invalid_argument for sizes the format cannot hold.
media::Bytes encodeFlic(const FlicMovie& movie);

}  // namespace orbigolf::content
