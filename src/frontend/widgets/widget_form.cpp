// Input dispatch, focus, Tab order, dialog keys, hints and painting of a form's controls.
//
// Mouse: a left press focuses the control under the pointer (when it takes focus) and
// captures the mouse for it until the release, so a button pressed and released away
// from itself does nothing and a drag keeps going to the control it started on. Clicks
// are made by the controls from press and release; the event loop's Click and DblClick
// events are therefore not used (the second press of a double click arrives as a
// MouseDown with ssDouble, which an Edit takes as select-all). While a drop-down list is
// open every press goes to it first; a press outside it closes it and goes nowhere else.

#include "frontend/widgets/widget_form.h"

#include <algorithm>

#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "frontend/widgets/text_layout.h"
#include "platform/vk.h"

namespace orbigolf::widgets {

using platform::InputEvent;
using platform::Rect;

namespace {

constexpr uint64_t kHintPauseMs = 500;
constexpr uint64_t kHintHideMs = 2500;

Control* hitTest(Control& c, int x, int y) {
    const auto& kids = c.children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control& child = **it;
        if (!child.Visible || !child.Enabled) continue;
        if (!contains(child.screenRect(), x, y)) continue;
        return hitTest(child, x, y);
    }
    return &c;
}

Control* findByName(const Control& c, const std::string& name) {
    for (const auto& child : c.children()) {
        if (child->Name == name) return child.get();
        if (Control* found = findByName(*child, name)) return found;
    }
    return nullptr;
}

Control* findOverlay(const Control& c) {
    for (const auto& child : c.children()) {
        if (!child->Visible) continue;
        Rect r;
        if (child->overlayRect(r)) return child.get();
        if (Control* found = findOverlay(*child)) return found;
    }
    return nullptr;
}

// Siblings in Tab order: by TabOrder, ties in the order they were added.
std::vector<Control*> inTabOrder(const Control& parent) {
    std::vector<Control*> kids;
    for (const auto& child : parent.children()) kids.push_back(child.get());
    std::stable_sort(kids.begin(), kids.end(), [](const Control* a, const Control* b) { return a->TabOrder < b->TabOrder; });
    return kids;
}

// Of a radio group only the checked button is a Tab stop (the first one when none is
// checked); the arrow keys move within the group.
bool radioTabStop(const RadioButton& radio) {
    if (radio.Checked()) return true;
    for (const auto& sibling : radio.Parent()->children()) {
        const auto* other = dynamic_cast<const RadioButton*>(sibling.get());
        if (other == nullptr || other->GroupIndex != radio.GroupIndex || !other->CanFocus()) continue;
        if (other->Checked()) return false;
    }
    for (const auto& sibling : radio.Parent()->children()) {
        const auto* other = dynamic_cast<const RadioButton*>(sibling.get());
        if (other != nullptr && other->GroupIndex == radio.GroupIndex && other->CanFocus()) return other == &radio;
    }
    return false;
}

void collectTabStops(const Control& parent, std::vector<Control*>& out) {
    for (Control* c : inTabOrder(parent)) {
        if (!c->Visible || !c->Enabled) continue;
        if (c->CanFocus()) {
            const auto* radio = dynamic_cast<const RadioButton*>(c);
            if (radio == nullptr || radioTabStop(*radio)) out.push_back(c);
        }
        collectTabStops(*c, out);
    }
}

FlatButton* findDialogButton(const Control& c, bool isDefault) {
    for (const auto& child : c.children()) {
        if (!child->Visible || !child->Enabled) continue;
        if (auto* b = dynamic_cast<FlatButton*>(child.get()); b != nullptr && (isDefault ? b->Default : b->Cancel))
            return b;
        if (FlatButton* found = findDialogButton(*child, isDefault)) return found;
    }
    return nullptr;
}

void paintTree(Control& c, platform::Surface& target, const Rect& clip) {
    for (const auto& child : c.children()) {
        if (!child->Visible) continue;
        const Rect own = intersect(clip, child->screenRect());
        if (own.empty()) continue;
        child->paint(target, own);
        paintTree(*child, target, own);
    }
}

}  // namespace

WidgetForm::WidgetForm() : root_(std::make_unique<Control>("")) { root_->form_ = this; }

WidgetForm::~WidgetForm() = default;

void WidgetForm::adopt(std::unique_ptr<Control> c) {
    root_->adopt(std::move(c));
    dirty_ = true;
}

void WidgetForm::syncRoot() const {
    root_->Width = Width;
    root_->Height = Height;
    for (const auto& c : root_->children())
        if (c->AlignBottom) {
            c->Left = 0;
            c->Top = Height - c->Height;
            c->Width = Width;
        }
}

Control* WidgetForm::find(const std::string& name) const { return findByName(*root_, name); }

