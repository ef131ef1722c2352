#pragma once
// Reduces a picture to at most 256 colours (median cut over its colour histogram, every
// pixel mapped to the nearest palette colour) for the 8-bit pictures of the front end.

#include <cstdint>
#include <vector>

#include "media/dib.h"

namespace orbigolf::content {

struct IndexedPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<media::Rgb> palette;
    std::vector<uint8_t> indices;

    media::Bytes bmp() const { return media::encodeBmp8(width, height, palette, indices); }
};

IndexedPicture quantise(const media::Bitmap& picture, int maxColours = 256);

}  // namespace orbigolf::content
