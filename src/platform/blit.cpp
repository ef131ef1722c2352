#include "platform/blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/blend_rows.h"
#include "platform/per_thread.h"

namespace orbigolf::platform {
namespace {

// Intersects `r` with 0..w x 0..h.
Rect clipTo(const Rect& r, int w, int h) {
    const int64_t x0 = std::max<int64_t>(r.x, 0);
    const int64_t y0 = std::max<int64_t>(r.y, 0);
    const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(r.x) + r.w, w);
    const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(r.y) + r.h, h);
    if (x1 <= x0 || y1 <= y0) return Rect{};
    return Rect{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};
}

void blendRow(BlendMode mode, Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    switch (mode) {
        case BlendMode::Add: return addRow(d, s, n, k, keyed, key);
        case BlendMode::Alpha: return alphaRow(d, s, n, k, keyed, key);
        case BlendMode::Subtract: return subtractRow(d, s, n, k, keyed, key);
    }
}

// Drawing a surface onto itself goes through a copy of the part drawn, so that
// overlapping source and destination rows cannot smear.
Surface partCopy(const Surface& source, const Rect& part) {
    Surface copy(part.w, part.h);
    for (int y = 0; y < part.h; ++y) {
        std::memcpy(copy.row(y), source.row(part.y + y) + part.x, static_cast<size_t>(part.w) * sizeof(Pixel565));
    }
    copy.setTransparent(source.transparent());
    copy.setTransparentColor(source.transparentColor());
    return copy;
}

}  // namespace

void blit(Surface& dst, const Surface& source, const Rect& src, int x, int y) {
    if (&dst == &source) {
        const Rect part = clipTo(src, source.width(), source.height());
        if (part.empty()) return;
        const int64_t px = static_cast<int64_t>(x) + part.x - src.x;
        const int64_t py = static_cast<int64_t>(y) + part.y - src.y;
        if (px >= dst.width() || py >= dst.height() || px + part.w <= 0 || py + part.h <= 0) return;
        const Surface copy = partCopy(source, part);
        blit(dst, copy, Rect{0, 0, part.w, part.h}, static_cast<int>(px), static_cast<int>(py));
        return;
    }
    const Rect s = clipTo(src, source.width(), source.height());
    if (s.empty()) return;
    // Where the clipped source part lands, then that clipped to the destination.
    const int64_t px = static_cast<int64_t>(x) + s.x - src.x;
    const int64_t py = static_cast<int64_t>(y) + s.y - src.y;
    const int64_t x0 = std::max<int64_t>(px, 0);
    const int64_t y0 = std::max<int64_t>(py, 0);
    const int64_t x1 = std::min<int64_t>(px + s.w, dst.width());
    const int64_t y1 = std::min<int64_t>(py + s.h, dst.height());
    if (x1 <= x0 || y1 <= y0) return;
    const int n = static_cast<int>(x1 - x0);
    const int sx = s.x + static_cast<int>(x0 - px);
    const int sy = s.y + static_cast<int>(y0 - py);
    const int rows = static_cast<int>(y1 - y0);
    if (!source.transparent()) {
        for (int row = 0; row < rows; ++row) {
            std::memcpy(dst.row(static_cast<int>(y0) + row) + x0, source.row(sy + row) + sx,
                        static_cast<size_t>(n) * sizeof(Pixel565));
        }
        return;
    }
    // Keyed: rows made of a few long runs are copied run by run; rows broken into many
    // short runs go through the vector select instead.
    const Pixel565 key = source.colorKey();
    const KeyRuns& runs = source.keyRuns();
    const int end = sx + n;
    for (int row = 0; row < rows; ++row) {
        Pixel565* d = dst.row(static_cast<int>(y0) + row) + x0;
        const Pixel565* p = source.row(sy + row);
        const size_t first = runs.rowStart[static_cast<size_t>(sy + row)];
        const size_t last = runs.rowStart[static_cast<size_t>(sy + row) + 1];
        if (last - first > static_cast<size_t>(n / 32 + 2)) {
            keyedCopyRow(d, p + sx, n, key);
            continue;
        }
        copyRuns(d, p, runs.runs.data() + first, last - first, sx, end);
    }
}

void blitBlended(Surface& dst, const Surface& source, const Rect& src, const Rect& dest, BlendMode mode,
                 int strength) {
    if (strength <= 0) return;
    if (&dst == &source) {
        const Rect part = clipTo(src, source.width(), source.height());
        if (part.empty()) return;
        const Surface copy = partCopy(source, part);
        blitBlended(dst, copy, Rect{0, 0, part.w, part.h}, dest, mode, strength);
        return;
    }
    const unsigned k = static_cast<unsigned>(std::min(strength, 255));
    const Rect s = clipTo(src, source.width(), source.height());
    if (s.empty() || dest.empty()) return;
    const Rect visible = clipTo(dest, dst.width(), dst.height());
    if (visible.empty()) return;

    const bool keyed = source.transparent();
    const Pixel565 key = source.colorKey();
    const int n = visible.w;
    const int64_t firstCol = static_cast<int64_t>(visible.x) - dest.x;
    const int64_t firstRow = static_cast<int64_t>(visible.y) - dest.y;

    if (dest.w == s.w && dest.h == s.h) {
        for (int row = 0; row < visible.h; ++row) {
            const Pixel565* p = source.row(s.y + static_cast<int>(firstRow) + row) + s.x + firstCol;
            blendRow(mode, dst.row(visible.y + row) + visible.x, p, n, k, keyed, key);
        }
        return;
    }

    // Nearest-pixel scaling: destination pixel j samples the source pixel under its
    // centre, (2j + 1) * sourceSize / (2 * destSize).
    ORBIGOLF_PER_THREAD std::vector<int> columns;
    ORBIGOLF_PER_THREAD std::vector<Pixel565> scaled;
    columns.resize(static_cast<size_t>(n));
    scaled.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int64_t j = firstCol + i;
        columns[static_cast<size_t>(i)] = s.x + static_cast<int>((2 * j + 1) * s.w / (2 * static_cast<int64_t>(dest.w)));
    }
    for (int row = 0; row < visible.h; ++row) {
        const int64_t j = firstRow + row;
        const int sy = s.y + static_cast<int>((2 * j + 1) * s.h / (2 * static_cast<int64_t>(dest.h)));
        const Pixel565* p = source.row(sy);
        for (int i = 0; i < n; ++i) scaled[static_cast<size_t>(i)] = p[columns[static_cast<size_t>(i)]];
        blendRow(mode, dst.row(visible.y + row) + visible.x, scaled.data(), n, k, keyed, key);
    }
}

void drawFrame(Surface& dst, const Picture& picture, int index, int x, int y) {
    const Rect r = picture.frameRect(index);
    if (r.empty()) return;
    blit(dst, picture.surface, r, x, y);
}

void drawFrameBlended(Surface& dst, const Picture& picture, int index, const Rect& dest, BlendMode mode,
                      int strength) {
    const Rect r = picture.frameRect(index);
    if (r.empty()) return;
    blitBlended(dst, picture.surface, r, dest, mode, strength);
}

void fillBlended(Surface& dst, const Rect& area, Pixel565 colour, int strength) {
    if (strength <= 0) return;
    const unsigned k = static_cast<unsigned>(std::min(strength, 255));
    const Rect visible = clipTo(area, dst.width(), dst.height());
    if (visible.empty()) return;
    for (int row = 0; row < visible.h; ++row) {
        alphaFillRow(dst.row(visible.y + row) + visible.x, visible.w, colour, k);
    }
}

}  // namespace orbigolf::platform
