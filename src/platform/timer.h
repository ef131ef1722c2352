#pragma once
// The game timer: ticks from the event loop's idle step, not from a clock interrupt.
// Whenever the loop is idle and at least `interval` milliseconds have passed since the
// previous tick, the timer measures t = the milliseconds since that tick (at least 1),
// sets its frame rate F = round(1000 / t) and calls OnTimer. Interval 0 ticks on every
// idle step.
//
// A timer may also be capped at a number of ticks a second. The cap keeps its own
// schedule: the k-th tick after enabling is due k * 1000 / cap milliseconds after the
// start, so a cap of 60 gives 60.0 ticks a second on average although the clock counts
// whole milliseconds. Ticks that come late are made up by the following ones coming
// sooner; a tick more than 100 ms behind the schedule starts it afresh instead, so that
// a stall is not followed by a burst of ticks.

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

    // At most this many ticks a second (0, or a negative value: no cap). Setting it
    // starts the cap's schedule at the last tick.
    void setMaxRate(int perSecond);
    int maxRate() const { return maxRate_; }

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
    // Clock time at which the next tick is due.
    uint64_t dueAt() const;
    // Clock time of the n-th slot of the cap's schedule.
    uint64_t slot(uint64_t n) const;
    void restartSchedule(uint64_t now);

    Clock clock_;
    int interval_ = 1000;
    int maxRate_ = 0;
    bool enabled_ = false;
    uint64_t lastTick_ = 0;
    uint64_t scheduleStart_ = 0;  // clock time of slot 0 of the cap's schedule
    uint64_t slotsUsed_ = 0;      // ticks made since scheduleStart_
    int frameRate_ = 0;
};

}  // namespace orbigolf::platform
