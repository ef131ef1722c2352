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

void Surface::fill(Pixel565 p) {
    ++version_;
    std::fill(pixels_.begin(), pixels_.end(), p);
}

const KeyRuns& Surface::keyRuns() const {
    if (runs_ && runsVersion_ == version_ && runsKey_ == colorKey_) return *runs_;
    auto runs = std::make_shared<KeyRuns>();
    runs->rowStart.reserve(static_cast<size_t>(height_) + 1);
    for (int y = 0; y < height_; ++y) {
        runs->rowStart.push_back(runs->runs.size());
        const Pixel565* p = row(y);
        int x = 0;
        while (x < width_) {
            while (x < width_ && p[x] == colorKey_) ++x;
            const int start = x;
            while (x < width_ && p[x] != colorKey_) ++x;
            if (x > start) runs->runs.push_back(KeyRuns::Run{start, x - start});
        }
    }
    runs->rowStart.push_back(runs->runs.size());
    runs_ = std::move(runs);
    runsVersion_ = version_;
    runsKey_ = colorKey_;
    return *runs_;
}

void Surface::setTransparentColor(uint32_t colorRef) {
    transparentColor_ = colorRef;
    colorKey_ = toRgb565(rgbFromColorRef(colorRef));
}

}  // namespace orbigolf::platform
