// The game tick's own duties: what it notes for the drawing when the state moves on later
// in the tick, the hole set-up hook, and the pass count from the frame rate.

#include <gtest/gtest.h>

#include "game/game_tick.h"
#include "game_test_support.h"

namespace orbigolf {
namespace {

using testing::placeBall;
using testing::RecordingEffects;

class CountingHoleSetUp final : public HoleSetUp {
public:
    explicit CountingHoleSetUp(bool goOn) : goOn_(goOn) {}
    bool setUpHole(GameState& s) override {
        ++calls;
        name = s.holeName;
        return goOn_;
    }
    int calls = 0;
    std::string name;

private:
    bool goOn_;
};

TEST(GameTick, NotesEachBallAsDrawnBeforeItsRulesPassAndSpritesBeforeTheyAdvance) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    s.dropX = 400;
    s.dropY = 600;
    playerrec& sunk = placeBall(s, 1, 400, 100, 0, 0.5);  // the rules pass re-drops it further down
    sunk.sunk = 1;
    sunk.ballRows = 0;
    placeBall(s, 2, 200, 300);
    spriterec& puff = s.sprites[5];  // a one-frame effect on its last tick
    puff.x = 50;
    puff.y = 60;
    puff.image = 3;
    puff.tick = 3;
    FrameRecord record;
    TickInput in;
    ASSERT_TRUE(gameTick(s, Rules{}, in, fx, record));

    ASSERT_EQ(record.ballCount, 2);
    EXPECT_EQ(record.ballPlayers[0], 1);  // the ball further back is drawn first
    EXPECT_LT(record.balls[0].y, 101);
    EXPECT_TRUE(record.balls[0].sunk);
    EXPECT_GT(s.playerRecs[1].y, 580);
    EXPECT_EQ(record.ballPlayers[1], 2);

    ASSERT_EQ(record.spriteCount, 1);
    EXPECT_EQ(record.sprites[0].x, 50);
    EXPECT_EQ(record.sprites[0].tick, 3);
    EXPECT_TRUE(s.sprites[5].x == 0 && s.sprites[5].y == 0);  // its animation ended
}

TEST(GameTick, ABallThirtyBelowTheGroundIsNeitherDrawnNorRuled) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    placeBall(s, 1, 400, 300).z = -29.5;  // deep in a pipe, still shown
    placeBall(s, 2, 200, 300).z = -30;
    FrameRecord record;
    ballStep(s, Rules{}, fx, record);
    ASSERT_EQ(record.ballCount, 1);
    EXPECT_EQ(record.ballPlayers[0], 1);
}

TEST(GameTick, NotesTheClubAsSwungInTheTickThatStrikes) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    playerrec& b = placeBall(s, 1, 300, 300);
    b.pullPutt = 1;
    b.heading = 64;
    b.speed = 2;
    s.puttPhase = PuttPhase::Swinging;
    s.swingLeft = 1;
    s.swingStep = 1;
    FrameRecord record;
    TickInput in;
    ASSERT_TRUE(gameTick(s, Rules{}, in, fx, record));
    EXPECT_EQ(s.puttPhase, PuttPhase::Idle);
    EXPECT_TRUE(b.moving);
    EXPECT_TRUE(record.putt.club);
    EXPECT_FALSE(record.putt.marker);
    EXPECT_EQ(record.putt.clubPose, 8);  // pointing down the screen, away from the heading
}

TEST(GameTick, SetsUpTheNextHoleOnceTheResultHasFadedAndStopsWhenTheGameCannotGoOn) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    s.screenMode = ScreenMode::BetweenHoles;
    s.bigMessageFade = 0;
    s.nextHole = "course1hole2";
    s.puttPhase = PuttPhase::Aiming;  // putting would run after the set-up
    s.mouseX = 10;
    CountingHoleSetUp stop(false);
    TickInput in;
    in.holeSetUp = &stop;
    FrameRecord record;
    EXPECT_FALSE(gameTick(s, Rules{}, in, fx, record));
    EXPECT_EQ(stop.calls, 1);
    EXPECT_EQ(stop.name, "course1hole2");
    EXPECT_TRUE(record.holeSetUp);
    EXPECT_EQ(s.aimFrame, 0);  // the putting step did not run

    CountingHoleSetUp goOn(true);
    in.holeSetUp = &goOn;
    s.screenMode = ScreenMode::Play;
    EXPECT_TRUE(gameTick(s, Rules{}, in, fx, record));
    EXPECT_EQ(goOn.calls, 0);  // only between holes
    EXPECT_FALSE(record.holeSetUp);
}

TEST(GameTick, PassCountFollowsTheMeasuredFrameRateFromTheNextTick) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    TickInput in;
    for (const auto& [fps, substeps] : {std::pair{1, 4}, {20, 4}, {21, 2}, {40, 2}, {41, 1}, {1000, 1}}) {
        in.fps = fps;
        gameTick(s, Rules{}, in, fx);
        EXPECT_EQ(s.substeps, substeps) << fps;
        EXPECT_EQ(steadyFps(substeps) <= 20 ? 4 : (steadyFps(substeps) <= 40 ? 2 : 1), substeps);
    }
}

}  // namespace
}  // namespace orbigolf
