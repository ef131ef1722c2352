#include "platform/display.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace orbigolf::platform {

Display::~Display() {
    if (initialized_ && presenter_) presenter_->endMode();
}

void Display::setMode(int width, int height) {
    modeWidth_ = width;
    modeHeight_ = height;
}

void Display::setWaitVBlank(bool on) {
    waitVBlank_ = on;
    if (presenter_) presenter_->setVsync(on);
}

void Display::initialize() {
    if (initialized_) finalize();
    if (modeWidth_ < 1 || modeHeight_ < 1 || modeWidth_ > kMaxSize || modeHeight_ > kMaxSize) {
        throw DisplayError("Display mode " + std::to_string(modeWidth_) + "x" + std::to_string(modeHeight_) +
                           " is not supported");
    }
    if (presenter_) {
        presenter_->beginMode(modeWidth_, modeHeight_);
        presenter_->setVsync(waitVBlank_);
    }
    backBuffer_ = Surface(modeWidth_, modeHeight_);
    backBuffer_.setTransparent(false);
    backBuffer_.setTrackWrites(true);
    backdrop_.reset();
    initialized_ = true;
    if (OnInitialize) OnInitialize();
}

void Display::finalize() {
    if (!initialized_) return;
    if (OnFinalize) OnFinalize();
    if (presenter_) presenter_->endMode();
    backBuffer_ = Surface();
    backdrop_.reset();
    initialized_ = false;
}

Pixel565 Display::nativePixel(int r, int g, int b) {
    return toRgb565(static_cast<uint8_t>(std::clamp(r, 0, 255)), static_cast<uint8_t>(std::clamp(g, 0, 255)),
                    static_cast<uint8_t>(std::clamp(b, 0, 255)));
}

void Display::drawFrame(const Picture& picture, int index, int x, int y) {
    const Surface& source = picture.surface;
    const Rect r = picture.frameRect(index);
    const int w = backBuffer_.width(), h = backBuffer_.height();
    const bool covers = !source.transparent() && &source != &backBuffer_ && !r.empty() && x <= 0 && y <= 0 &&
                        int64_t{x} + r.w >= w && int64_t{y} + r.h >= h;
    if (!covers || !backBuffer_.tracksWrites()) {
        // What this writes is marked in the buffer's rows; the backdrop stays known.
        platform::drawFrame(backBuffer_, picture, index, x, y);
        return;
    }
    const Backdrop now{source.id(), source.version(), r.x - x, r.y - y};
    if (backdrop_ != now) {
        platform::drawFrame(backBuffer_, picture, index, x, y);
    } else {
        const size_t bytes = static_cast<size_t>(w) * sizeof(Pixel565);
        for (int row = 0; row < h; ++row) {
            if (!backBuffer_.rowWritten(row)) continue;
            std::memcpy(backBuffer_.row(row), source.row(now.y + row) + now.x, bytes);
        }
    }
    backBuffer_.clearWritten();
    backdrop_ = now;
}

void Display::flip() {
    if (!ready()) return;
    if (presenter_) presenter_->present(backBuffer_);
}

}  // namespace orbigolf::platform
