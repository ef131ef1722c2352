#include "finish.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace orbigolf::content {

namespace {

// 4 x 4 Bayer thresholds, 0..15.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int ditherLevel(double value, int bits, int x, int y, bool dither) {
    const int maxLevel = (1 << bits) - 1;
    const auto byte = static_cast<uint8_t>(std::clamp(std::nearbyint(value), 0.0, 255.0));
    const int exact = nearestLevel(byte, bits);
    if (!dither || widenLevel(exact, bits) == byte) return exact;
    const double scaled = value * maxLevel / 255.0;
    const double threshold = (kBayer[y & 3][x & 3] + 0.5) / 16.0;
    return std::clamp(static_cast<int>(std::floor(scaled + threshold)), 0, maxLevel);
}

}  // namespace

uint8_t widenLevel(int level, int bits) {
    return bits == 5 ? static_cast<uint8_t>((level << 3) | (level >> 2))
                     : static_cast<uint8_t>((level << 2) | (level >> 4));
}

int nearestLevel(uint8_t value, int bits) {
    const int maxLevel = (1 << bits) - 1;
    return static_cast<int>(std::nearbyint(value * maxLevel / 255.0));
}

media::Bitmap finishCanvas(const Canvas& canvas, const FinishOptions& options) {
    media::Bitmap out = media::makeBitmap(canvas.width(), canvas.height());
    cairo_surface_flush(canvas.surface());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const uint32_t p = canvas.argb(x, y);
            const int a = static_cast<int>(p >> 24);
            if (options.keyed && a < options.alphaCutoff) {
                out.pixel(x, y) = 0;
                continue;
            }
            const double rest = (255 - a) / 255.0;
            const double r = ((p >> 16) & 0xFF) + options.matte.r * 255.0 * rest;
            const double g = ((p >> 8) & 0xFF) + options.matte.g * 255.0 * rest;
            const double b = (p & 0xFF) + options.matte.b * 255.0 * rest;
            const int lr = ditherLevel(r, 5, x, y, options.dither);
            const int lg = ditherLevel(g, 6, x + 1, y + 2, options.dither);
            const int lb = ditherLevel(b, 5, x + 2, y + 1, options.dither);
            media::Rgb c =
                media::makeRgb(widenLevel(lr, 5), widenLevel(lg, 6), widenLevel(lb, 5));
            if (options.keyed && c == 0) c = kDarkestNonKey;
            out.pixel(x, y) = c;
        }
    }
    return out;
}

namespace {

// The sorted palette and indices when the bitmap has at most 256 colours.
bool palettise(const media::Bitmap& bitmap, std::vector<media::Rgb>& palette,
               std::vector<uint8_t>& indices) {
    std::map<media::Rgb, uint8_t> index;
    for (media::Rgb c : bitmap.pixels) {
        if (index.size() > 256) return false;
        index.emplace(c, 0);
    }
    if (index.size() > 256) return false;
    palette.clear();
    for (auto& [colour, i] : index) {
        i = static_cast<uint8_t>(palette.size());
        palette.push_back(colour);
    }
    indices.clear();
    indices.reserve(bitmap.pixels.size());
    for (media::Rgb c : bitmap.pixels) indices.push_back(index.at(c));
    return true;
}

}  // namespace

void storePicture(media::PictureListItem& item, const media::Bitmap& bitmap) {
    std::vector<media::Rgb> palette;
    std::vector<uint8_t> indices;
    if (palettise(bitmap, palette, indices))
        item.setDib8(bitmap.width, bitmap.height, palette, indices);
    else
        item.setDib565(bitmap);
}

media::Bytes encodeBmpFile(const media::Bitmap& bitmap) {
    std::vector<media::Rgb> palette;
    std::vector<uint8_t> indices;
    if (palettise(bitmap, palette, indices))
        return media::encodeBmp8(bitmap.width, bitmap.height, palette, indices);
    return media::encodeBmp24(bitmap);
}

media::Bitmap tileFrames(const std::vector<media::Bitmap>& frames, int columns) {
    if (frames.empty() || columns <= 0) throw std::invalid_argument("no frames to tile");
    const int w = frames.front().width;
    const int h = frames.front().height;
    const int rows = (static_cast<int>(frames.size()) + columns - 1) / columns;
    media::Bitmap out = media::makeBitmap(w * columns, h * rows);
    for (size_t i = 0; i < frames.size(); ++i) {
        const media::Bitmap& f = frames[i];
        if (f.width != w || f.height != h) throw std::invalid_argument("frames differ in size");
        const int ox = static_cast<int>(i) % columns * w;
        const int oy = static_cast<int>(i) / columns * h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.pixel(ox + x, oy + y) = f.pixel(x, y);
    }
    return out;
}

}  // namespace orbigolf::content
