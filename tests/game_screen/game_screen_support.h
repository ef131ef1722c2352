#pragma once
// A game screen run headlessly on the generated content set, driven as a player would
// drive it: events through the same handler entry the window uses, ticks at a chosen
// frame rate, everything recorded into a replay that can be played back.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "frontend/replay.h"
#include "game/geometry.h"
#include "game/tmain.h"
#include "platform/headless/headless_window.h"
#include "platform/vk.h"

#ifndef ORBIGOLF_CONTENT_DIR
#define ORBIGOLF_CONTENT_DIR "."
#endif

namespace orbigolf::testing {

using platform::InputEvent;
using platform::MouseButton;
namespace vk = platform::vk;

class GameRun {
public:
    explicit GameRun(const LaunchPadControls& controls = {}, uint64_t seed = 1,
                     std::string dataDir = ORBIGOLF_CONTENT_DIR)
        : controls_(controls) {
        game_ = std::make_unique<TMain>(window_, nullptr, dataDir, controls_, seed);
        recorder_.emplace(record_, seed, controls_);
        game_->setObserver(&*recorder_);
        game_->FormCreate();
        game_->show();
    }

    TMain& game() { return *game_; }
    GameState& s() { return game_->state(); }
    platform::HeadlessWindow& window() { return window_; }
    LaunchPadControls& controls() { return controls_; }

    void tick(int n = 1, int fps = 60) {
        for (int i = 0; i < n; ++i) game_->runTick(fps);
    }
    void send(const InputEvent& e) { game_->handleEvent(e); }
    void key(int code) {
        send(InputEvent::keyDown(code));
        send(InputEvent::keyUp(code));
    }
    void moveTo(int x, int y) { send(InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, x, y)); }
    void press(int x, int y, MouseButton b = MouseButton::Left) {
        moveTo(x, y);
        send(InputEvent::mouse(InputEvent::Type::MouseDown, b, x, y));
    }
    void release(int x, int y, MouseButton b = MouseButton::Left) {
        send(InputEvent::mouse(InputEvent::Type::MouseUp, b, x, y));
        if (b == MouseButton::Left) send(InputEvent::mouse(InputEvent::Type::Click, b, x, y));
    }
    void click(int x, int y) {
        press(x, y);
        release(x, y);
    }
    // The pointer was parked: the window system reports the move, as SDL does after a warp.
    void followCursor() { moveTo(window_.cursorX(), window_.cursorY()); }

    int ballScreenX() { return roundInt(s().playerRecs[s().curPlayer].x) - s().scrollX; }
    int ballScreenY() { return roundInt(s().playerRecs[s().curPlayer].y) - s().scrollY; }

    // Ticks until `done` or `limit` ticks; returns whether `done` became true.
    template <class F>
    bool tickUntil(F done, int limit = 20000) {
        for (int i = 0; i < limit && !game_->closed(); ++i) {
            if (done()) return true;
            tick();
        }
        return done();
    }

    // Mouse offset from the anchor that aims a pull putt along `heading` with strength
    // giving ball speed `speed` (pull of speed * 40 pixels).
    static std::pair<int, int> pullOffset(int32_t heading, double speed) {
        const int32_t d = roundInt(speed * 40);
        const int32_t want = angleMod(heading + 128);
        for (int dx = -d - 2; dx <= d + 2; ++dx)
            for (int dy = -d - 2; dy <= d + 2; ++dy)
                if (plainDist(0, 0, dx, dy) == d && angleMod(turnOf(double(dx), double(dy))) == want) return {dx, dy};
        ADD_FAILURE() << "no pull offset for heading " << heading << " speed " << speed;
        return {0, 0};
    }

    // A pull putt by the current player: press on the ball, pull, release; then the ball
    // rolls until every ball has stopped.
    void pullPutt(int32_t heading, double speed) {
        ASSERT_TRUE(tickUntil([&] { return !s().recentre; }, 600));
        press(ballScreenX(), ballScreenY());
        ASSERT_EQ(s().puttPhase, PuttPhase::Aiming) << "the press missed the ball";
        followCursor();
        tick();
        const auto [dx, dy] = pullOffset(heading, speed);
        moveTo(s().dropX + dx, s().dropY + dy);
        tick();
        release(s().dropX + dx, s().dropY + dy);
        ASSERT_EQ(s().puttPhase, PuttPhase::Swinging);
        ASSERT_TRUE(tickUntil([&] { return s().puttPhase == PuttPhase::Idle; }, 200));
        followCursor();
        ASSERT_TRUE(tickUntil([&] { return !s().anyMoving; }, 20000));
    }

    // Dismisses the hole card with a click away from the ball and the panel.
    void dismissCard() {
        ASSERT_EQ(s().screenMode, ScreenMode::HoleCard);
        click(600, 400);
        followCursor();
        ASSERT_EQ(s().screenMode, ScreenMode::Play);
    }

    // The replay recorded so far, closed with its end line.
    std::string recorded() {
        recorder_->finish();
        return record_.str();
    }

private:
    platform::HeadlessWindow window_;
    LaunchPadControls controls_;
    std::ostringstream record_;
    std::optional<replay::Recorder> recorder_;
    std::unique_ptr<TMain> game_;
};

// Plays replay text on a fresh headless game screen; returns the summary JSON.
inline std::string playReplay(const std::string& text, int64_t* ticks = nullptr) {
    std::istringstream in(text);
    const std::vector<replay::Line> lines = replay::parse(in, "test.replay");
    replay::StartValues start = replay::startValues(lines);
    platform::HeadlessWindow window;
    TMain game(window, nullptr, ORBIGOLF_CONTENT_DIR, start.controls, start.seed);
    game.FormCreate();
    game.show();
    const int64_t ran = replay::play(lines, game, start.controls);
    if (ticks) *ticks = ran;
    return replay::summaryJson(game, ran);
}

}  // namespace orbigolf::testing
