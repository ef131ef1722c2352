#include "platform/headless/headless_window.h"

#include <algorithm>
#include <iostream>

namespace orbigolf::platform {

void HeadlessWindow::beginMode(int width, int height) {
    if (refuseModes_) {
        throw DisplayError("Display mode " + std::to_string(width) + "x" + std::to_string(height) +
                           " is not supported");
    }
    modeWidth_ = width;
    modeHeight_ = height;
    inMode_ = true;
}

void HeadlessWindow::endMode() { inMode_ = false; }

void HeadlessWindow::present(const Surface& backBuffer) {
    ++frameCount_;
    if (keepFrames_ == 0) return;
    if (frames_.size() == keepFrames_) {
        // Reuse the oldest frame's storage.
        Surface oldest = std::move(frames_.front());
        frames_.pop_front();
        oldest = backBuffer;
        frames_.push_back(std::move(oldest));
    } else {
        frames_.push_back(backBuffer);
    }
}

void HeadlessWindow::setKeepFrames(size_t keep) {
    keepFrames_ = keep;
    while (frames_.size() > keepFrames_) frames_.pop_front();
}

const Surface& HeadlessWindow::lastFrame() const {
    static const Surface none;
    return frames_.empty() ? none : frames_.back();
}

bool HeadlessWindow::pollEvent(InputEvent& event) {
    if (queue_.empty()) return false;
    event = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

void HeadlessWindow::waitEvent(int timeoutMs) {
    if (queue_.empty() && waitAdvances_ && timeoutMs > 0) now_ += static_cast<uint64_t>(timeoutMs);
}

ShiftState HeadlessWindow::buttonFlag(MouseButton button) {
    switch (button) {
        case MouseButton::Left: return ssLeft;
        case MouseButton::Right: return ssRight;
        case MouseButton::Middle: return ssMiddle;
    }
    return 0;
}

void HeadlessWindow::inject(const InputEvent& event) {
    using Type = InputEvent::Type;
    if (event.type == Type::MouseDown || event.type == Type::MouseUp || event.type == Type::MouseMove) {
        cursorX_ = event.x;
        cursorY_ = event.y;
    }
    queue_.push_back(event);
}

void HeadlessWindow::keyDown(int key, ShiftState shift) { inject(InputEvent::keyDown(key, shift)); }
void HeadlessWindow::keyUp(int key, ShiftState shift) { inject(InputEvent::keyUp(key, shift)); }

void HeadlessWindow::keyTap(int key, ShiftState shift) {
    keyDown(key, shift);
    keyUp(key, shift);
}

void HeadlessWindow::typeText(const std::string& text) {
    // One KeyPress per UTF-8 character.
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0) {
            n = 4;
        } else if (lead >= 0xE0) {
            n = 3;
        } else if (lead >= 0xC0) {
            n = 2;
        }
        n = std::min(n, text.size() - i);
        inject(InputEvent::keyPress(text.substr(i, n)));
        i += n;
    }
}

void HeadlessWindow::mouseMove(int x, int y, ShiftState shift) {
    inject(InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, x, y, shift | buttons_));
}

void HeadlessWindow::mouseDown(MouseButton button, int x, int y, ShiftState shift) {
    buttons_ |= buttonFlag(button);
    inject(InputEvent::mouse(InputEvent::Type::MouseDown, button, x, y, shift | buttons_));
}

void HeadlessWindow::mouseUp(MouseButton button, int x, int y, ShiftState shift) {
    buttons_ &= ~buttonFlag(button);
    inject(InputEvent::mouse(InputEvent::Type::MouseUp, button, x, y, shift | buttons_));
}

void HeadlessWindow::click(MouseButton button, int x, int y) {
    mouseDown(button, x, y);
    mouseUp(button, x, y);
}

void HeadlessWindow::doubleClick(int x, int y) {
    click(MouseButton::Left, x, y);
    buttons_ |= ssLeft;
    inject(InputEvent::mouse(InputEvent::Type::MouseDown, MouseButton::Left, x, y, buttons_, 2));
    mouseUp(MouseButton::Left, x, y);
}

void HeadlessWindow::requestClose() { inject(InputEvent::close()); }

void HeadlessWindow::setCursorPos(int x, int y) {
    cursorX_ = x;
    cursorY_ = y;
}

void HeadlessWindow::showError(const std::string& message) {
    errors_.push_back(message);
    std::cerr << message << '\n';
}

}  // namespace orbigolf::platform
