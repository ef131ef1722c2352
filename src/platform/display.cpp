#include "platform/display.h"

#include <algorithm>
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
    initialized_ = true;
    if (OnInitialize) OnInitialize();
}

void Display::finalize() {
    if (!initialized_) return;
    if (OnFinalize) OnFinalize();
    if (presenter_) presenter_->endMode();
    backBuffer_ = Surface();
    initialized_ = false;
}

Pixel565 Display::nativePixel(int r, int g, int b) {
    return toRgb565(static_cast<uint8_t>(std::clamp(r, 0, 255)), static_cast<uint8_t>(std::clamp(g, 0, 255)),
                    static_cast<uint8_t>(std::clamp(b, 0, 255)));
}

void Display::flip() {
    if (!ready()) return;
    if (presenter_) presenter_->present(backBuffer_);
}

}  // namespace orbigolf::platform
