// The putting step's own pictures: the aim marker's frames and the gauge's pattern.

#include <gtest/gtest.h>

#include <vector>

#include "game/putting.h"
#include "game_test_support.h"

namespace orbigolf {
namespace {

// Ball 1 lies at the anchor (320, 240) of a pull putt being aimed.
GameState aimingState() {
    GameState s = testing::makeState();
    testing::placeBall(s, 1, 320, 240).pullPutt = 1;
    s.dropX = 320;
    s.dropY = 240;
    s.mouseX = 320;
    s.mouseY = 240;
    s.puttPhase = PuttPhase::Aiming;
    return s;
}

TEST(PuttingStep, TheAimMarkerCountsTenStepsAndShowsAFrameForEveryThree) {
    GameState s = aimingState();
    testing::RecordingEffects fx;
    std::vector<int> steps, frames;
    for (int i = 0; i < 12; ++i) {
        PuttDrawing g;
        puttingStep(s, fx, g);
        steps.push_back(s.aimFrame);
        frames.push_back(g.markerFrame);
        EXPECT_TRUE(g.marker);
    }
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2}));
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 3, 0, 0, 0}));
}

TEST(PuttingStep, TheGaugeShowsAThirdOfTheStrengthRoundedToEven) {
    // A pull of 2d pixels gives strength d (at most 90).
    const auto patternForPull = [](int pull) {
        GameState s = aimingState();
        testing::RecordingEffects fx;
        s.mouseX = 320 - pull;
        PuttDrawing g;
        puttingStep(s, fx, g);
        EXPECT_TRUE(g.gauge);
        return g.gaugePattern;
    };
    EXPECT_EQ(patternForPull(180), 30);
    EXPECT_EQ(patternForPull(400), 30);  // the strength stops at 90
    EXPECT_EQ(patternForPull(90), 15);   // 45 / 3
    EXPECT_EQ(patternForPull(15), 2);    // 7.5 / 3 = 2.5 rounds to even
    EXPECT_EQ(patternForPull(21), 4);    // 10.5 / 3 = 3.5 rounds to even
    EXPECT_EQ(patternForPull(8), 1);     // 4 / 3
}

TEST(PuttingStep, APushPuttShowsTheMarker75PixelsOutAndTheClubAtItsBackswing) {
    GameState s = aimingState();
    s.playerRecs[1].pullPutt = 0;
    testing::RecordingEffects fx;
    // Aiming: the mouse 64 pixels left of the anchor turns the ball to heading 192, down
    // the screen; the club stands 12 pixels behind it.
    s.mouseX = 320 - 64;
    PuttDrawing g;
    puttingStep(s, fx, g);
    EXPECT_EQ(s.playerRecs[1].heading, 192);
    EXPECT_TRUE(g.marker && g.club);
    EXPECT_FALSE(g.gauge);
    EXPECT_EQ(g.markerX, 320 - 16);
    EXPECT_EQ(g.markerY, 240 - 75 - 13);
    EXPECT_EQ(g.clubX, 320 - 47);
    EXPECT_EQ(g.clubY, 240 + 12 - 125);

    // Backswing set: the mouse 100 pixels below the anchor gives power 50; the marker
    // stays 75 pixels out and the gauge stands there.
    s.puttPhase = PuttPhase::BackswingSet;
    s.mouseY = 240 + 100;
    puttingStep(s, fx, g);
    EXPECT_EQ(s.pushPower, 50);
    EXPECT_EQ(g.markerY, 240 - 75 - 13);
    EXPECT_EQ(g.gaugeY, 240 - 75 - 56);
    EXPECT_EQ(g.gaugePattern, 17);  // 50 / 3
    EXPECT_EQ(g.clubY, 240 + 50 - 125);
    s.mouseY = 240 + 400;
    puttingStep(s, fx, g);
    EXPECT_EQ(s.pushPower, 90);  // at most 90
    s.mouseY = 240 + 2;
    puttingStep(s, fx, g);
    EXPECT_EQ(s.pushPower, 5);  // at least 5

    // The forward swing: the marker and the gauge stay 75 pixels out until the club
    // passes the ball.
    s.puttPhase = PuttPhase::ForwardSwing;
    s.mouseY = 240 + 30;
    puttingStep(s, fx, g);
    EXPECT_EQ(s.playerRecs[1].speed, 15);
    EXPECT_EQ(g.markerY, 240 - 75 - 13);
    EXPECT_EQ(g.gaugeY, 240 - 75 - 56);
    EXPECT_EQ(g.gaugePattern, 5);
}

}  // namespace
}  // namespace orbigolf
