// Tabs along the top of a page; the selected tab stands out from the page's face colour,
// the others are grey and a little lower.

#include <algorithm>

#include "frontend/widgets/controls.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "platform/vk.h"

namespace orbigolf::widgets {

using platform::Rect;

namespace {
constexpr int kTabPadding = 6;  // each side of a tab's caption
constexpr int kFirstTab = 2;    // gap before the first tab
}  // namespace

TabControl::TabControl(std::string name) : Control(std::move(name)) {
    TabStop = true;
    Width = 289;
    Height = 193;
}

int TabControl::tabHeight() { return fontLineHeight() + 5; }

void TabControl::setTabIndex(int index) {
    if (index < 0 || index >= static_cast<int>(Tabs.size())) return;
    tabIndex_ = index;
    Invalidate();
}

Rect TabControl::tabRect(int index) const {
    int x = kFirstTab;
    for (int i = 0; i < index && i < static_cast<int>(Tabs.size()); ++i)
        x += textWidth(Tabs[static_cast<size_t>(i)]) + 2 * kTabPadding;
    if (index < 0 || index >= static_cast<int>(Tabs.size())) return {x, 0, 0, 0};
    const int w = textWidth(Tabs[static_cast<size_t>(index)]) + 2 * kTabPadding;
    // The selected tab is raised and two pixels wider on each side.
    if (index == tabIndex_) return {x - 2, 0, w + 4, tabHeight() + 1};
    return {x, 2, w, tabHeight() - 2};
}

void TabControl::paint(platform::Surface& target, const Rect& clip) {
    const Rect r = screenRect();
    const int th = tabHeight();
    const Rect page{r.x, r.y + th, r.w, r.h - th};
    fillRect(target, page, Color, clip);
    frameRect(target, page, clBorder, clip);
    // Unselected tabs first, so the selected one overlaps its neighbours.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < static_cast<int>(Tabs.size()); ++i) {
            const bool selected = i == tabIndex_;
            if (selected != (pass == 1)) continue;
            const Rect t = tabRect(i);
            const Rect tab{r.x + t.x, r.y + t.y, t.w, t.h};
            fillRect(target, tab, selected ? Color : clTabGrey, clip);
            fillRect(target, {tab.x, tab.y, tab.w, 1}, clBorder, clip);
            fillRect(target, {tab.x, tab.y, 1, selected ? tab.h : tab.h + 1}, clBorder, clip);
            fillRect(target, {tab.x + tab.w - 1, tab.y, 1, selected ? tab.h : tab.h + 1}, clBorder, clip);
            const std::string& caption = Tabs[static_cast<size_t>(i)];
            const int tx = tab.x + (tab.w - textWidth(caption)) / 2;
            const int ty = tab.y + (tab.h - fontLineHeight()) / 2 + (selected ? 0 : 1);
            drawText(target, tx, ty, caption, textColour(), clip);
            if (selected && Focused())
                dottedRect(target, {tx - 2, ty - 1, textWidth(caption) + 4, fontLineHeight() + 2}, clDarkBorder, clip);
        }
    }
}

void TabControl::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    Control::mouseDown(button, x, y, shift);
    if (button != platform::MouseButton::Left) return;
    // The selected tab is drawn over its neighbours, so it is tested first.
    const Rect selected = tabRect(tabIndex_);
    if (contains(selected, x, y)) return;
    for (int i = 0; i < static_cast<int>(Tabs.size()); ++i) {
        if (!contains(tabRect(i), x, y)) continue;
        tabIndex_ = i;
        Invalidate();
        if (OnChange) OnChange(*this);
        return;
    }
}

bool TabControl::keyDown(int key, platform::ShiftState shift) {
    namespace vk = platform::vk;
    const int n = static_cast<int>(Tabs.size());
    if (n == 0) return false;
    int to = tabIndex_;
    if (key == vk::VK_TAB && (shift & platform::ssCtrl) != 0) {
        to = ((tabIndex_ + ((shift & platform::ssShift) != 0 ? -1 : 1)) % n + n) % n;
    } else if (key == vk::VK_LEFT || key == vk::VK_UP) {
        to = std::max(0, tabIndex_ - 1);
    } else if (key == vk::VK_RIGHT || key == vk::VK_DOWN) {
        to = std::min(n - 1, tabIndex_ + 1);
    } else {
        return false;
    }
    if (to != tabIndex_) {
        tabIndex_ = to;
        Invalidate();
        if (OnChange) OnChange(*this);
    }
    return true;
}

}  // namespace orbigolf::widgets
