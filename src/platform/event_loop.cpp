#include "platform/event_loop.h"

#include <algorithm>
#include <exception>
#include <iostream>

namespace orbigolf::platform {

EventLoop::EventLoop(EventSource& source) : source_(source) {}

void EventLoop::pushHandler(Handler handler) { handlers_.push_back(std::move(handler)); }

void EventLoop::popHandler() {
    if (!handlers_.empty()) handlers_.pop_back();
}

void EventLoop::addTimer(TDXTimer* timer) {
    if (timer && std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) timers_.push_back(timer);
}

void EventLoop::removeTimer(TDXTimer* timer) { std::erase(timers_, timer); }

template <class F>
void EventLoop::guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        if (reporter_) {
            reporter_(e.what());
        } else {
            std::cerr << e.what() << '\n';
        }
    }
}

void EventLoop::dispatch(const InputEvent& event) {
    if (handlers_.empty()) return;
    // A copy: the handler may push or pop handlers while it runs.
    Handler handler = handlers_.back();
    guarded([&] { handler(event); });
}

void EventLoop::deliver(const InputEvent& event) {
    using Type = InputEvent::Type;
    const bool left = event.button == MouseButton::Left;
    if (event.type == Type::MouseDown && left) {
        if (event.clicks >= 2) {
            leftDownSingle_ = false;
            InputEvent dbl = event;
            dbl.type = Type::DblClick;
            dispatch(dbl);
            InputEvent down = event;
            down.shift |= ssDouble;
            dispatch(down);
            return;
        }
        leftDownSingle_ = true;
    } else if (event.type == Type::MouseUp && left && leftDownSingle_) {
        leftDownSingle_ = false;
        InputEvent click = event;
        click.type = Type::Click;
        dispatch(click);
    }
    dispatch(event);
}

void EventLoop::step(bool wait) {
    if (wait) {
        int64_t due = -1;
        for (TDXTimer* t : timers_) {
            const int64_t d = t->msUntilDue();
            if (d >= 0 && (due < 0 || d < due)) due = d;
        }
        if (due != 0) source_.waitEvent(static_cast<int>(due < 0 ? maxWaitMs : std::min<int64_t>(due, maxWaitMs)));
    }
    InputEvent event;
    while (source_.pollEvent(event)) deliver(event);
    // Timers may be removed by their own handlers.
    const std::vector<TDXTimer*> timers = timers_;
    for (TDXTimer* t : timers) {
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) continue;
        guarded([&] { t->idle(); });
    }
}

void EventLoop::runUntil(const std::function<bool()>& done) {
    while (!quit_ && !done()) step(true);
}

}  // namespace orbigolf::platform
