#include <algorithm>

#include "media/dib_internal.h"
#include "platform/surface.h"

namespace orbigolf::media::dib_detail {

template <typename Pixel>
void decodeRle(ByteView rle, int bits, int32_t width, int32_t height, const std::vector<Pixel>& palette,
               Pixel* out) {
    auto colour = [&](uint8_t index) { return index < palette.size() ? palette[index] : Pixel{0}; };
    std::fill(out, out + size_t(width) * size_t(height), colour(0));
    int64_t x = 0;
    int64_t row = 0;  // counted from the bottom
    size_t pos = 0;
    auto put = [&](uint8_t index) {
        if (x < width && row < height) {
            out[size_t(height - 1 - row) * size_t(width) + size_t(x)] = colour(index);
        }
        ++x;
    };
    while (pos + 2 <= rle.size() && row < height) {
        const uint8_t count = rle[pos];
        const uint8_t value = rle[pos + 1];
        pos += 2;
        if (count > 0) {
            // Encoded run: RLE4 alternates the two nibbles of the value.
            for (int i = 0; i < count; ++i) {
                put(bits == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
            }
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++row;
                break;
            case 1:  // end of bitmap
                return;
            case 2:  // delta
                if (pos + 2 > rle.size()) return;
                x += rle[pos];
                row += rle[pos + 1];
                pos += 2;
                break;
            default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
                const size_t n = value;
                const size_t bytes = bits == 8 ? n : (n + 1) / 2;
                if (pos + bytes > rle.size()) {
                    // Cut short: draw what is there, then stop.
                    for (size_t i = 0; i < n; ++i) {
                        size_t at = pos + (bits == 8 ? i : i / 2);
                        if (at >= rle.size()) return;
                        put(bits == 8 ? rle[at] : (i % 2 == 0 ? rle[at] >> 4 : rle[at] & 0x0F));
                    }
                    return;
                }
                for (size_t i = 0; i < n; ++i) {
                    uint8_t b = rle[pos + (bits == 8 ? i : i / 2)];
                    put(bits == 8 ? b : (i % 2 == 0 ? b >> 4 : b & 0x0F));
                }
                pos += bytes + (bytes & 1);
                break;
            }
        }
    }
}

template void decodeRle<Rgb>(ByteView, int, int32_t, int32_t, const std::vector<Rgb>&, Rgb*);
template void decodeRle<platform::Pixel565>(ByteView, int, int32_t, int32_t,
                                            const std::vector<platform::Pixel565>&, platform::Pixel565*);

}  // namespace orbigolf::media::dib_detail
