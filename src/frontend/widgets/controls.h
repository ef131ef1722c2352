#pragma once
// The launch pad's widget set: flat-style controls drawn into a form's back buffer with
// the display layer, fed with the window's input events by their WidgetForm. Controls
// are named, placed and captioned as a form designer would: Left/Top relative to the
// parent's client area, Width/Height, Visible, Enabled, Caption, Hint, TabOrder.
//
// Events are plain std::function members named as the form binds them (OnClick,
// OnChange, OnMouseDown, OnMouseUp). A control raises them only for the user's actions
// and for the programmatic changes noted at each property, as the form runtime does.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/frames.h"
#include "platform/surface.h"

namespace orbigolf::widgets {

class WidgetForm;

// Standard colours as BGR colour numbers of the form runtime (0x00BBGGRR).
inline constexpr uint32_t clBlack = 0x000000;
inline constexpr uint32_t clGray = 0x808080;
inline constexpr uint32_t clWhite = 0xFFFFFF;
inline constexpr uint32_t clBtnFace = 0xCFD8E0;      // the panels' light grey
inline constexpr uint32_t clPressedFace = 0xC9D8E0;  // pressed look of radio buttons and check boxes

class Control {
public:
    explicit Control(std::string name) : Name(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string Name;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string Caption;
    std::string Hint;     // shown after the pointer rests on the control; "\r\n" breaks lines
    bool ShowHint = false;
    uint32_t Color = clBtnFace;  // face colour, BGR
    uint32_t FontColor = clGray; // text colour, BGR
    int TabOrder = 0;            // order among focusable siblings
    // A top-level control kept along the form's bottom edge at the form's full width,
    // whatever size the form takes (its own Height is kept).
    bool AlignBottom = false;
    bool TabStop = false;        // reached by Tab; set by the focusable kinds

    std::function<void(Control&)> OnClick;
    // Button, position in the control's own coordinates.
    std::function<void(Control&, platform::MouseButton, int x, int y)> OnMouseDown;
    std::function<void(Control&, platform::MouseButton, int x, int y)> OnMouseUp;

    Control* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }

    // Adds a child owned by this control and returns it, typed.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        adopt(std::move(child));
        return ref;
    }

    void SetBounds(int left, int top, int width, int height);
    void Show() { Visible = true; }
    void Hide() { Visible = false; }
    // Visible here and on every parent.
    bool Showing() const;
    // Whether the control takes keyboard focus (Enabled, Showing, and a focusable kind).
    bool CanFocus() const;
    void SetFocus();
    bool Focused() const;
    // Asks the form to draw this control again at the next paint.
    void Invalidate();

    // The control's rectangle in form coordinates.
    platform::Rect screenRect() const;
    // The client origin children are placed from, in this control's coordinates (a tab
    // control's page lies below its tabs).
    virtual int clientLeft() const { return 0; }
    virtual int clientTop() const { return 0; }

    // --- what the form calls; positions in the control's own coordinates ---
    virtual void paint(platform::Surface& target, const platform::Rect& clip);
    virtual void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift);
    virtual void mouseMove(int x, int y, platform::ShiftState shift);
    virtual void mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift);
    // Returns true when the key was used (so the form does not treat it as a dialog key).
    virtual bool keyDown(int key, platform::ShiftState shift);
    virtual bool keyPress(const std::string& text);
    virtual void focusChanged(bool focused) { (void)focused; }
    // A control that draws above its siblings while it is open (a dropped-down list)
    // says so here; the form sends it the mouse first.
    virtual bool overlayRect(platform::Rect& formRect) const { (void)formRect; return false; }
    // Paints the open part named by overlayRect, after every other control.
    virtual void paintOverlay(platform::Surface& target, const platform::Rect& clip) {
        (void)target;
        (void)clip;
    }

    // Enabled here and on every parent (a disabled panel disables what it holds).
    bool enabledAll() const;
    // The colour text is drawn in: FontColor, or the disabled grey.
    uint32_t textColour() const;

    WidgetForm* form() const;

