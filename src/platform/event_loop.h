#pragma once
// The one event loop of a program: delivers pending input to the active form, then runs
// the idle step (the timers). A form shown modally runs a nested loop with runUntil()
// until it closes. A failure that escapes a handler or a timer is shown by the error
// reporter and the loop goes on.
//
// Mouse presses and releases become the events forms expect: a left press and release
// give MouseDown, then Click, then MouseUp; the second press of a double click gives
// DblClick, then MouseDown with ssDouble, and its release no Click.

#include <functional>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace orbigolf::platform {

class EventLoop {
public:
    using Handler = std::function<void(const InputEvent&)>;
    using ErrorReporter = std::function<void(const std::string&)>;

    explicit EventLoop(EventSource& source);

    // The handler of the active form; pushHandler for a form shown modally, popHandler
    // when it closes.
    void pushHandler(Handler handler);
    void popHandler();

    void addTimer(TDXTimer* timer);
    void removeTimer(TDXTimer* timer);

    // Where failures go; without one they are written to standard error.
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // Delivers every pending event, then runs the idle step. With `wait`, first sleeps
    // until an event arrives or the next timer is due (at most maxWaitMs).
    void step(bool wait);
    // Steps until `done` returns true (checked after each step) or quit() was called.
    void runUntil(const std::function<bool()>& done);

    void quit() { quit_ = true; }

    static constexpr int maxWaitMs = 50;

private:
    void deliver(const InputEvent& event);
    void dispatch(const InputEvent& event);
    template <class F>
    void guarded(F&& f);

    EventSource& source_;
    std::vector<Handler> handlers_;
    std::vector<TDXTimer*> timers_;
    ErrorReporter reporter_;
    bool leftDownSingle_ = false;  // a single left press waits for its release
    bool quit_ = false;
};

}  // namespace orbigolf::platform
