#include "frontend/widgets/paint.h"

#include <algorithm>

namespace orbigolf::widgets {

platform::Pixel565 pixelOf(uint32_t bgr) { return platform::toRgb565(platform::rgbFromColorRef(bgr)); }

platform::Rect intersect(const platform::Rect& a, const platform::Rect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    if (x1 <= x0 || y1 <= y0) return {x0, y0, 0, 0};
    return {x0, y0, x1 - x0, y1 - y0};
}

bool contains(const platform::Rect& r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; }

void fillRect(platform::Surface& s, const platform::Rect& r, uint32_t bgr, const platform::Rect& clip) {
    const platform::Rect a = intersect(intersect(r, clip), {0, 0, s.width(), s.height()});
    if (a.empty()) return;
    const platform::Pixel565 p = pixelOf(bgr);
    for (int y = a.y; y < a.y + a.h; ++y) {
        platform::Pixel565* row = s.row(y);
        std::fill(row + a.x, row + a.x + a.w, p);
    }
}

void putPixel(platform::Surface& s, int x, int y, uint32_t bgr, const platform::Rect& clip) {
    if (contains(clip, x, y)) s.setPixel(x, y, pixelOf(bgr));
}

void frameRect(platform::Surface& s, const platform::Rect& r, uint32_t bgr, const platform::Rect& clip) {
    if (r.empty()) return;
    fillRect(s, {r.x, r.y, r.w, 1}, bgr, clip);
    fillRect(s, {r.x, r.y + r.h - 1, r.w, 1}, bgr, clip);
    fillRect(s, {r.x, r.y, 1, r.h}, bgr, clip);
    fillRect(s, {r.x + r.w - 1, r.y, 1, r.h}, bgr, clip);
}

void dottedRect(platform::Surface& s, const platform::Rect& r, uint32_t bgr, const platform::Rect& clip) {
    if (r.empty()) return;
    const int x1 = r.x + r.w - 1, y1 = r.y + r.h - 1;
    // The dots keep one phase all round, as a pattern aligned to the form would.
    for (int x = r.x; x <= x1; ++x) {
        if (((x + r.y) & 1) == 0) putPixel(s, x, r.y, bgr, clip);
        if (((x + y1) & 1) == 0) putPixel(s, x, y1, bgr, clip);
    }
    for (int y = r.y + 1; y < y1; ++y) {
        if (((r.x + y) & 1) == 0) putPixel(s, r.x, y, bgr, clip);
        if (((x1 + y) & 1) == 0) putPixel(s, x1, y, bgr, clip);
    }
}

void arrowGlyph(platform::Surface& s, int cx, int top, int width, bool down, uint32_t bgr,
                const platform::Rect& clip) {
    const int rows = (width + 1) / 2;
    for (int i = 0; i < rows; ++i) {
        const int w = width - 2 * i;
        const int y = down ? top + i : top + rows - 1 - i;
        fillRect(s, {cx - w / 2, y, w, 1}, bgr, clip);
    }
}

}  // namespace orbigolf::widgets
