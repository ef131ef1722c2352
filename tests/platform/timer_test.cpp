// The game timer: interval, enabling and measured frame rate.

#include <gtest/gtest.h>

#include "platform/timer.h"

namespace orbigolf::platform {
namespace {

struct Clocked {
    uint64_t now = 1000;
    int ticks = 0;
    TDXTimer timer{[this] { return now; }};

    Clocked() {
        timer.OnTimer = [this] { ++ticks; };
    }
};

TEST(Timer, DisabledTimerNeverTicks) {
    Clocked c;
    c.timer.setInterval(0);
    c.now += 500;
    EXPECT_FALSE(c.timer.idle());
    EXPECT_EQ(c.ticks, 0);
    EXPECT_EQ(c.timer.msUntilDue(), -1);
}

TEST(Timer, TicksWhenTheIntervalHasPassed) {
    Clocked c;
    c.timer.setInterval(33);
    c.timer.setEnabled(true);
    c.now += 32;
    EXPECT_FALSE(c.timer.idle());
    EXPECT_EQ(c.timer.msUntilDue(), 1);
    c.now += 1;
    EXPECT_TRUE(c.timer.idle());
    EXPECT_EQ(c.ticks, 1);
    EXPECT_EQ(c.timer.frameRate(), 30);  // round(1000 / 33)
    // Late idle steps measure the longer time.
    c.now += 66;
    EXPECT_TRUE(c.timer.idle());
    EXPECT_EQ(c.timer.frameRate(), 15);
}

TEST(Timer, FrameRateIsRoundedWithTiesToEven) {
    Clocked c;
    c.timer.setInterval(0);
    c.timer.setEnabled(true);
    const std::pair<uint64_t, int> cases[] = {{16, 62}, {17, 59}, {25, 40}, {24, 42}, {48, 21}, {50, 20},
                                              {80, 12}, {400, 2},  {2000, 0}, {3000, 0}};
    for (auto [t, expected] : cases) {
        c.now += t;
        ASSERT_TRUE(c.timer.idle());
        EXPECT_EQ(c.timer.frameRate(), expected) << "t=" << t;
    }
}

TEST(Timer, IntervalZeroTicksEveryIdleStepAndCountsAtLeastOneMillisecond) {
    Clocked c;
    c.timer.setInterval(0);
    c.timer.setEnabled(true);
    EXPECT_TRUE(c.timer.idle());
    EXPECT_TRUE(c.timer.idle());
    EXPECT_EQ(c.ticks, 2);
    EXPECT_EQ(c.timer.frameRate(), 1000);
}

TEST(Timer, ReenablingRestartsTheMeasurement) {
    Clocked c;
    c.timer.setInterval(66);
    c.timer.setEnabled(true);
    c.timer.setEnabled(false);
    c.now += 5000;  // a long hole set-up
    c.timer.setEnabled(true);
    c.now += 66;
    EXPECT_TRUE(c.timer.idle());
    EXPECT_EQ(c.timer.frameRate(), 15);
}

TEST(Timer, NegativeIntervalCountsAsZeroAndAClockStepBackDoesNotStall) {
    Clocked c;
    c.timer.setInterval(-5);
    EXPECT_EQ(c.timer.interval(), 0);
    c.timer.setInterval(10);
    c.timer.setEnabled(true);
    c.now -= 500;
    EXPECT_FALSE(c.timer.idle());
    c.now += 10;
    EXPECT_TRUE(c.timer.idle());
}

}  // namespace
}  // namespace orbigolf::platform