protected:
    void adopt(std::unique_ptr<Control> child);

private:
    Control* parent_ = nullptr;
    WidgetForm* form_ = nullptr;  // set on the root
    std::vector<std::unique_ptr<Control>> children_;
    friend class WidgetForm;
};

// A flat panel of one colour without bevel; holds other controls.
class Panel : public Control {
public:
    using Control::Control;
    void paint(platform::Surface& target, const platform::Rect& clip) override;
};

// Text in the form's font; WordWrap breaks it over the control's width.
class Label : public Control {
public:
    explicit Label(std::string name);
    enum class Align { Left, Right, Center };
    Align Alignment = Align::Left;
    bool AutoSize = true;    // width and height follow the caption
    bool WordWrap = false;
    bool Transparent = true; // draws no background
    void setCaption(const std::string& caption);
    void paint(platform::Surface& target, const platform::Rect& clip) override;
};

// A flat push button: raises OnClick when released over itself after a press, or on
// Space / Enter while focused. Default: Enter anywhere on its panel presses it; Cancel:
// Escape does.
class FlatButton : public Control {
public:
    explicit FlatButton(std::string name);
    bool Default = false;
    bool Cancel = false;
    bool pressed() const { return pressed_; }
    void Click();  // as if the user clicked it: raises OnClick
    void paint(platform::Surface& target, const platform::Rect& clip) override;
    void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    void mouseMove(int x, int y, platform::ShiftState shift) override;
    void mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    bool keyDown(int key, platform::ShiftState shift) override;

protected:
    bool pressed_ = false;
    bool over_ = false;
};

// A flat button with a small glyph (an arrow) to the right of its caption; not a tab stop.
class SpeedButton : public FlatButton {
public:
    explicit SpeedButton(std::string name);
    void paint(platform::Surface& target, const platform::Rect& clip) override;
};

// Where the caption of a check box or radio button starts, from the control's left edge:
// close to the mark, so that the set-up panel's row of three check boxes keeps its
// captions clear of the next box.
inline constexpr int kMarkCaptionLeft = 15;

// A check box: a click toggles Checked and raises OnClick. Setting Checked from code
// raises OnClick too, as the runtime does. WordWrap lays the caption over several lines.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string name);
    bool WordWrap = false;
    bool Checked() const { return checked_; }
    void setChecked(bool on);
    void paint(platform::Surface& target, const platform::Rect& clip) override;
    void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    void mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    bool keyDown(int key, platform::ShiftState shift) override;

private:
    bool checked_ = false;
    bool pressed_ = false;
};

// A radio button: checking it unchecks the radio buttons of the same GroupIndex under
// the same parent; unchecking checks nothing. A click checks it and raises OnClick.
class RadioButton : public Control {
public:
    explicit RadioButton(std::string name);
    int GroupIndex = 0;
    bool Checked() const { return checked_; }
    void setChecked(bool on);
    void paint(platform::Surface& target, const platform::Rect& clip) override;
    void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    void mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    bool keyDown(int key, platform::ShiftState shift) override;

private:
    bool checked_ = false;
    bool pressed_ = false;
};

