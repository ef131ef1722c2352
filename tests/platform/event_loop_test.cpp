// The event loop over the headless window: injected input reaches the active form as
// forms expect it, timers tick from the idle step, failures are reported and survived.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "platform/headless/headless_window.h"
#include "platform/vk.h"

namespace orbigolf::platform {
namespace {

using Type = InputEvent::Type;

struct Fixture : ::testing::Test {
    HeadlessWindow window;
    EventLoop loop{window};
    std::vector<InputEvent> seen;
    std::vector<std::string> errors;

    void SetUp() override {
        loop.pushHandler([this](const InputEvent& e) { seen.push_back(e); });
        loop.setErrorReporter([this](const std::string& m) { errors.push_back(m); });
    }

    std::vector<Type> types() const {
        std::vector<Type> out;
        for (const auto& e : seen) out.push_back(e.type);
        return out;
    }
};

using EventLoopTest = Fixture;

TEST_F(EventLoopTest, KeysArriveAsVirtualKeyCodes) {
    window.keyDown(vk::VK_F5);
    window.keyUp(vk::VK_F5);
    window.keyTap(vk::VK_RETURN, ssShift);
    window.typeText("aé");
    loop.step(false);
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].type, Type::KeyDown);
    EXPECT_EQ(seen[0].key, 116);
    EXPECT_EQ(seen[1].type, Type::KeyUp);
    EXPECT_EQ(seen[2].key, 13);
    EXPECT_EQ(seen[2].shift, ssShift);
    EXPECT_EQ(seen[4].type, Type::KeyPress);
    EXPECT_EQ(seen[4].text, "a");
    EXPECT_EQ(seen[5].text, "é");
}

TEST_F(EventLoopTest, LeftClickGivesDownClickUp) {
    window.mouseMove(10, 20);
    window.click(MouseButton::Left, 11, 21);
    loop.step(false);
    EXPECT_EQ(types(), (std::vector<Type>{Type::MouseMove, Type::MouseDown, Type::Click, Type::MouseUp}));
    EXPECT_EQ(seen[1].x, 11);
    EXPECT_EQ(seen[1].y, 21);
    EXPECT_TRUE(seen[1].shift & ssLeft);
    EXPECT_FALSE(seen[3].shift & ssLeft);
    EXPECT_EQ(window.cursorX(), 11);
    EXPECT_EQ(window.cursorY(), 21);
}

TEST_F(EventLoopTest, RightButtonHasNoClick) {
    window.click(MouseButton::Right, 5, 5);
    loop.step(false);
    EXPECT_EQ(types(), (std::vector<Type>{Type::MouseDown, Type::MouseUp}));
    EXPECT_EQ(seen[0].button, MouseButton::Right);
}

TEST_F(EventLoopTest, DoubleClickSequence) {
    window.doubleClick(3, 4);
    loop.step(false);
    EXPECT_EQ(types(), (std::vector<Type>{Type::MouseDown, Type::Click, Type::MouseUp, Type::DblClick,
                                          Type::MouseDown, Type::MouseUp}));
    EXPECT_TRUE(seen[4].shift & ssDouble);
    EXPECT_FALSE(seen[0].shift & ssDouble);
}

TEST_F(EventLoopTest, ModalHandlerTakesEventsUntilPopped) {
    std::vector<int> modal;
    loop.pushHandler([&](const InputEvent& e) { modal.push_back(e.key); });
    window.keyDown('A');
    loop.step(false);
    loop.popHandler();
    window.keyDown('B');
    loop.step(false);
    EXPECT_EQ(modal, (std::vector<int>{'A'}));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, 'B');
}

TEST_F(EventLoopTest, FailuresAreReportedAndTheLoopGoesOn) {
    loop.pushHandler([](const InputEvent& e) {
        if (e.key == 'X') throw std::runtime_error("Cannot open file course1hole9.hole");
    });
    window.keyDown('X');
    window.keyDown('Y');
    loop.step(false);
    EXPECT_EQ(errors, (std::vector<std::string>{"Cannot open file course1hole9.hole"}));
}

TEST_F(EventLoopTest, TimersTickFromTheIdleStepWithSuppliedTime) {
    TDXTimer timer([this] { return window.nowMs(); });
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.setInterval(33);
    timer.setEnabled(true);
    loop.addTimer(&timer);

    loop.step(false);
    EXPECT_EQ(ticks, 0);
    window.advance(33);
    loop.step(false);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer.frameRate(), 30);

    // Waiting runs the simulated clock on to the next due tick.
    window.setTime(window.nowMs() + 5);
    loop.runUntil([&] { return ticks == 3; });
    EXPECT_EQ(window.nowMs(), 99u);
    EXPECT_EQ(timer.frameRate(), 30);

    // A timer that throws is reported and keeps its schedule.
    timer.OnTimer = [] { throw std::runtime_error("tick failed"); };
    window.advance(33);
    loop.step(false);
    EXPECT_EQ(errors, (std::vector<std::string>{"tick failed"}));
    loop.removeTimer(&timer);
}

TEST_F(EventLoopTest, CloseRequestReachesTheForm) {
    window.requestClose();
    loop.step(false);
    EXPECT_EQ(types(), (std::vector<Type>{Type::Close}));
}

}  // namespace
}  // namespace orbigolf::platform
