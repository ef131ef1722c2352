#pragma once
// The pictures and sprite placements the drawing benchmarks share, so our drawing and
// SDL's draw exactly the same pixels.

#include <vector>

#include "platform/frames.h"

namespace orbigolf::bench {

inline constexpr int kScreenW = 1024;
inline constexpr int kScreenH = 768;
inline constexpr int kSprites = 50;

// A 1600 x 1200 opaque course picture.
platform::Picture coursePicture();
// A 280 x 100 panel with rounded, colour-keyed corners and cut-outs (magenta key).
platform::Picture panelPicture();
// A 64 x 64 round sprite on a colour-keyed background (magenta key).
platform::Picture spritePicture();
// A back buffer with some texture, so blends do not run on constant input.
std::vector<platform::Pixel565> backgroundPixels();

struct SpritePlacement {
    int x = 0;
    int y = 0;
};
// 50 places spread over the screen, some overlapping its edges.
std::vector<SpritePlacement> spritePlacements();

}  // namespace orbigolf::bench
