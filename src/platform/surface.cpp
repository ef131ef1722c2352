#include "platform/surface.h"

#include <algorithm>

namespace orbigolf::platform {

Surface::Surface(int width, int height) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
}

Pixel565 Surface::pixel(int x, int y) const {
    if (!contains(x, y)) return 0;
    return row(y)[x];
}

void Surface::setPixel(int x, int y, Pixel565 p) {
    if (!contains(x, y)) return;
    row(y)[x] = p;
}

void Surface::fill(Pixel565 p) { std::fill(pixels_.begin(), pixels_.end(), p); }

void Surface::setTransparentColor(uint32_t colorRef) {
    transparentColor_ = colorRef;
    colorKey_ = toRgb565(rgbFromColorRef(colorRef));
}

}  // namespace orbigolf::platform
