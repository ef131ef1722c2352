#include "frontend/tick_times.h"

#include <algorithm>
#include <cstdio>

namespace orbigolf::frontend {

void TickTimes::tickEnded(int64_t tick) {
    const Clock::time_point now = Clock::now();
    if (tick <= 1) {
        last_ = now;
        return;
    }
    const double ms = std::chrono::duration<double, std::milli>(now - last_).count();
    last_ = now;
    blockMs_ += ms;
    totalMs_ += ms;
    if (++ticks_ % kBlockTicks == 0) {
        blocks_.push_back(blockMs_);
        blockMs_ = 0;
    }
}

double TickTimes::medianBlockMs() const {
    if (blocks_.empty()) return 0;
    std::vector<double> sorted = blocks_;
    std::sort(sorted.begin(), sorted.end());
    const size_t mid = sorted.size() / 2;
    return sorted.size() % 2 != 0 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

std::string TickTimes::json() const {
    auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", v);
        return std::string(text);
    };
    std::string out = "{\"ticks\":" + std::to_string(ticks_) +
                      ",\"block_ticks\":" + std::to_string(kBlockTicks) +
                      ",\"median_block_ms\":" + number(medianBlockMs()) +
                      ",\"total_ms\":" + number(totalMs_) + ",\"blocks_ms\":[";
    for (size_t i = 0; i < blocks_.size(); ++i) out += (i ? "," : "") + number(blocks_[i]);
    return out + "]}\n";
}

}  // namespace orbigolf::frontend
