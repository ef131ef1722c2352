#include "platform/timer.h"

#include <cmath>

namespace orbigolf::platform {

void TDXTimer::setEnabled(bool on) {
    if (on && !enabled_) lastTick_ = clock_();
    enabled_ = on;
}

bool TDXTimer::idle() {
    if (!enabled_) return false;
    const uint64_t now = clock_();
    // A clock that steps back must not stall the timer.
    if (now < lastTick_) lastTick_ = now;
    const uint64_t elapsed = now - lastTick_;
    if (elapsed < static_cast<uint64_t>(interval_)) return false;
    const uint64_t t = elapsed < 1 ? 1 : elapsed;
    frameRate_ = static_cast<int>(std::nearbyint(1000.0 / static_cast<double>(t)));
    lastTick_ = now;
    if (OnTimer) OnTimer();
    return true;
}

int64_t TDXTimer::msUntilDue() const {
    if (!enabled_) return -1;
    const uint64_t now = clock_();
    if (now < lastTick_) return 0;
    const uint64_t elapsed = now - lastTick_;
    if (elapsed >= static_cast<uint64_t>(interval_)) return 0;
    return static_cast<int64_t>(static_cast<uint64_t>(interval_) - elapsed);
}

}  // namespace orbigolf::platform