Control* WidgetForm::controlAt(int x, int y) const {
    syncRoot();
    if (x < 0 || y < 0 || x >= Width || y >= Height) return nullptr;
    Control* hit = hitTest(*root_, x, y);
    return hit == root_.get() ? nullptr : hit;
}

Control* WidgetForm::overlayOwner() const { return findOverlay(*root_); }

void WidgetForm::setFocus(Control* control) {
    if (control != nullptr && !control->CanFocus()) return;
    if (control == focused_) return;
    Control* old = focused_;
    focused_ = control;
    if (old != nullptr) old->focusChanged(false);
    if (control != nullptr) control->focusChanged(true);
    dirty_ = true;
}

// Controls hidden or disabled since the last event lose the focus, the capture and the
// hover, so no input reaches a control the user cannot see.
void WidgetForm::dropLostControls() {
    if (focused_ != nullptr && !focused_->CanFocus()) setFocus(nullptr);
    if (capture_ != nullptr && !(capture_->Showing() && capture_->enabledAll())) capture_ = nullptr;
    if (hover_ != nullptr && !(hover_->Showing() && hover_->enabledAll())) {
        hover_ = nullptr;
        hintText_.clear();
    }
    if (Control* owner = overlayOwner(); owner != nullptr && !(owner->Showing() && owner->enabledAll())) {
        if (auto* combo = dynamic_cast<ComboBox*>(owner)) combo->setDroppedDown(false);
    }
}

void WidgetForm::controlsChanged() {
    dropLostControls();
    dirty_ = true;
}

std::vector<Control*> WidgetForm::tabOrderList() const {
    std::vector<Control*> list;
    collectTabStops(*root_, list);
    return list;
}

void WidgetForm::moveFocus(bool forward) {
    const std::vector<Control*> list = tabOrderList();
    if (list.empty()) return;
    const int n = static_cast<int>(list.size());
    const auto at = std::find(list.begin(), list.end(), focused_);
    int next = 0;
    if (at == list.end()) {
        next = forward ? 0 : n - 1;
    } else {
        const int i = static_cast<int>(at - list.begin());
        next = ((i + (forward ? 1 : -1)) % n + n) % n;
    }
    setFocus(list[static_cast<size_t>(next)]);
}

bool WidgetForm::pressDialogButton(bool isDefault) {
    // The panel holding the focus decides; without a focus, the first showing panel that
    // has such a button.
    const Control* scope = nullptr;
    for (const Control* c = focused_; c != nullptr; c = c->Parent())
        if (dynamic_cast<const Panel*>(c) != nullptr) {
            scope = c;
            break;
        }
    FlatButton* button = nullptr;
    if (scope != nullptr) {
        button = findDialogButton(*scope, isDefault);
    } else {
        for (const auto& c : root_->children()) {
            if (!c->Visible || !c->Enabled || dynamic_cast<const Panel*>(c.get()) == nullptr) continue;
            if ((button = findDialogButton(*c, isDefault)) != nullptr) break;
        }
    }
    if (button == nullptr) return false;
    button->Click();
    return true;
}

