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

// Steps the clock one millisecond at a time, as an idle loop that never oversleeps, and
// counts the ticks.
int ticksOver(Clocked& c, uint64_t ms) {
    const int before = c.ticks;
    for (uint64_t i = 0; i < ms; ++i) {
        ++c.now;
        c.timer.idle();
    }
    return c.ticks - before;
}

TEST(TimerCap, SixtyASecondWithoutDriftAndMeasuredFromTheRealGaps) {
    Clocked c;
    c.timer.setInterval(0);
    c.timer.setMaxRate(60);
    c.timer.setEnabled(true);
    EXPECT_EQ(c.timer.msUntilDue(), 17);
    EXPECT_FALSE(c.timer.idle());
    EXPECT_EQ(ticksOver(c, 10000), 600);
    EXPECT_EQ(ticksOver(c, 60000), 3600);
    // The gaps are 16 or 17 ms, and the frame rate says so.
    const int f = c.timer.frameRate();
    EXPECT_TRUE(f == 59 || f == 62) << f;  // round(1000 / 17), round(1000 / 16)
}

TEST(TimerCap, LateTicksAreMadeUpSoABusyMachineKeepsTheRate) {
    Clocked c;
    c.timer.setInterval(0);
    c.timer.setMaxRate(60);
    c.timer.setEnabled(true);
    // Every idle step comes 40 ms after the last: two slots or three are due each time,
    // and the ticks due follow one another at once.
    int ticks = 0;
    for (int i = 0; i < 250; ++i) {
        c.now += 40;
        while (c.timer.idle()) ++ticks;
    }
    EXPECT_EQ(ticks, 600);  // 10 s
    EXPECT_EQ(c.timer.frameRate(), 1000);  // the made-up tick followed at once
}

TEST(TimerCap, ALongStallStartsTheScheduleAfreshInsteadOfCatchingUp) {
    Clocked c;
    c.timer.setInterval(0);
    c.timer.setMaxRate(60);
    c.timer.setEnabled(true);
    ticksOver(c, 100);
    c.now += 500;  // a slow hole set-up or a stalled window
    EXPECT_TRUE(c.timer.idle());
    EXPECT_EQ(c.timer.frameRate(), 2);
    // No burst: the next tick waits out a whole period.
    EXPECT_EQ(ticksOver(c, 16), 0);
    EXPECT_EQ(ticksOver(c, 1), 1);
    EXPECT_EQ(ticksOver(c, 1000), 60);
}

TEST(TimerCap, TheLongerOfIntervalAndCapWinsAndNoCapTicksFreely) {
    Clocked c;
    c.timer.setInterval(33);
    c.timer.setMaxRate(60);
    c.timer.setEnabled(true);
    EXPECT_EQ(ticksOver(c, 3300), 100);
    c.timer.setInterval(0);
    c.timer.setMaxRate(0);
    EXPECT_EQ(ticksOver(c, 100), 100);
    c.timer.setMaxRate(-3);
    EXPECT_EQ(c.timer.maxRate(), 0);
}

TEST(TimerCap, ReenablingAndAClockStepBackRestartTheSchedule) {
    Clocked c;
    c.timer.setInterval(0);
    c.timer.setMaxRate(60);
    c.timer.setEnabled(true);
    ticksOver(c, 50);
    c.timer.setEnabled(false);
    c.now += 5000;
    c.timer.setEnabled(true);
    EXPECT_EQ(c.timer.msUntilDue(), 17);
    c.now -= 1000;
    EXPECT_FALSE(c.timer.idle());
    EXPECT_EQ(ticksOver(c, 17), 1);
}

}  // namespace
}  // namespace orbigolf::platform
