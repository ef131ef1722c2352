#include "platform/canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace orbigolf::platform {
namespace {

// Coordinates are 32-bit, so products of a step count and a delta need 66 bits.
__extension__ using Wide = __int128;

}  // namespace
void Canvas::lineTo(int x, int y) {
    const int64_t x0 = penX_;
    const int64_t y0 = penY_;
    penX_ = x;
    penY_ = y;
    const int64_t dx = static_cast<int64_t>(x) - x0;
    const int64_t dy = static_cast<int64_t>(y) - y0;
    const int64_t adx = std::llabs(dx);
    const int64_t ady = std::llabs(dy);
    const int64_t steps = std::max(adx, ady);  // pixels drawn: 0 .. steps-1
    if (steps == 0) return;
    const bool xMajor = adx >= ady;
    const int64_t major0 = xMajor ? x0 : y0;
    const int64_t minor0 = xMajor ? y0 : x0;
    const int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t minorMagnitude = std::llabs(minorDelta);
    const int64_t minorSign = minorDelta < 0 ? -1 : 1;
    const int64_t majorLimit = xMajor ? surface_->width() : surface_->height();
    const int64_t minorLimit = xMajor ? surface_->height() : surface_->width();

    // Steps whose major coordinate lies on the surface; a line far outside costs nothing.
    int64_t first = 0;
    int64_t last = steps - 1;
    if (majorStep > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorLimit - 1 - major0);
    } else {
        first = std::max(first, major0 - (majorLimit - 1));
        last = std::min(last, major0);
    }
    const Pixel565 colour = toRgb565(pen_);
    for (int64_t i = first; i <= last; ++i) {
        // Minor offset i * |delta| / steps rounded to nearest, halves away from the start,
        // so a line and its reverse cover the same pixels.
        const auto offset = static_cast<int64_t>((Wide{2} * i * minorMagnitude + steps) / (Wide{2} * steps));
        const int64_t minor = minor0 + minorSign * offset;
        if (minor < 0 || minor >= minorLimit) continue;
        const int64_t major = major0 + majorStep * i;
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        surface_->row(py)[px] = colour;
    }
}

}  // namespace orbigolf::platform
