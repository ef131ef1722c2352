// The control base, and the controls that only draw: Panel, Label, Image.

#include <algorithm>

#include "frontend/widgets/controls.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/paint.h"
#include "frontend/widgets/text_layout.h"
#include "frontend/widgets/widget_form.h"

namespace orbigolf::widgets {

using platform::Rect;

void Control::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    Invalidate();
}

bool Control::Showing() const { return Visible && (parent_ == nullptr || parent_->Showing()); }

bool Control::enabledAll() const { return Enabled && (parent_ == nullptr || parent_->enabledAll()); }

bool Control::CanFocus() const { return TabStop && form() != nullptr && Showing() && enabledAll(); }

void Control::SetFocus() {
    if (WidgetForm* f = form()) f->setFocus(this);
}

bool Control::Focused() const {
    const WidgetForm* f = form();
    return f != nullptr && f->focused() == this;
}

void Control::Invalidate() {
    if (WidgetForm* f = form()) f->invalidate();
}

uint32_t Control::textColour() const { return enabledAll() ? FontColor : clDisabledText; }

Rect Control::screenRect() const {
    if (parent_ == nullptr) return {Left, Top, Width, Height};
    const Rect p = parent_->screenRect();
    return {p.x + parent_->clientLeft() + Left, p.y + parent_->clientTop() + Top, Width, Height};
}

WidgetForm* Control::form() const {
    const Control* c = this;
    while (c->parent_ != nullptr) c = c->parent_;
    return c->form_;
}

void Control::adopt(std::unique_ptr<Control> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    Invalidate();
}

void Control::paint(platform::Surface& target, const Rect& clip) {
    (void)target;
    (void)clip;
}

void Control::mouseDown(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    (void)shift;
    if (OnMouseDown) OnMouseDown(*this, button, x, y);
}

void Control::mouseMove(int x, int y, platform::ShiftState shift) {
    (void)x;
    (void)y;
    (void)shift;
}

void Control::mouseUp(platform::MouseButton button, int x, int y, platform::ShiftState shift) {
    (void)shift;
    if (OnMouseUp) OnMouseUp(*this, button, x, y);
}

bool Control::keyDown(int key, platform::ShiftState shift) {
    (void)key;
    (void)shift;
    return false;
}

bool Control::keyPress(const std::string& text) {
    (void)text;
    return false;
}

// --- Panel ---

void Panel::paint(platform::Surface& target, const Rect& clip) { fillRect(target, screenRect(), Color, clip); }

// --- Label ---

Label::Label(std::string name) : Control(std::move(name)) { Height = fontLineHeight(); }

void Label::setCaption(const std::string& caption) {
    Caption = caption;
    if (AutoSize && !WordWrap) {
        Width = textWidth(caption);
        Height = fontLineHeight() * static_cast<int>(layoutLines(caption, false, 0).size());
    }
    Invalidate();
}

void Label::paint(platform::Surface& target, const Rect& clip) {
    // A caption assigned directly still sizes an auto-sized label.
    if (AutoSize && !WordWrap) {
        int w = 0;
        const auto lines = layoutLines(Caption, false, 0);
        for (const auto& l : lines) w = std::max(w, textWidth(l));
        Width = w;
        Height = fontLineHeight() * static_cast<int>(lines.size());
    }
    const Rect r = screenRect();
    if (!Transparent) fillRect(target, r, Color, clip);
    int y = r.y;
    for (const std::string& line : layoutLines(Caption, WordWrap, Width)) {
        const int w = textWidth(line);
        int x = r.x;
        if (Alignment == Align::Right) x = r.x + r.w - w;
        if (Alignment == Align::Center) x = r.x + (r.w - w) / 2;
        drawText(target, x, y, line, textColour(), clip);
        y += fontLineHeight();
    }
}

// --- Image ---

Image::Image(std::string name) : Control(std::move(name)) {}

void Image::paint(platform::Surface& target, const Rect& clip) {
    if (Picture.empty()) return;
    const Rect r = screenRect();
    Rect dest{r.x, r.y, Picture.width(), Picture.height()};
    if (Stretch) {
        dest = r;
    } else if (Center) {
        dest.x = r.x + (r.w - Picture.width()) / 2;
        dest.y = r.y + (r.h - Picture.height()) / 2;
    }
    const Rect area = intersect(intersect(intersect(dest, r), clip), {0, 0, target.width(), target.height()});
    if (area.empty() || dest.empty()) return;
    // Nearest pixel: source column (x - dest.x) * width / dest.w, the same for rows.
    const platform::Surface& picture = Picture;
    for (int y = area.y; y < area.y + area.h; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y - dest.y) * Picture.height() / dest.h);
        const platform::Pixel565* src = picture.row(sy);
        platform::Pixel565* out = target.row(y);
        for (int x = area.x; x < area.x + area.w; ++x)
            out[x] = src[static_cast<int64_t>(x - dest.x) * Picture.width() / dest.w];
    }
}

}  // namespace orbigolf::widgets