// A drop-down list (no typing): the closed box shows the selected item; a click opens
// the list of DropDownCount rows (a scroll bar beyond that) below the box, or above it
// when it does not fit in the form. Choosing an item by mouse or by the arrow keys,
// Home, End, PageUp, PageDown sets ItemIndex and raises OnChange. Setting ItemIndex from
// code raises nothing; an index outside the items leaves no selection (-1, empty text).
class ComboBox : public Control {
public:
    explicit ComboBox(std::string name);
    std::vector<std::string> Items;
    int DropDownCount = 8;
    std::function<void(Control&)> OnChange;
    int ItemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    // The selected item's text, or "" without a selection.
    std::string Text() const;
    bool droppedDown() const { return dropped_; }
    void setDroppedDown(bool open);
    void paint(platform::Surface& target, const platform::Rect& clip) override;
    void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    void mouseMove(int x, int y, platform::ShiftState shift) override;
    void mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    bool keyDown(int key, platform::ShiftState shift) override;
    bool keyPress(const std::string& text) override;  // a letter selects the next item starting with it
    void focusChanged(bool focused) override;
    bool overlayRect(platform::Rect& formRect) const override;
    void paintOverlay(platform::Surface& target, const platform::Rect& clip) override;

private:
    int visibleRows() const;
    bool hasScrollBar() const;
    platform::Rect listRect() const;  // form coordinates
    // The item at a form point inside the list (not its scroll bar), or -1.
    int itemAt(int fx, int fy) const;
    void choose(int index);
    void setHot(int index);

    int itemIndex_ = -1;
    bool dropped_ = false;
    bool tracking_ = false;  // a press that opened or is inside the list is held
    int hot_ = -1;     // row under the pointer while open
    int topRow_ = 0;   // first row shown while open
};

// A one-line text edit with caret and selection: typing replaces the selection; Left,
// Right, Home, End move the caret (with Shift they extend the selection); Backspace and
// Delete erase; Ctrl+A selects all; a press places the caret and a drag selects; a
// double click selects all. Focus by Tab selects all. Each change of Text by the user
// or by setText raises OnChange. MaxLength 0 means no limit.
class Edit : public Control {
public:
    explicit Edit(std::string name);
    int MaxLength = 0;
    std::function<void(Control&)> OnChange;
    const std::string& Text() const { return text_; }
    void setText(const std::string& text);
    int SelStart() const;
    int SelLength() const;
    void SelectAll();
    int caret() const { return caret_; }
    // Whether the blinking caret is in its shown phase at this time.
    bool caretShown(uint64_t nowMs) const;
    void paint(platform::Surface& target, const platform::Rect& clip) override;
    void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    void mouseMove(int x, int y, platform::ShiftState shift) override;
    void mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    bool keyDown(int key, platform::ShiftState shift) override;
    bool keyPress(const std::string& text) override;
    void focusChanged(bool focused) override;

private:
    int charIndexAt(int x) const;  // the caret position nearest a point at x
    void deleteSelection();
    void moveCaret(int position, bool extend);
    void scrollToCaret();
    void changed();

    std::string text_;   // Windows-1252 text, one byte per character
    int caret_ = 0;
    int anchor_ = 0;     // the other end of the selection
    bool dragging_ = false;
    int scroll_ = 0;     // first pixel of the text shown
    uint64_t blinkStart_ = 0;  // the caret shows steadily for a moment after each change
};

// Tabs along the top; a click on a tab, or Ctrl+Tab / the arrow keys while focused,
// changes TabIndex and raises OnChange. Children lie on the page below the tabs but are
// placed from the tab control's own top-left corner, as the form designer stores them
// (so a child at top 20 sits just below tabs 19 pixels high). Unselected tabs are drawn
// grey.
class TabControl : public Control {
public:
    explicit TabControl(std::string name);
    std::vector<std::string> Tabs;
    std::function<void(Control&)> OnChange;
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int index);  // raises nothing; an index outside the tabs is ignored
    // Height of the row of tabs, and the rectangle of one tab in the control's coordinates.
    static int tabHeight();
    platform::Rect tabRect(int index) const;
    void paint(platform::Surface& target, const platform::Rect& clip) override;
    void mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) override;
    bool keyDown(int key, platform::ShiftState shift) override;

private:
    int tabIndex_ = 0;
};

// A picture, drawn at its own size from the top-left corner, centred, or stretched
// over the control.
class Image : public Control {
public:
    explicit Image(std::string name);
    platform::Surface Picture;
    bool Stretch = false;
    bool Center = false;
    void paint(platform::Surface& target, const platform::Rect& clip) override;
};

}  // namespace orbigolf::widgets
