#include "platform/timer.h"

#include <algorithm>
#include <cmath>

namespace orbigolf::platform {
namespace {
// How far the cap's schedule may fall behind before it starts afresh: a tick or two that
// a busy machine delays are made up by the next ones, a stall is not.
constexpr uint64_t kMaxLagMs = 100;
}  // namespace

void TDXTimer::setMaxRate(int perSecond) {
    maxRate_ = perSecond < 0 ? 0 : perSecond;
    restartSchedule(lastTick_);
}

void TDXTimer::setEnabled(bool on) {
    if (on && !enabled_) {
        lastTick_ = clock_();
        restartSchedule(lastTick_);
    }
    enabled_ = on;
}

void TDXTimer::restartSchedule(uint64_t now) {
    scheduleStart_ = now;
    slotsUsed_ = 0;
}

uint64_t TDXTimer::slot(uint64_t n) const {
    // Rounded up, so that no tick comes before its slot.
    const auto rate = static_cast<uint64_t>(maxRate_);
    return scheduleStart_ + (n * 1000 + rate - 1) / rate;
}

uint64_t TDXTimer::dueAt() const {
    uint64_t due = lastTick_ + static_cast<uint64_t>(interval_);
    if (maxRate_ > 0) due = std::max(due, slot(slotsUsed_ + 1));
    return due;
}

bool TDXTimer::idle() {
    if (!enabled_) return false;
    const uint64_t now = clock_();
    // A clock that steps back must not stall the timer.
    if (now < lastTick_) {
        lastTick_ = now;
        restartSchedule(now);
    }
    if (now < dueAt()) return false;
    const uint64_t elapsed = now - lastTick_;
    const uint64_t t = elapsed < 1 ? 1 : elapsed;
    frameRate_ = static_cast<int>(std::nearbyint(1000.0 / static_cast<double>(t)));
    lastTick_ = now;
    if (maxRate_ > 0) {
        ++slotsUsed_;
        if (now >= slot(slotsUsed_ + 1) + kMaxLagMs) {
            restartSchedule(now);
        } else if (slotsUsed_ == static_cast<uint64_t>(maxRate_)) {
            // A whole second of slots: move the start on so the numbers stay small.
            scheduleStart_ += 1000;
            slotsUsed_ = 0;
        }
    }
    if (OnTimer) OnTimer();
    return true;
}

int64_t TDXTimer::msUntilDue() const {
    if (!enabled_) return -1;
    const uint64_t now = clock_();
    if (now < lastTick_) return 0;
    const uint64_t due = dueAt();
    return due <= now ? 0 : static_cast<int64_t>(due - now);
}

}  // namespace orbigolf::platform
