#pragma once
// How long a replay's game ticks take, to compare one build's speed with another's (the
// browser's with the desktop's): the time from the end of one tick to the end of the
// next (tick 1 only starts the clock), summed in blocks of 100 ticks, since a browser's
// clock may count in tenths of a millisecond. The median block passes over the few blocks
// that set up a hole (or, in a replay of the whole program, whose ticks count on across its
// games, span the launch pad between two games).

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace orbigolf::frontend {

class TickTimes {
public:
    static constexpr int kBlockTicks = 100;

    // After every tick; `tick` is its number, from 1.
    void tickEnded(int64_t tick);
    int64_t ticks() const { return ticks_; }
    const std::vector<double>& blocks() const { return blocks_; }  // milliseconds, whole blocks only
    double medianBlockMs() const;
    // {"ticks":N,"block_ticks":100,"median_block_ms":M,"total_ms":T,"blocks_ms":[...]}
    std::string json() const;

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point last_;
    double blockMs_ = 0;
    double totalMs_ = 0;
    int64_t ticks_ = 0;
    std::vector<double> blocks_;
};

}  // namespace orbigolf::frontend
