// Flat push buttons and the speed button with its glyph.

#include "frontend/widgets/controls.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "platform/vk.h"

namespace orbigolf::widgets {

using platform::Rect;

namespace {

bool inside(const Control& c, int x, int y) { return x >= 0 && y >= 0 && x < c.Width && y < c.Height; }

// Face and frame shared by both kinds; returns whether it is drawn pressed in.
bool paintFace(const FlatButton& b, platform::Surface& target, const Rect& r, const Rect& clip, bool pressedIn) {
    fillRect(target, r, pressedIn ? clPressedFace : b.Color, clip);
    frameRect(target, r, (b.Default || b.Focused()) ? clDarkBorder : clBorder, clip);
    return pressedIn;
}

}  // namespace

FlatButton::FlatButton(std::string name) : Control(std::move(name)) {
    TabStop = true;
    Width = 75;
    Height = 25;
}

void FlatButton::Click() {
    if (OnClick) OnClick(*this);
}

void FlatButton::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const bool in = paintFace(*this, target, r, clip, pressed_ && over_);
    const int shift = in ? 1 : 0;
    const int x = r.x + (r.w - textWidth(Caption)) / 2 + shift;
    const int y = r.y + (r.h - fontLineHeight()) / 2 + shift;
    drawText(target, x, y, Caption, textColour(), clip);
    if (Focused()) dottedRect(target, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, clDarkBorder, clip);
}

void FlatButton::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    Control::mouseDown(button, x, y, shift);
    if (button != platform::MouseButton::Left) return;
    pressed_ = true;
    over_ = inside(*this, x, y);
    Invalidate();
}

void FlatButton::mouseMove(int x, int y, platform::ShiftState shift) {
    (void)shift;
    if (!pressed_) return;
    const bool now = inside(*this, x, y);
    if (now != over_) {
        over_ = now;
        Invalidate();
    }
}

void FlatButton::mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    if (button == platform::MouseButton::Left && pressed_) {
        pressed_ = false;
        over_ = false;
        Invalidate();
        // Released away from the button: the press is abandoned.
        if (inside(*this, x, y)) Click();
    }
    Control::mouseUp(button, x, y, shift);
}

bool FlatButton::keyDown(int key, platform::ShiftState shift) {
    (void)shift;
    if (key == platform::vk::VK_SPACE || key == platform::vk::VK_RETURN) {
        Click();
        return true;
    }
    return false;
}

// --- SpeedButton ---

SpeedButton::SpeedButton(std::string name) : FlatButton(std::move(name)) {
    TabStop = false;
    Width = 23;
    Height = 22;
}

void SpeedButton::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const bool in = paintFace(*this, target, r, clip, pressed_ && over_);
    const int shift = in ? 1 : 0;
    // Caption and glyph are centred together, the glyph to the right of the caption.
    constexpr int glyphW = 4, glyphH = 7, spacing = 4;
    const int textW = textWidth(Caption);
    const int total = textW + (Caption.empty() ? 0 : spacing) + glyphW;
    const int x = r.x + (r.w - total) / 2 + shift;
    const int y = r.y + (r.h - fontLineHeight()) / 2 + shift;
    drawText(target, x, y, Caption, textColour(), clip);
    // A small arrow pointing right.
    const int gx = x + total - glyphW;
    const int gy = r.y + (r.h - glyphH) / 2 + shift;
    const uint32_t glyphColour = enabledAll() ? clDarkBorder : clDisabledText;
    for (int i = 0; i < glyphW; ++i) fillRect(target, {gx + i, gy + i, 1, glyphH - 2 * i}, glyphColour, clip);
}

}  // namespace orbigolf::widgets