bool WidgetForm::handleEvent(const InputEvent& event) {
    syncRoot();
    dropLostControls();
    namespace vk = platform::vk;
    switch (event.type) {
        case InputEvent::Type::MouseDown: {
            // The second press of a double click, however the source marked it.
            const platform::ShiftState shift = event.shift | (event.clicks >= 2 ? platform::ssDouble : 0u);
            mouseX_ = event.x;
            mouseY_ = event.y;
            hintText_.clear();
            hintDone_ = true;
            dirty_ = true;
            // A new left press while an earlier one is still held (its release was lost,
            // say when the window lost the focus) ends the earlier one away from its
            // control, so that nothing is left pressed in and nothing clicks.
            if (capture_ != nullptr && event.button == platform::MouseButton::Left) {
                Control* held = capture_;
                capture_ = nullptr;
                held->mouseUp(platform::MouseButton::Left, -1, -1, shift);
            }
            if (Control* owner = overlayOwner()) {
                Rect list;
                owner->overlayRect(list);
                if (!contains(list, event.x, event.y) && !contains(owner->screenRect(), event.x, event.y)) {
                    if (auto* combo = dynamic_cast<ComboBox*>(owner)) combo->setDroppedDown(false);
                    return true;
                }
                const Rect r = owner->screenRect();
                capture_ = owner;
                owner->mouseDown(event.button, event.x - r.x, event.y - r.y, shift);
                return true;
            }
            Control* c = controlAt(event.x, event.y);
            if (c == nullptr) return false;
            if (event.button == platform::MouseButton::Left && c->CanFocus()) setFocus(c);
            capture_ = c;
            const Rect r = c->screenRect();
            c->mouseDown(event.button, event.x - r.x, event.y - r.y, shift);
            return true;
        }
        case InputEvent::Type::MouseMove: {
            mouseX_ = event.x;
            mouseY_ = event.y;
            Control* under = controlAt(event.x, event.y);
            if (under != hover_) {
                hover_ = under;
                hoverSince_ = now_;
                hintDone_ = false;
                if (!hintText_.empty()) dirty_ = true;
                hintText_.clear();
            }
            Control* target = capture_;
            if (target == nullptr) {
                if (Control* owner = overlayOwner()) target = owner;
            }
            if (target == nullptr) target = under;
            if (target == nullptr) return false;
            const Rect r = target->screenRect();
            target->mouseMove(event.x - r.x, event.y - r.y, event.shift);
            dirty_ = true;
            return true;
        }
        case InputEvent::Type::MouseUp: {
            mouseX_ = event.x;
            mouseY_ = event.y;
            Control* target = capture_ != nullptr ? capture_ : controlAt(event.x, event.y);
            capture_ = nullptr;
            if (target == nullptr) return false;
            const Rect r = target->screenRect();
            target->mouseUp(event.button, event.x - r.x, event.y - r.y, event.shift);
            dirty_ = true;
            return true;
        }
        case InputEvent::Type::KeyDown: {
            dirty_ = true;
            if (focused_ != nullptr && focused_->keyDown(event.key, event.shift)) return true;
            const bool ctrl = (event.shift & platform::ssCtrl) != 0;
            const bool alt = (event.shift & platform::ssAlt) != 0;
            if (event.key == vk::VK_TAB && ctrl) {
                // Ctrl+Tab turns the page of the tab control around the focus.
                for (Control* c = focused_ != nullptr ? focused_->Parent() : nullptr; c != nullptr; c = c->Parent())
                    if (auto* tabs = dynamic_cast<TabControl*>(c)) return tabs->keyDown(event.key, event.shift);
                return false;
            }
            if (event.key == vk::VK_TAB && !alt) {
                moveFocus((event.shift & platform::ssShift) == 0);
                return true;
            }
            if (event.key == vk::VK_RETURN && !alt && !ctrl) return pressDialogButton(true);
            if (event.key == vk::VK_ESCAPE) return pressDialogButton(false);
            return false;
        }
        case InputEvent::Type::KeyPress:
            dirty_ = true;
            return focused_ != nullptr && focused_->keyPress(event.text);
        case InputEvent::Type::KeyUp:
        case InputEvent::Type::Click:
        case InputEvent::Type::DblClick:
        case InputEvent::Type::Close:
        case InputEvent::Type::ToggleFullscreen: return false;
    }
    return false;
}

void WidgetForm::idle(uint64_t nowMs) {
    now_ = nowMs;
    dropLostControls();
    if (hover_ != nullptr && hintText_.empty() && !hintDone_ && hover_->ShowHint && !hover_->Hint.empty() &&
        capture_ == nullptr && now_ >= hoverSince_ + kHintPauseMs) {
        hintText_ = hover_->Hint;
        hintX_ = mouseX_;
        hintY_ = mouseY_ + 20;
        hintShownAt_ = now_;
        dirty_ = true;
    } else if (!hintText_.empty() && now_ >= hintShownAt_ + kHintHideMs) {
        hintText_.clear();
        hintDone_ = true;
        dirty_ = true;
    }
    if (const auto* edit = dynamic_cast<const Edit*>(focused_)) {
        const int phase = edit->caretShown(now_) ? 1 : 0;
        if (phase != caretPhase_) {
            caretPhase_ = phase;
            dirty_ = true;
        }
    }
}

void WidgetForm::paintHint(platform::Surface& target, const Rect& clip) {
    const std::vector<std::string> lines = layoutLines(hintText_, false, 0);
    int w = 0;
    for (const auto& l : lines) w = std::max(w, textWidth(l));
    w += 6;
    const int h = fontLineHeight() * static_cast<int>(lines.size()) + 4;
    // Kept inside the form.
    const int x = std::clamp(hintX_, 0, std::max(0, Width - w));
    int y = hintY_;
    if (y + h > Height) y = std::max(0, mouseY_ - h - 2);
    const Rect box{x, y, w, h};
    fillRect(target, box, clInfoBk, clip);
    frameRect(target, box, clBlack, clip);
    int ty = y + 2;
    for (const auto& l : lines) {
        drawText(target, x + 3, ty, l, clBlack, clip);
        ty += fontLineHeight();
    }
}

void WidgetForm::paint(platform::Surface& target) {
    syncRoot();
    dropLostControls();
    const Rect clip = intersect({0, 0, Width, Height}, {0, 0, target.width(), target.height()});
    paintTree(*root_, target, clip);
    if (Control* owner = overlayOwner()) owner->paintOverlay(target, clip);
    if (!hintText_.empty()) paintHint(target, clip);
    dirty_ = false;
}

}  // namespace orbigolf::widgets
