// The drop-down list: a closed box showing the selection with its arrow button, and the
// open list drawn over every other control.

#include <algorithm>
#include <cctype>

#include "frontend/widgets/controls.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "frontend/widgets/widget_form.h"
#include "platform/vk.h"

namespace orbigolf::widgets {

using platform::Rect;

namespace {
constexpr int kButtonWidth = 15;  // the arrow button inside the box's right edge
constexpr int kScrollWidth = 12;
constexpr int kTextGap = 3;  // between the selection's field (or a list row) and its text
int itemHeight() { return fontLineHeight(); }
}  // namespace

ComboBox::ComboBox(std::string name) : Control(std::move(name)) {
    TabStop = true;
    Width = 145;
    Height = 21;
}

void ComboBox::setItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < static_cast<int>(Items.size())) ? index : -1;
    Invalidate();
}

std::string ComboBox::Text() const {
    if (itemIndex_ < 0 || itemIndex_ >= static_cast<int>(Items.size())) return "";
    return Items[static_cast<size_t>(itemIndex_)];
}

int ComboBox::visibleRows() const {
    const int n = static_cast<int>(Items.size());
    return std::max(1, std::min(n, std::max(1, DropDownCount)));
}

bool ComboBox::hasScrollBar() const { return static_cast<int>(Items.size()) > visibleRows(); }

Rect ComboBox::listRect() const {
    const Rect r = screenRect();
    const int h = visibleRows() * itemHeight() + 2;
    Rect list{r.x, r.y + r.h, r.w, h};
    // Opens upwards when it would leave the form at the bottom.
    if (const WidgetForm* f = form(); f != nullptr && list.y + list.h > f->Height && r.y - h >= 0) list.y = r.y - h;
    return list;
}

bool ComboBox::overlayRect(Rect& formRect) const {
    if (!dropped_) return false;
    formRect = listRect();
    return true;
}

int ComboBox::itemAt(int fx, int fy) const {
    const Rect list = listRect();
    const int rowsRight = list.x + list.w - 1 - (hasScrollBar() ? kScrollWidth : 0);
    if (fx < list.x + 1 || fx >= rowsRight || fy < list.y + 1 || fy >= list.y + list.h - 1) return -1;
    const int index = topRow_ + (fy - list.y - 1) / itemHeight();
    return index < static_cast<int>(Items.size()) ? index : -1;
}

void ComboBox::setHot(int index) {
    const int n = static_cast<int>(Items.size());
    if (n == 0) return;
    hot_ = std::clamp(index, 0, n - 1);
    if (hot_ < topRow_) topRow_ = hot_;
    if (hot_ >= topRow_ + visibleRows()) topRow_ = hot_ - visibleRows() + 1;
    Invalidate();
}

void ComboBox::setDroppedDown(bool open) {
    if (open == dropped_) return;
    dropped_ = open;
    tracking_ = false;
    if (open) {
        topRow_ = 0;
        hot_ = -1;
        if (itemIndex_ >= 0) setHot(itemIndex_);
    }
    Invalidate();
}

void ComboBox::choose(int index) {
    setDroppedDown(false);
    if (index < 0 || index >= static_cast<int>(Items.size()) || index == itemIndex_) return;
    itemIndex_ = index;
    Invalidate();
    if (OnChange) OnChange(*this);
}

void ComboBox::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const bool enabled = enabledAll();
    fillRect(target, r, enabled ? clWhite : Color, clip);
    frameRect(target, r, clBorder, clip);
    // Arrow button.
    const Rect button{r.x + r.w - 1 - kButtonWidth, r.y + 1, kButtonWidth, r.h - 2};
    fillRect(target, button, dropped_ ? clPressedFace : Color, clip);
    fillRect(target, {button.x, button.y, 1, button.h}, clBorder, clip);
    arrowGlyph(target, button.x + button.w / 2 + 1, button.y + (button.h - 4) / 2, 7, true,
               enabled ? clDarkBorder : clDisabledText, clip);
    // The selection, highlighted while the closed box has the focus.
    const Rect field{r.x + 2, r.y + 2, button.x - r.x - 3, r.h - 4};
    const Rect textClip = intersect(clip, field);
    const int ty = r.y + (r.h - fontLineHeight()) / 2;
    if (Focused() && !dropped_) {
        fillRect(target, field, clHighlight, clip);
        drawText(target, field.x + kTextGap, ty, Text(), clHighlightText, textClip);
        dottedRect(target, field, clHighlightText, clip);
    } else {
        drawText(target, field.x + kTextGap, ty, Text(), textColour(), textClip);
    }
}

