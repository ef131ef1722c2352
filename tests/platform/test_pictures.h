#pragma once
// Small pictures and pixel helpers shared by the platform tests.

#include <cstdint>

#include "platform/frames.h"
#include "platform/surface.h"

namespace orbigolf::platform::testing {

constexpr Pixel565 px(unsigned r5, unsigned g6, unsigned b5) {
    return static_cast<Pixel565>((r5 << 11) | (g6 << 5) | b5);
}
constexpr unsigned r5(Pixel565 p) { return p >> 11; }
constexpr unsigned g6(Pixel565 p) { return (p >> 5) & 63u; }
constexpr unsigned b5(Pixel565 p) { return p & 31u; }

// A w x h picture whose pixel (x, y) is value(x, y); opaque unless keyed.
template <class F>
Picture makePicture(int w, int h, F value, bool transparent = false, uint32_t keyColorRef = 0) {
    Picture p;
    p.surface = Surface(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) p.surface.setPixel(x, y, value(x, y));
    }
    p.surface.setTransparent(transparent);
    p.surface.setTransparentColor(keyColorRef);
    return p;
}

inline Picture solidPicture(int w, int h, Pixel565 colour, bool transparent = false) {
    return makePicture(w, h, [&](int, int) { return colour; }, transparent);
}

// A distinct non-black value for each position (x, y < 32).
inline Pixel565 coordPixel(int x, int y) {
    return px(static_cast<unsigned>(x & 31), static_cast<unsigned>(y & 63), 1);
}

}  // namespace orbigolf::platform::testing
