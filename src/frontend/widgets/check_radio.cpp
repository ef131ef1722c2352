// Check boxes and radio buttons: a small box or circle with the caption to its right.

#include <algorithm>

#include "frontend/widgets/controls.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "frontend/widgets/text_layout.h"
#include "platform/vk.h"

namespace orbigolf::widgets {

using platform::Rect;

namespace {

constexpr int kBox = 13;         // check box square
constexpr int kCircle = 12;      // radio circle
constexpr int kTextLeft = kMarkCaptionLeft;

bool inside(const Control& c, int x, int y) { return x >= 0 && y >= 0 && x < c.Width && y < c.Height; }

// The caption beside the mark, vertically centred; the focus rectangle surrounds it.
void paintCaption(const Control& c, platform::Surface& target, const Rect& r, const Rect& clip, bool wordWrap) {
    const int textW = std::max(1, r.w - kTextLeft);
    const auto lines = layoutLines(c.Caption, wordWrap, textW);
    const int h = fontLineHeight() * static_cast<int>(lines.size());
    int y = r.y + (r.h - h) / 2;
    int widest = 0;
    for (const auto& line : lines) {
        drawText(target, r.x + kTextLeft, y, line, c.textColour(), clip);
        widest = std::max(widest, textWidth(line));
        y += fontLineHeight();
    }
    if (c.Focused())
        dottedRect(target, {r.x + kTextLeft - 1, r.y + (r.h - h) / 2 - 1, widest + 2, h + 2}, clDarkBorder, clip);
}

// The classic tick, seven columns wide and three pixels thick, in a 13-pixel box.
void paintTick(platform::Surface& target, int bx, int by, uint32_t colour, const Rect& clip) {
    static constexpr int topOf[7] = {5, 6, 7, 6, 5, 4, 3};
    for (int i = 0; i < 7; ++i) fillRect(target, {bx + 3 + i, by + topOf[i], 1, 3}, colour, clip);
}

// A 12 x 12 circle: '#' the outline, '.' the inside.
constexpr const char* kCircleRows[kCircle] = {
    "    ####    ", "  ##....##  ", " #........# ", " #........# ", "#..........#", "#..........#",
    "#..........#", "#..........#", " #........# ", " #........# ", "  ##....##  ", "    ####    ",
};

void paintCircle(platform::Surface& target, int cx, int cy, uint32_t frame, uint32_t face, const Rect& clip) {
    for (int row = 0; row < kCircle; ++row)
        for (int col = 0; col < kCircle; ++col) {
            const char c = kCircleRows[row][col];
            if (c == '#') putPixel(target, cx + col, cy + row, frame, clip);
            if (c == '.') putPixel(target, cx + col, cy + row, face, clip);
        }
}

}  // namespace

// --- CheckBox ---

CheckBox::CheckBox(std::string name) : Control(std::move(name)) {
    TabStop = true;
    Width = 97;
    Height = 17;
}

void CheckBox::setChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    Invalidate();
    if (OnClick) OnClick(*this);
}

void CheckBox::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const int bx = r.x, by = r.y + (r.h - kBox) / 2;
    const uint32_t face = !enabledAll() ? Color : (pressed_ ? clPressedFace : clWhite);
    fillRect(target, {bx, by, kBox, kBox}, face, clip);
    frameRect(target, {bx, by, kBox, kBox}, clBorder, clip);
    if (checked_) paintTick(target, bx, by, enabledAll() ? clBlack : clDisabledText, clip);
    paintCaption(*this, target, r, clip, WordWrap);
}

void CheckBox::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    Control::mouseDown(button, x, y, shift);
    if (button != platform::MouseButton::Left) return;
    pressed_ = true;
    Invalidate();
}

void CheckBox::mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    if (button == platform::MouseButton::Left && pressed_) {
        pressed_ = false;
        Invalidate();
        if (inside(*this, x, y)) setChecked(!checked_);
    }
    Control::mouseUp(button, x, y, shift);
}

bool CheckBox::keyDown(int key, platform::ShiftState shift) {
    (void)shift;
    if (key != platform::vk::VK_SPACE) return false;
    setChecked(!checked_);
    return true;
}

// --- RadioButton ---

RadioButton::RadioButton(std::string name) : Control(std::move(name)) {
    TabStop = true;
    Width = 113;
    Height = 17;
}

void RadioButton::setChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    if (on && Parent() != nullptr) {
        for (const auto& sibling : Parent()->children()) {
            auto* radio = dynamic_cast<RadioButton*>(sibling.get());
            if (radio != nullptr && radio != this && radio->GroupIndex == GroupIndex) radio->checked_ = false;
        }
    }
    Invalidate();
    if (on && OnClick) OnClick(*this);
}

void RadioButton::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const int cx = r.x, cy = r.y + (r.h - kCircle) / 2;
    const uint32_t face = !enabledAll() ? Color : (pressed_ ? clPressedFace : clWhite);
    paintCircle(target, cx, cy, clBorder, face, clip);
    if (checked_) {
        const uint32_t dot = enabledAll() ? clBlack : clDisabledText;
        fillRect(target, {cx + 5, cy + 4, 2, 4}, dot, clip);
        fillRect(target, {cx + 4, cy + 5, 4, 2}, dot, clip);
    }
    paintCaption(*this, target, r, clip, false);
}

void RadioButton::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    Control::mouseDown(button, x, y, shift);
    if (button != platform::MouseButton::Left) return;
    pressed_ = true;
    Invalidate();
}

void RadioButton::mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    if (button == platform::MouseButton::Left && pressed_) {
        pressed_ = false;
        Invalidate();
        if (inside(*this, x, y)) setChecked(true);
    }
    Control::mouseUp(button, x, y, shift);
}

bool RadioButton::keyDown(int key, platform::ShiftState shift) {
    (void)shift;
    namespace vk = platform::vk;
    if (key == vk::VK_SPACE) {
        setChecked(true);
        return true;
    }
    const bool next = key == vk::VK_DOWN || key == vk::VK_RIGHT;
    const bool prev = key == vk::VK_UP || key == vk::VK_LEFT;
    if ((!next && !prev) || Parent() == nullptr) return false;
    // The group's buttons the user can reach, in their order on the parent.
    std::vector<RadioButton*> group;
    for (const auto& sibling : Parent()->children()) {
        auto* radio = dynamic_cast<RadioButton*>(sibling.get());
        if (radio != nullptr && radio->GroupIndex == GroupIndex && (radio == this || radio->CanFocus()))
            group.push_back(radio);
    }
    const auto self = std::find(group.begin(), group.end(), this);
    const int n = static_cast<int>(group.size());
    if (n < 2 || self == group.end()) return true;
    const int at = static_cast<int>(self - group.begin());
    RadioButton* target = group[static_cast<size_t>(((at + (next ? 1 : -1)) % n + n) % n)];
    target->SetFocus();
    target->setChecked(true);
    return true;
}

}  // namespace orbigolf::widgets
