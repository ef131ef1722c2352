// The one-line edit: Windows-1252 text with caret, selection and horizontal scrolling.

#include <algorithm>
#include <cstdlib>

#include "frontend/widgets/controls.h"
#include "frontend/widgets/cp1252.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "frontend/widgets/widget_form.h"
#include "platform/vk.h"

namespace orbigolf::widgets {

using platform::Rect;

namespace {
constexpr int kMargin = 5;       // border and the gap before the text
constexpr uint64_t kBlinkMs = 530;
}  // namespace

Edit::Edit(std::string name) : Control(std::move(name)) {
    TabStop = true;
    Width = 121;
    Height = 21;
}

int Edit::SelStart() const { return std::min(caret_, anchor_); }
int Edit::SelLength() const { return std::abs(caret_ - anchor_); }

void Edit::SelectAll() {
    anchor_ = 0;
    caret_ = static_cast<int>(text_.size());
    scrollToCaret();
    Invalidate();
}

void Edit::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    caret_ = anchor_ = 0;
    scroll_ = 0;
    changed();
}

void Edit::changed() {
    blinkStart_ = form() != nullptr ? form()->nowMs() : 0;
    scrollToCaret();
    Invalidate();
    if (OnChange) OnChange(*this);
}

void Edit::scrollToCaret() {
    const int fieldW = std::max(1, Width - 2 * kMargin);
    const int caretX = textWidth(text_.substr(0, static_cast<size_t>(caret_)));
    if (caretX - scroll_ > fieldW - 1) scroll_ = caretX - fieldW + 1;
    if (caretX - scroll_ < 0) scroll_ = caretX;
    // No empty space is kept at the right end once the whole text fits again.
    const int total = textWidth(text_);
    if (scroll_ > 0 && total - scroll_ < fieldW - 1) scroll_ = std::max(0, total - fieldW + 1);
}

int Edit::charIndexAt(int x) const {
    const int target = x - kMargin + scroll_;
    int pos = 0;
    for (size_t i = 0; i < text_.size(); ++i) {
        const int w = charWidth(static_cast<unsigned char>(text_[i]));
        if (target < pos + w / 2 + (w % 2)) return static_cast<int>(i);
        pos += w;
    }
    return static_cast<int>(text_.size());
}

void Edit::moveCaret(int position, bool extend) {
    caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
    if (!extend) anchor_ = caret_;
    blinkStart_ = form() != nullptr ? form()->nowMs() : 0;
    scrollToCaret();
    Invalidate();
}

void Edit::deleteSelection() {
    const int start = SelStart();
    text_.erase(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
    caret_ = anchor_ = start;
}

bool Edit::caretShown(uint64_t nowMs) const {
    return nowMs < blinkStart_ || ((nowMs - blinkStart_) / kBlinkMs) % 2 == 0;
}

void Edit::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const bool enabled = enabledAll();
    fillRect(target, r, enabled ? clWhite : Color, clip);
    frameRect(target, r, clBorder, clip);
    const Rect field{r.x + kMargin - 1, r.y + 1, r.w - 2 * kMargin + 2, r.h - 2};
    const Rect textClip = intersect(clip, field);
    const int tx = r.x + kMargin - scroll_;
    const int ty = r.y + (r.h - fontLineHeight()) / 2;
    drawText(target, tx, ty, text_, textColour(), textClip);
    if (!Focused()) return;
    if (SelLength() > 0) {
        const int x0 = tx + textWidth(text_.substr(0, static_cast<size_t>(SelStart())));
        const std::string selected = text_.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()));
        fillRect(target, {x0, ty, textWidth(selected), fontLineHeight()}, clHighlight, textClip);
        drawText(target, x0, ty, selected, clHighlightText, textClip);
    }
    if (caretShown(form() != nullptr ? form()->nowMs() : 0)) {
        const int cx = tx + textWidth(text_.substr(0, static_cast<size_t>(caret_)));
        fillRect(target, {cx, ty, 1, fontLineHeight()}, clBlack, textClip);
    }
}

void Edit::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    Control::mouseDown(button, x, y, shift);
    if (button != platform::MouseButton::Left) return;
    // The second press of a double click selects the whole text.
    if ((shift & platform::ssDouble) != 0) {
        SelectAll();
        dragging_ = false;
        return;
    }
    moveCaret(charIndexAt(x), (shift & platform::ssShift) != 0);
    dragging_ = true;
}

void Edit::mouseMove(int x, int y, platform::ShiftState shift) {
    (void)y;
    (void)shift;
    if (dragging_) moveCaret(charIndexAt(x), true);
}

void Edit::mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    if (button == platform::MouseButton::Left) dragging_ = false;
    Control::mouseUp(button, x, y, shift);
}

bool Edit::keyDown(int key, platform::ShiftState shift) {
    namespace vk = platform::vk;
    const bool extend = (shift & platform::ssShift) != 0;
    const bool ctrl = (shift & platform::ssCtrl) != 0;
    const int length = static_cast<int>(text_.size());
    switch (key) {
        case vk::VK_LEFT:
            // Without Shift a selection collapses to its start.
            moveCaret(!extend && SelLength() > 0 ? SelStart() : caret_ - 1, extend);
            return true;
        case vk::VK_RIGHT:
            moveCaret(!extend && SelLength() > 0 ? SelStart() + SelLength() : caret_ + 1, extend);
            return true;
        case vk::VK_HOME: moveCaret(0, extend); return true;
        case vk::VK_END: moveCaret(length, extend); return true;
        case vk::VK_BACK:
            if (SelLength() > 0) {
                deleteSelection();
            } else if (caret_ > 0) {
                text_.erase(static_cast<size_t>(caret_ - 1), 1);
                caret_ = anchor_ = caret_ - 1;
            } else {
                return true;
            }
            changed();
            return true;
        case vk::VK_DELETE:
            if (SelLength() > 0) {
                deleteSelection();
            } else if (caret_ < length) {
                text_.erase(static_cast<size_t>(caret_), 1);
            } else {
                return true;
            }
            changed();
            return true;
        default: break;
    }
    if (ctrl && key == 'A') {
        SelectAll();
        return true;
    }
    return false;
}

bool Edit::keyPress(const std::string& text) {
    // Characters outside Windows-1252 (and control characters) are refused.
    const std::optional<unsigned char> c = utf8CharToCp1252(text);
    if (!c) return false;
    const int newLength = static_cast<int>(text_.size()) - SelLength() + 1;
    if (MaxLength > 0 && newLength > MaxLength) return true;
    deleteSelection();
    text_.insert(static_cast<size_t>(caret_), 1, static_cast<char>(*c));
    caret_ = anchor_ = caret_ + 1;
    changed();
    return true;
}

void Edit::focusChanged(bool focused) {
    dragging_ = false;
    // Reaching the edit selects its text, so typing replaces it; a press that gave the
    // focus then places the caret where it was made.
    if (focused) {
        SelectAll();
        blinkStart_ = form() != nullptr ? form()->nowMs() : 0;
    }
    Invalidate();
}

}  // namespace orbigolf::widgets
