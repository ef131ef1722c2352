#include "platform/screen_layout.h"

#include <algorithm>
#include <cstdint>

namespace orbigolf::platform {

Rect fitMode(int windowWidth, int windowHeight, int modeWidth, int modeHeight) {
    if (windowWidth <= 0 || windowHeight <= 0 || modeWidth <= 0 || modeHeight <= 0) return Rect{};
    int w = 0;
    int h = 0;
    const int factor = std::min(windowWidth / modeWidth, windowHeight / modeHeight);
    if (factor >= 1) {
        w = modeWidth * factor;
        h = modeHeight * factor;
    } else if (static_cast<int64_t>(windowWidth) * modeHeight <= static_cast<int64_t>(windowHeight) * modeWidth) {
        w = windowWidth;
        h = static_cast<int>(static_cast<int64_t>(windowWidth) * modeHeight / modeWidth);
    } else {
        h = windowHeight;
        w = static_cast<int>(static_cast<int64_t>(windowHeight) * modeWidth / modeHeight);
    }
    return Rect{(windowWidth - w) / 2, (windowHeight - h) / 2, std::max(w, 1), std::max(h, 1)};
}

ModePoint windowToMode(int wx, int wy, const Rect& placed, int modeWidth, int modeHeight) {
    if (placed.empty() || modeWidth <= 0 || modeHeight <= 0) return ModePoint{};
    const int64_t x = (static_cast<int64_t>(wx) - placed.x) * modeWidth;
    const int64_t y = (static_cast<int64_t>(wy) - placed.y) * modeHeight;
    // Floor division, so points left of or above the picture do not round towards it.
    auto floorDiv = [](int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return ModePoint{static_cast<int>(std::clamp<int64_t>(floorDiv(x, placed.w), 0, modeWidth - 1)),
                     static_cast<int>(std::clamp<int64_t>(floorDiv(y, placed.h), 0, modeHeight - 1))};
}

ModePoint modeToWindow(int x, int y, const Rect& placed, int modeWidth, int modeHeight) {
    if (modeWidth <= 0 || modeHeight <= 0) return ModePoint{};
    const int64_t cx = (2 * static_cast<int64_t>(x) + 1) * placed.w / (2 * static_cast<int64_t>(modeWidth));
    const int64_t cy = (2 * static_cast<int64_t>(y) + 1) * placed.h / (2 * static_cast<int64_t>(modeHeight));
    return ModePoint{placed.x + static_cast<int>(cx), placed.y + static_cast<int>(cy)};
}

}  // namespace orbigolf::platform
