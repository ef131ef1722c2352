#pragma once
// The client area of a form that holds widgets: owns the top-level controls, hands the
// window's input events to the control under the pointer (or the one holding the mouse
// capture, or the focused one for keys), keeps keyboard focus and the Tab order, presses
// the Default / Cancel button of the focused control's panel on Enter / Escape, shows
// hints after the pointer rests, and paints every showing control into a surface.
//
// Mouse: a left press focuses the control under it (when that takes focus) and holds the
// mouse for it until the release; buttons and check boxes act on a release over themselves.
// The event loop's Click and DblClick events are not needed and are ignored: pass every
// event through handleEvent() all the same. The second press of a double click (ssDouble
// or clicks 2) selects all of an Edit.
//
// Controls shown, hidden, enabled or disabled by code are noticed at the next event, idle
// or paint; controlsChanged() drops the focus and the capture at once. Changing a public
// field directly (Caption, Visible, Left, ...) does not mark the form for painting: call
// Invalidate() or invalidate() when relying on needsPaint().
//
// A form with a picture of its own under the controls (the launch pad's animation) paints
// that first, then calls paint() for the controls.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontend/widgets/controls.h"
#include "platform/events.h"
#include "platform/surface.h"

namespace orbigolf::widgets {

class WidgetForm {
public:
    WidgetForm();
    ~WidgetForm();
    WidgetForm(const WidgetForm&) = delete;
    WidgetForm& operator=(const WidgetForm&) = delete;

    // The form's client area (every control lies inside it).
    int Width = 640, Height = 480;

    // Adds a top-level control owned by the form.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto c = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *c;
        adopt(std::move(c));
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return root_->children(); }
    // A control by name anywhere in the form, or null.
    Control* find(const std::string& name) const;

    // Input in form coordinates. Returns whether a control took the event. Keys that no
    // control uses: Tab / Shift+Tab move the focus; Enter / Escape press the Default /
    // Cancel button of the focused control's nearest panel (or of any showing panel when
    // nothing has focus).
    bool handleEvent(const platform::InputEvent& event);
    // Time for hints and the caret, in milliseconds of the program's clock.
    void idle(uint64_t nowMs);
    // The time last given to idle().
    uint64_t nowMs() const { return now_; }

    Control* focused() const { return focused_; }
    void setFocus(Control* control);  // null clears it
    // The control under a form point (the topmost showing, enabled one), or null.
    Control* controlAt(int x, int y) const;
    // Drops the focus, the capture and the hover when controls are hidden or shown.
    void controlsChanged();

    // The hint being shown now ("" when none) and where.
    const std::string& hintText() const { return hintText_; }

    // Paints every showing control (parents before children, an open drop-down list last).
    void paint(platform::Surface& target);
    // Whether anything changed since the last paint.
    bool needsPaint() const { return dirty_; }
    void invalidate() { dirty_ = true; }

private:
    void adopt(std::unique_ptr<Control> c);
    void syncRoot() const;
    void dropLostControls();
    Control* overlayOwner() const;
    std::vector<Control*> tabOrderList() const;
    void moveFocus(bool forward);
    bool pressDialogButton(bool isDefault);
    void paintHint(platform::Surface& target, const platform::Rect& clip);
    friend class Control;

    std::unique_ptr<Control> root_;
    Control* focused_ = nullptr;
    Control* capture_ = nullptr;
    Control* hover_ = nullptr;
    uint64_t hoverSince_ = 0;
    uint64_t now_ = 0;
    std::string hintText_;
    int hintX_ = 0, hintY_ = 0;
    uint64_t hintShownAt_ = 0;
    bool hintDone_ = false;  // the hint of the current hover was shown and timed out
    int mouseX_ = 0, mouseY_ = 0;
    int caretPhase_ = -1;
    bool dirty_ = true;
};

}  // namespace orbigolf::widgets
