#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <string>

#include "platform/screen_layout.h"
#include "platform/vk.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_page.h"
#include "platform/web/web_settings.h"

namespace orbigolf::platform::web {
namespace {

// How often a program that never waits (a game without frame limiting, a hole loading)
// still gives the browser its turn: about once a frame.
constexpr double kYieldEveryMs = 15;
// Two presses of the left button this close in time and place make a double click.
constexpr double kDoubleClickMs = 500;
constexpr int kDoubleClickPixels = 4;

// Whether a key's name is one typed character (UTF-8), not a name like "Enter".
bool oneCharacter(const char* name) {
    int characters = 0;
    for (const char* c = name; *c != 0; ++c)
        if ((static_cast<unsigned char>(*c) & 0xC0) != 0x80) ++characters;
    return characters == 1;
}

class WebWindow : public Window {
public:
    explicit WebWindow(const WindowOptions& options) {
        setTitle(options.title);
        const char* doc = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
        emscripten_set_keydown_callback(doc, this, 1, &WebWindow::onKey);
        emscripten_set_keyup_callback(doc, this, 1, &WebWindow::onKey);
        emscripten_set_mousedown_callback("#canvas", this, 1, &WebWindow::onMouse);
        emscripten_set_mouseup_callback(doc, this, 1, &WebWindow::onMouse);
        emscripten_set_mousemove_callback(doc, this, 1, &WebWindow::onMouse);
        lastYield_ = emscripten_get_now();
    }

    ~WebWindow() override {
        const char* doc = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
        emscripten_set_keydown_callback(doc, nullptr, 1, nullptr);
        emscripten_set_keyup_callback(doc, nullptr, 1, nullptr);
        emscripten_set_mousedown_callback("#canvas", nullptr, 1, nullptr);
        emscripten_set_mouseup_callback(doc, nullptr, 1, nullptr);
        emscripten_set_mousemove_callback(doc, nullptr, 1, nullptr);
    }

    // --- Presenter ---

    void beginMode(int width, int height) override {
        if (width <= 0 || height <= 0)
            throw DisplayError("Display mode " + std::to_string(width) + "x" + std::to_string(height) +
                               " is not supported");
        modeWidth_ = width;
        modeHeight_ = height;
    }

    void endMode() override {}

    void present(const Surface& backBuffer) override {
        if (backBuffer.empty()) return;
        // Several displays (one per form) share the canvas; the one shown last sets the
        // mode that mouse positions are mapped to.
        modeWidth_ = backBuffer.width();
        modeHeight_ = backBuffer.height();
        const Rect placed = placement();
        page::showPicture(backBuffer.pixels().data(), modeWidth_, modeHeight_, placed.x, placed.y, placed.w,
                          placed.h, placed.w % modeWidth_ == 0 && placed.w >= modeWidth_);
        // The picture reaches the screen only when the browser has its turn.
        yieldIfDue();
    }

    // --- EventSource ---

    bool pollEvent(InputEvent& out) override {
        if (queue_.empty()) yieldIfDue();
        if (queue_.empty()) return false;
        out = std::move(queue_.front());
        queue_.pop_front();
        return true;
    }

    void waitEvent(int timeoutMs) override {
        const double until = emscripten_get_now() + (timeoutMs < 0 ? 0 : timeoutMs);
        do {
            giveTurn(0);
        } while (queue_.empty() && emscripten_get_now() < until);
    }

    void pause(int ms) override {
        const double until = emscripten_get_now() + (ms < 0 ? 0 : ms);
        while (emscripten_get_now() < until) giveTurn(0);
    }

    uint64_t nowMs() override { return static_cast<uint64_t>(emscripten_get_now()); }

    // --- Window ---

    void setCursorVisible(bool visible) override {
        cursorVisible_ = visible;
        page::showCursor(visible);
    }
    bool cursorVisible() const override { return cursorVisible_; }

    // A page cannot move the pointer; the position is remembered for the forms.
    void setCursorPos(int x, int y) override {
        cursorX_ = x;
        cursorY_ = y;
    }
    int cursorX() const override { return cursorX_; }
    int cursorY() const override { return cursorY_; }

    void setFullscreen(bool on) override {
        page::setFullscreen(on);
    }
    bool fullscreen() const override { return page::isFullscreen(); }

    void setTitle(const std::string& title) override { page::setTitle(title); }

    void showError(const std::string& message) override {
        std::cerr << message << '\n';
        page::showMessage("Error", message);
    }

    void showMessage(const std::string& caption, const std::string& text) override {
        std::cerr << caption << ": " << text << '\n';
        page::showMessage(caption, text);
    }

private:
    // Lets the browser run its queued work (paint, input, sound) and comes back.
    void giveTurn(int ms) {
        emscripten_sleep(static_cast<unsigned>(ms));
        lastYield_ = emscripten_get_now();
        storeChangedSettings();
    }

    void yieldIfDue() {
        if (emscripten_get_now() - lastYield_ >= kYieldEveryMs) giveTurn(0);
    }

