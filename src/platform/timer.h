#pragma once
// The game timer: ticks from the event loop's idle step, not from a clock interrupt.
// Whenever the loop is idle and at least `interval` milliseconds have passed since the
// previous tick, the timer measures t = the milliseconds since that tick (at least 1),
// sets its frame rate F = round(1000 / t) and calls OnTimer. Interval 0 ticks on every
// idle step.

#include <cstdint>
#include <functional>

namespace orbigolf::platform {

class TDXTimer {
public:
    using Clock = std::function<uint64_t()>;  // milliseconds, never decreasing

    explicit TDXTimer(Clock clock) : clock_(std::move(clock)) {}

    // Milliseconds between ticks; negative values count as 0.
    void setInterval(int ms) { interval_ = ms < 0 ? 0 : ms; }
    int interval() const { return interval_; }

    // Enabling starts the measurement afresh: the first tick comes one interval later.
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    // Frame rate measured at the last tick (0 before the first).
    int frameRate() const { return frameRate_; }

    std::function<void()> OnTimer;

    // The idle step: ticks when due. Returns whether it ticked.
    bool idle();
    // Milliseconds until the next tick is due (0 when due now, -1 when disabled); lets
    // the loop sleep instead of spinning.
    int64_t msUntilDue() const;

private:
    Clock clock_;
    int interval_ = 1000;
    bool enabled_ = false;
    uint64_t lastTick_ = 0;
    int frameRate_ = 0;
};

}  // namespace orbigolf::platform