void ComboBox::paintOverlay(platform::Surface& target, const Rect& clip) {
    if (!dropped_) return;
    const Rect list = listRect();
    fillRect(target, list, clWhite, clip);
    frameRect(target, list, clDarkBorder, clip);
    const int rowsW = list.w - 2 - (hasScrollBar() ? kScrollWidth : 0);
    const Rect rowsClip = intersect(clip, {list.x + 1, list.y + 1, rowsW, list.h - 2});
    for (int row = 0; row < visibleRows(); ++row) {
        const int index = topRow_ + row;
        if (index >= static_cast<int>(Items.size())) break;
        const Rect line{list.x + 1, list.y + 1 + row * itemHeight(), rowsW, itemHeight()};
        const bool hot = index == hot_;
        if (hot) fillRect(target, line, clHighlight, rowsClip);
        drawText(target, line.x + kTextGap, line.y, Items[static_cast<size_t>(index)], hot ? clHighlightText : textColour(),
                 rowsClip);
    }
    if (hasScrollBar()) {
        // Arrow boxes at both ends; the thumb shows the rows in view.
        const Rect bar{list.x + list.w - 1 - kScrollWidth, list.y + 1, kScrollWidth, list.h - 2};
        fillRect(target, bar, Color, clip);
        fillRect(target, {bar.x, bar.y, 1, bar.h}, clBorder, clip);
        const Rect up{bar.x, bar.y, bar.w, kScrollWidth}, down{bar.x, bar.y + bar.h - kScrollWidth, bar.w, kScrollWidth};
        frameRect(target, up, clBorder, clip);
        frameRect(target, down, clBorder, clip);
        arrowGlyph(target, up.x + up.w / 2, up.y + 4, 5, false, clDarkBorder, clip);
        arrowGlyph(target, down.x + down.w / 2, down.y + 5, 5, true, clDarkBorder, clip);
        const int track = bar.h - 2 * kScrollWidth;
        const int n = static_cast<int>(Items.size());
        if (track > 4) {
            const int thumbH = std::min(track, std::max(6, track * visibleRows() / n));
            const int thumbY = bar.y + kScrollWidth + (track - thumbH) * topRow_ / std::max(1, n - visibleRows());
            fillRect(target, {bar.x + 1, thumbY, bar.w - 1, thumbH}, clTabGrey, clip);
            frameRect(target, {bar.x, thumbY, bar.w, thumbH}, clBorder, clip);
        }
    }
}

void ComboBox::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    Control::mouseDown(button, x, y, shift);
    if (button != platform::MouseButton::Left) return;
    const Rect r = screenRect();
    const int fx = x + r.x, fy = y + r.y;
    if (dropped_ && contains(listRect(), fx, fy)) {
        const Rect list = listRect();
        if (hasScrollBar() && fx >= list.x + list.w - 1 - kScrollWidth) {
            // Arrow boxes scroll a row; the track above or below the middle a page.
            const int n = static_cast<int>(Items.size());
            int step = 1;
            if (fy >= list.y + 1 + kScrollWidth && fy < list.y + list.h - 1 - kScrollWidth) step = visibleRows();
            const bool upwards = fy < list.y + list.h / 2;
            topRow_ = std::clamp(topRow_ + (upwards ? -step : step), 0, n - visibleRows());
            Invalidate();
            return;
        }
        tracking_ = true;
        return;
    }
    if (x >= 0 && y >= 0 && x < Width && y < Height) {
        setDroppedDown(!dropped_);
        tracking_ = dropped_;
    }
}

void ComboBox::mouseMove(int x, int y, platform::ShiftState shift) {
    (void)shift;
    if (!dropped_) return;
    const Rect r = screenRect();
    const int index = itemAt(x + r.x, y + r.y);
    if (index >= 0 && index != hot_) setHot(index);
}

void ComboBox::mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    if (button == platform::MouseButton::Left && dropped_ && tracking_) {
        tracking_ = false;
        const Rect r = screenRect();
        // Released over a row (after a press on the box and a drag, or a press in the
        // list): that row is chosen. Released anywhere else the list stays open.
        const int index = itemAt(x + r.x, y + r.y);
        if (index >= 0) choose(index);
    }
    Control::mouseUp(button, x, y, shift);
}

bool ComboBox::keyDown(int key, platform::ShiftState shift) {
    namespace vk = platform::vk;
    const int n = static_cast<int>(Items.size());
    const bool alt = (shift & platform::ssAlt) != 0;
    if (key == vk::VK_F4 || (alt && (key == vk::VK_DOWN || key == vk::VK_UP))) {
        if (dropped_) choose(hot_);
        else setDroppedDown(true);
        return true;
    }
    if (dropped_ && (key == vk::VK_RETURN || key == vk::VK_ESCAPE)) {
        if (key == vk::VK_RETURN) choose(hot_);
        else setDroppedDown(false);
        return true;
    }
    const int page = std::max(1, visibleRows() - 1);
    const int from = dropped_ ? hot_ : itemIndex_;
    int to = 0;
    switch (key) {
        case vk::VK_UP:
        case vk::VK_LEFT: to = from < 0 ? 0 : from - 1; break;
        case vk::VK_DOWN:
        case vk::VK_RIGHT: to = from + 1; break;
        case vk::VK_HOME: to = 0; break;
        case vk::VK_END: to = n - 1; break;
        case vk::VK_PRIOR: to = from - page; break;
        case vk::VK_NEXT: to = from < 0 ? page : from + page; break;
        default: return false;
    }
    if (n == 0) return true;
    to = std::clamp(to, 0, n - 1);
    if (dropped_) setHot(to);
    else if (to != itemIndex_) choose(to);
    return true;
}

bool ComboBox::keyPress(const std::string& text) {
    // A typed letter selects the next item that starts with it.
    if (text.size() != 1 || Items.empty()) return false;
    const int ch = std::tolower(static_cast<unsigned char>(text[0]));
    const int n = static_cast<int>(Items.size());
    const int from = dropped_ ? hot_ : itemIndex_;
    for (int step = 1; step <= n; ++step) {
        const int i = ((from < 0 ? -1 : from) + step) % n;
        const std::string& item = Items[static_cast<size_t>(i)];
        if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) == ch) {
            if (dropped_) setHot(i);
            else choose(i);
            return true;
        }
    }
    return true;
}

void ComboBox::focusChanged(bool focused) {
    if (!focused) setDroppedDown(false);
    Invalidate();
}

}  // namespace orbigolf::widgets
