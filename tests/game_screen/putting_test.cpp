// Pull and push putts through the mouse handlers and the tick: phases, strengths, the
// gauge and the cases that strike nothing.

#include "game_screen_support.h"

namespace orbigolf::testing {
namespace {

class Putting : public ::testing::Test {
protected:
    void SetUp() override {
        run.dismissCard();
        ASSERT_TRUE(run.tickUntil([&] { return !s.recentre; }, 600));
    }
    void pressBall() {
        run.press(run.ballScreenX(), run.ballScreenY());
        run.followCursor();
    }
    GameRun run;
    GameState& s = run.s();
    playerrec& b = s.playerRecs[1];
};

TEST_F(Putting, APullReleasedWithinThreePixelsDoesNothing) {
    pressBall();
    ASSERT_EQ(s.puttPhase, PuttPhase::Aiming);
    run.moveTo(s.dropX + 3, s.dropY);
    run.tick();
    run.release(s.dropX + 3, s.dropY);
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
    run.tick(10);
    EXPECT_EQ(b.strokes, 0);
    EXPECT_FALSE(b.moving);
}

TEST_F(Putting, APullOf200PixelsShowsNinetyAndStrikesWithSpeedFour) {
    pressBall();
    run.moveTo(s.dropX - 200, s.dropY);
    run.tick();
    EXPECT_EQ(b.speed, 90);
    EXPECT_EQ(b.heading, 128 + 128);
    run.release(s.dropX - 200, s.dropY);
    EXPECT_EQ(s.swingLeft, 90);
    EXPECT_EQ(s.puttPhase, PuttPhase::Swinging);
    ASSERT_TRUE(run.tickUntil([&] { return s.puttPhase == PuttPhase::Idle; }, 100));
    EXPECT_EQ(b.strokes, 1);
    EXPECT_EQ(b.totalStrokes, 1);
    EXPECT_TRUE(b.moving);
    EXPECT_EQ(s.swingStep, 1);
}

TEST_F(Putting, EasyTargetingMovesTheMarkerOutWithTheStrength) {
    b.easyTarget = 1;
    pressBall();
    run.moveTo(s.dropX + 120, s.dropY);
    run.tick();
    EXPECT_EQ(b.speed, 60);
    // The marker stands round(60 * 2.25) = 135 pixels from the ball: drawn, not stored,
    // so the aim itself is what the state shows.
    EXPECT_EQ(s.aimFrame, 1);
}

TEST_F(Putting, PressingWhileABallRollsDoesNothing) {
    s.anyMoving = 1;
    pressBall();
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
}

// Push putt: click on the ball, aim, click, take the club back, click, swing forward.
void pushToBackswing(GameRun& run, int down) {
    GameState& s = run.s();
    run.click(run.ballScreenX(), run.ballScreenY());
    ASSERT_EQ(s.puttPhase, PuttPhase::Aiming);
    run.followCursor();
    run.tick();
    run.click(s.dropX, s.dropY);
    ASSERT_EQ(s.puttPhase, PuttPhase::Swinging);
    run.followCursor();
    run.moveTo(s.dropX, s.dropY + down);
    run.tick();
}

TEST_F(Putting, APushBackswingBelowSixteenStaysInPhaseTwo) {
    b.pullPutt = 0;
    ASSERT_NO_FATAL_FAILURE(pushToBackswing(run, 30));
    run.tick(3);
    EXPECT_EQ(s.puttPhase, PuttPhase::Swinging);
    run.click(s.dropX, s.dropY + 30);
    EXPECT_EQ(s.puttPhase, PuttPhase::Swinging);
}

TEST_F(Putting, APushStrikesWithTheLastMoveCappedByTheBackswing) {
    b.pullPutt = 0;
    ASSERT_NO_FATAL_FAILURE(pushToBackswing(run, 88));
    run.tick();
    EXPECT_EQ(s.puttPhase, PuttPhase::BackswingSet);
    run.tick();
    EXPECT_EQ(s.pushPower, 44);
    run.click(s.dropX, s.dropY + 88);
    EXPECT_EQ(s.puttPhase, PuttPhase::ForwardSwing);
    run.moveTo(s.dropX, s.dropY - 60);  // a fast forward swing
    run.tick();
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
    EXPECT_DOUBLE_EQ(b.speed, 2.0);  // 44 / 22, not the last move's 14.8
    EXPECT_EQ(b.strokes, 1);
}

TEST_F(Putting, APushAfterAnAbortedPullStillStrikes) {
    // A pull swing cancelled by the right button leaves swingLeft above zero.
    pressBall();
    run.moveTo(s.dropX - 100, s.dropY);
    run.tick();
    run.release(s.dropX - 100, s.dropY);
    run.press(s.dropX, s.dropY, MouseButton::Right);
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
    EXPECT_GT(s.swingLeft, 0);
    b.pullPutt = 0;
    ASSERT_NO_FATAL_FAILURE(pushToBackswing(run, 60));
    run.tick();
    run.click(s.dropX, s.dropY + 60);
    run.moveTo(s.dropX, s.dropY - 2);
    run.tick();
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
    EXPECT_TRUE(b.moving);
    EXPECT_EQ(b.strokes, 1);
}

TEST_F(Putting, APushWhiffCostsNothing) {
    b.pullPutt = 0;
    ASSERT_NO_FATAL_FAILURE(pushToBackswing(run, 60));
    run.tick();
    run.click(s.dropX, s.dropY + 60);
    run.moveTo(s.dropX, s.dropY + 1);
    run.tick();
    // The club passes the ball with a last move of no length: no strength at all.
    run.moveTo(s.dropX, s.dropY - 1);
    run.moveTo(s.dropX, s.dropY - 1);
    run.tick();
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
    EXPECT_EQ(b.strokes, 0);
}

TEST_F(Putting, AClickThatClosesACardCancelsTheAimItBegan) {
    run.key(vk::VK_PRIOR);
    ASSERT_EQ(s.screenMode, ScreenMode::HoleCard);
    run.click(run.ballScreenX(), run.ballScreenY());
    EXPECT_EQ(s.screenMode, ScreenMode::Play);
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
}

}  // namespace
}  // namespace orbigolf::testing
