#pragma once
// The window a program shows its forms in, as the game and front end see it. Both back
// ends implement it: SDL (a real window, full screen unless asked otherwise) and
// headless (frames and events in memory). A window is a presenter for the displays
// drawn in it and the source of the input events the event loop hands to the forms.

#include <cstdint>
#include <string>

#include "platform/events.h"
#include "platform/presenter.h"

namespace orbigolf::platform {

struct WindowOptions {
    bool fullscreen = true;
    std::string title = "Orbigolf";
};

class EventSource {
public:
    virtual ~EventSource() = default;
    // Takes the next pending event; false when there is none.
    virtual bool pollEvent(InputEvent& event) = 0;
    // Returns when an event is pending or after timeoutMs milliseconds.
    virtual void waitEvent(int timeoutMs) = 0;
    // Milliseconds since some fixed start, never decreasing.
    virtual uint64_t nowMs() = 0;
    // Waits `ms` milliseconds without taking events, which stay pending.
    virtual void pause(int ms);
};

class Window : public Presenter, public EventSource {
public:
    // The mouse cursor over the window: shown or hidden, and moved, in mode pixels.
    virtual void setCursorVisible(bool visible) = 0;
    virtual bool cursorVisible() const = 0;
    virtual void setCursorPos(int x, int y) = 0;
    virtual int cursorX() const = 0;
    virtual int cursorY() const = 0;

    virtual void setFullscreen(bool on) = 0;
    virtual bool fullscreen() const = 0;
    virtual void setTitle(const std::string& title) = 0;

    // The standard error box: shows a failure that escaped an event handler.
    virtual void showError(const std::string& message) = 0;
    // A message box with its own caption and the exclamation icon.
    virtual void showMessage(const std::string& caption, const std::string& text) { showError(caption + ": " + text); }

    // The size of the whole screen a full-screen form covers: the desktop's while the
    // window takes the whole screen, 640 x 480 in a window.
    virtual void screenSize(int& width, int& height) const {
        width = 640;
        height = 480;
    }
};

}  // namespace orbigolf::platform