    Rect placement() const {
        int w = 0, h = 0;
        page::viewSize(w, h);
        return fitMode(w, h, modeWidth_, modeHeight_);
    }

    ShiftState shiftOf(bool shift, bool alt, bool ctrl) const {
        ShiftState s = buttons_;
        if (shift) s |= ssShift;
        if (alt) s |= ssAlt;
        if (ctrl) s |= ssCtrl;
        return s;
    }

    static EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* e, void* user) {
        auto* self = static_cast<WebWindow*>(user);
        const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
        // The browser's key codes are the virtual-key codes the forms expect.
        const int key = static_cast<int>(e->keyCode);
        if (down && e->altKey && key == vk::VK_RETURN) {
            if (!e->repeat) self->setFullscreen(!page::isFullscreen());
            self->swallowEnterUp_ = true;
            return EM_TRUE;
        }
        if (!down && key == vk::VK_RETURN && self->swallowEnterUp_) {
            self->swallowEnterUp_ = false;
            return EM_TRUE;
        }
        if (key <= 0 || key > 255) return EM_FALSE;
        const ShiftState shift = self->shiftOf(e->shiftKey, e->altKey, e->ctrlKey);
        self->queue_.push_back(down ? InputEvent::keyDown(key, shift) : InputEvent::keyUp(key, shift));
        // A key that types one character also types it, as the desktop's text input does.
        if (down && !e->ctrlKey && !e->altKey && !e->metaKey && oneCharacter(e->key)) self->queue_.push_back(InputEvent::keyPress(e->key));
        // The page itself does nothing with keys while the game has them (no scrolling on
        // Space, no focus moving on Tab, no help on F1).
        return EM_TRUE;
    }

    static MouseButton buttonOf(unsigned short b) {
        if (b == 2) return MouseButton::Right;
        if (b == 1) return MouseButton::Middle;
        return MouseButton::Left;
    }

    static ShiftState buttonFlag(MouseButton b) {
        if (b == MouseButton::Right) return ssRight;
        if (b == MouseButton::Middle) return ssMiddle;
        return ssLeft;
    }

    static EM_BOOL onMouse(int type, const EmscriptenMouseEvent* e, void* user) {
        auto* self = static_cast<WebWindow*>(user);
        page::startSound();
        const ModePoint p = windowToMode(static_cast<int>(e->clientX), static_cast<int>(e->clientY),
                                         self->placement(), self->modeWidth_, self->modeHeight_);
        self->cursorX_ = p.x;
        self->cursorY_ = p.y;
        const ShiftState keys = self->shiftOf(e->shiftKey, e->altKey, e->ctrlKey) & ~(ssLeft | ssRight | ssMiddle);
        if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) {
            self->queue_.push_back(
                InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, p.x, p.y, keys | self->buttons_));
            return EM_FALSE;
        }
        if (e->button > 2) return EM_FALSE;
        const MouseButton button = buttonOf(e->button);
        if (type == EMSCRIPTEN_EVENT_MOUSEDOWN) {
            int clicks = 1;
            if (button == MouseButton::Left) {
                const double now = emscripten_get_now();
                const bool quick = self->pressRun_ > 0 && now - self->lastPressMs_ <= kDoubleClickMs &&
                                   std::abs(p.x - self->lastPressX_) <= kDoubleClickPixels &&
                                   std::abs(p.y - self->lastPressY_) <= kDoubleClickPixels;
                self->pressRun_ = quick ? self->pressRun_ + 1 : 1;
                self->lastPressMs_ = now;
                self->lastPressX_ = p.x;
                self->lastPressY_ = p.y;
                // Every second press of a run of quick presses is a double click.
                clicks = self->pressRun_ % 2 == 0 ? 2 : 1;
            }
            self->buttons_ |= buttonFlag(button);
            self->queue_.push_back(
                InputEvent::mouse(InputEvent::Type::MouseDown, button, p.x, p.y, keys | self->buttons_, clicks));
            return EM_TRUE;
        }
        if (!(self->buttons_ & buttonFlag(button))) return EM_FALSE;  // pressed outside the canvas
        self->buttons_ &= ~buttonFlag(button);
        self->queue_.push_back(InputEvent::mouse(InputEvent::Type::MouseUp, button, p.x, p.y, keys | self->buttons_));
        return EM_TRUE;
    }

    std::deque<InputEvent> queue_;
    int modeWidth_ = 640;
    int modeHeight_ = 480;
    bool cursorVisible_ = true;
    bool swallowEnterUp_ = false;
    ShiftState buttons_ = 0;
    int cursorX_ = 0;
    int cursorY_ = 0;
    int pressRun_ = 0;
    double lastPressMs_ = 0;
    int lastPressX_ = 0;
    int lastPressY_ = 0;
    double lastYield_ = 0;
};

}  // namespace

std::unique_ptr<Window> createWindow(const WindowOptions& options) { return std::make_unique<WebWindow>(options); }

}  // namespace orbigolf::platform::web
