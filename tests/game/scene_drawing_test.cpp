// The scene and the ball picture, pixel by pixel on small pictures made here.

#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "game/ball_picture.h"
#include "game/frame_counts.h"
#include "game/game_tick.h"
#include "game/scene_drawing.h"

namespace orbigolf {
namespace {

using platform::Pixel565;
using platform::toRgb565;
using testing::raw;

constexpr Pixel565 px(unsigned r5, unsigned g6, unsigned b5) { return static_cast<Pixel565>((r5 << 11) | (g6 << 5) | b5); }
media::Rgb rgbOf(Pixel565 p) {
    const platform::Rgb c = platform::fromRgb565(p);
    return media::makeRgb(c.r, c.g, c.b);
}

constexpr Pixel565 kGround = px(10, 20, 10);
constexpr Pixel565 kFrame0 = px(5, 10, 25);
constexpr Pixel565 kFrame1 = px(1, 2, 3);

struct SceneTest : ::testing::Test {
    void SetUp() override {
        testing::initDisplay(display, 64, 48);
        testing::fillList(course, 13);
        testing::fillList(gui, 19);
        // Course: 100 x 80 of one colour; sprite picture 3: two 4 x 4 frames.
        testing::setItem(course, 0, testing::solidItem(100, 80, rgbOf(kGround)));
        testing::setItem(course, 3, testing::pictureItem(
                                        8, 4, [](int x, int) { return rgbOf(x < 4 ? kFrame0 : kFrame1); }, 4, 4));
        pics = GamePictures{&gui, nullptr, &course};
        s.substeps = 1;
        s.courseWidth = 100;
        s.courseHeight = 80;
        s.scrollX = 10;
        s.scrollY = 5;
    }
    spriterec& slot(int n, int x, int y) {
        spriterec& sp = s.sprites[n];
        sp.x = x;
        sp.y = y;
        sp.image = 3;
        return sp;
    }
    void drawScene() {
        drawCoursePicture(display, s, pics);
        for (int i = kMaxSprites; i >= 1; --i) drawSpriteSlot(display, s, pics, s.sprites[i]);
    }
    platform::Display display;
    TDXImageList course, gui;
    GamePictures pics;
    GameState s;
};

TEST_F(SceneTest, FourByFourFrameInEveryMode) {
    slot(50, 20, 15);                    // plain at screen (10, 10)
    slot(49, 30, 15).tick = 4;           // plain, frame 1
    slot(48, 40, 15).blend = 255;        // additive
    slot(47, 20, 25).blend = -255;       // subtractive
    slot(46, 30, 25).blend = -128;
    slot(45, 40, 25).pulse = 127;        // alpha 254, frame 0 whatever the tick
    s.sprites[45].tick = 4;
    slot(44, 50, 25).pulse = 300;        // hidden part of the blink
    drawScene();
    EXPECT_EQ(raw(display, 10, 10), kFrame0);
    EXPECT_EQ(raw(display, 13, 13), kFrame0);
    EXPECT_EQ(raw(display, 14, 10), kGround);
    EXPECT_EQ(raw(display, 20, 10), kFrame1);
    EXPECT_EQ(raw(display, 30, 10), px(15, 30, 31));  // saturated blue
    EXPECT_EQ(raw(display, 10, 20), px(5, 10, 0));    // floored blue
    EXPECT_EQ(raw(display, 20, 20), px(7, 15, 0));    // 10 - 2.5 (rounded up), 20 - 5, 10 - 12.5 floored
    const Pixel565 pulse = raw(display, 30, 20);
    EXPECT_NE(pulse, kGround);
    EXPECT_EQ(pulse >> 11, 5u);
    EXPECT_EQ(raw(display, 40, 20), kGround);
}

TEST_F(SceneTest, EmptySlotsAndBadPictureNumbersDrawNothing) {
    slot(1, 0, 0);                  // (0, 0) is an empty slot
    slot(2, 20, 15).image = 13;     // past the end of the list
    slot(3, 30, 15).image = -1;
    slot(4, 40, 15).image = 1 << 30;
    drawScene();
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(raw(display, x, y), kGround) << x << "," << y;
}

TEST_F(SceneTest, SceneStepRunsAnimationsByThePicturesFrameCountsAndNotesThemAsDrawn) {
    const ListFrameCounts frames(&course);
    EXPECT_EQ(frames.framesOf(3), 2);
    EXPECT_EQ(frames.framesOf(13), 0);
    FrameRecord record;
    // The slots as the scene step noted them, before their animation advanced.
    const auto step = [&] {
        sceneStep(s, frames, record);
        drawCoursePicture(display, s, pics);
        for (int i = 0; i < record.spriteCount; ++i) drawSpriteSlot(display, s, pics, record.sprites[static_cast<size_t>(i)]);
    };
    slot(1, 20, 15);               // two frames: ends after 8 sub-steps
    slot(2, 30, 15).image = 13;    // no such picture: ends on its first tick, drawing nothing
    slot(3, 40, 15).keep = 1;      // loops
    step();
    EXPECT_EQ(raw(display, 10, 10), kFrame0);
    EXPECT_TRUE(s.sprites[2].x == 0 && s.sprites[2].y == 0);
    for (int t = 0; t < 6; ++t) step();
    EXPECT_EQ(raw(display, 10, 10), kFrame1);  // tick 4..7 shows frame 1
    step();
    EXPECT_EQ(s.sprites[1].x, 0);
    EXPECT_EQ(s.sprites[3].x, 40);
    EXPECT_EQ(s.sprites[3].tick, 0);
}

TEST_F(SceneTest, PulseStrengthRisesAndFalls) {
    EXPECT_EQ(pulseStrength(0), 0);
    EXPECT_EQ(pulseStrength(4), 8);
    EXPECT_EQ(pulseStrength(127), 254);
    EXPECT_EQ(pulseStrength(128), 254);
    EXPECT_EQ(pulseStrength(254), 2);
    EXPECT_EQ(pulseStrength(255), 0);
    EXPECT_EQ(pulseStrength(900), 0);
}

TEST_F(SceneTest, SmallCourseIsCentredOnBlack) {
    s.courseWidth = 40;
    testing::setItem(course, 0, testing::solidItem(40, 80, rgbOf(kGround)));
    s.scrollX = (40 - 64) / 2;
    s.scrollY = 0;
    drawCoursePicture(display, s, pics);
    EXPECT_EQ(raw(display, 11, 0), 0);
    EXPECT_EQ(raw(display, 12, 0), kGround);
    EXPECT_EQ(raw(display, 51, 0), kGround);
    EXPECT_EQ(raw(display, 52, 0), 0);
}

TEST_F(SceneTest, ParticlesInTheirFourStyles) {
    display.fill(0);
    particlerec& streak = s.particles[1];
    streak.active = 1;
    streak.shadow = 1;
    streak.lastX = 12, streak.lastY = 40, streak.lastZ = 10;
    streak.x = 16, streak.y = 40, streak.z = 10;
    streak.colour = 0x0000FF;  // red (blue-green-red from the high byte)
    drawParticle(display, s, s.particles[1]);
    EXPECT_EQ(raw(display, 2, 35), toRgb565(53, 49, 11));  // shadow streak on the ground
    EXPECT_EQ(raw(display, 5, 35), toRgb565(53, 49, 11));
    EXPECT_EQ(raw(display, 6, 35), 0);                     // the end point is left out
    EXPECT_EQ(raw(display, 2, 25), toRgb565(255, 0, 0));   // the streak in the air
    EXPECT_EQ(raw(display, 6, 25), 0);

    particlerec& dot = s.particles[2];
    dot.active = 1;
    dot.shadow = 1;
    dot.dot = 1;
    dot.x = 30, dot.y = 30, dot.z = 4.4;
    dot.colour = 0xFF0000;  // blue
    drawParticle(display, s, s.particles[2]);
    EXPECT_EQ(raw(display, 20, 25), toRgb565(207, 130, 0));
    EXPECT_EQ(raw(display, 20, 21), toRgb565(0, 0, 255));

    s.particles[3] = dot;
    s.particles[3].active = 0;
    s.particles[3].x = 40;
    drawParticle(display, s, s.particles[3]);
    EXPECT_EQ(raw(display, 30, 25), 0);
}

// Balls: a texture whose rows 0..7 are red and 8..15 blue.
struct BallTest : SceneTest {
    void SetUp() override {
        SceneTest::SetUp();
        testing::setItem(gui, 11, testing::pictureItem(16, 16, [](int, int y) {
            return y < 8 ? media::makeRgb(255, 0, 0) : media::makeRgb(0, 0, 255);
        }));
        display.fill(0);
        course.item(0) = TPictureCollectionItem(testing::solidItem(100, 80, 0));
        s.scrollX = s.scrollY = 0;
        playerrec& b = s.playerRecs[1];
        b.inPlay = 1;
        b.ballRows = 15;
        b.x = 20;
        b.y = 20;
    }
    const Pixel565 red = toRgb565(255, 0, 0), blue = toRgb565(0, 0, 255);
};

TEST_F(BallTest, SpinZeroShowsTheTextureUprightInsideTheRoundMask) {
    drawBall(display, s, pics, 1);
    // The ball's top-left pixel is (12, 12).
    EXPECT_EQ(raw(display, 12, 12), 0);          // outside the mask
    EXPECT_EQ(raw(display, 12 + 5, 12 + 1), 0);  // row 1 starts at column 6
    EXPECT_EQ(raw(display, 12 + 6, 12 + 1), red);
    EXPECT_EQ(raw(display, 12 + 3, 12 + 7), red);
    EXPECT_EQ(raw(display, 12 + 3, 12 + 9), blue);
    EXPECT_EQ(raw(display, 12 + 14, 12 + 8), blue);
    EXPECT_EQ(raw(display, 12 + 15, 12 + 8), 0);
    EXPECT_EQ(raw(display, 12 + 8, 12 + 15), 0);
    // Rolling by half the texture swaps the halves.
    display.fill(0);
    s.playerRecs[1].rollV = 8;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 12 + 3, 12 + 7), blue);
    EXPECT_EQ(raw(display, 12 + 3, 12 + 9), red);
}

TEST_F(BallTest, SpinSixtyFourTurnsTheTextureAQuarter) {
    s.playerRecs[1].spin = 64;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 12 + 3, 12 + 7), blue);
    EXPECT_EQ(raw(display, 12 + 12, 12 + 7), red);
    EXPECT_EQ(raw(display, 12 + 1, 12 + 8), blue);
    EXPECT_EQ(raw(display, 12 + 14, 12 + 8), red);
}

TEST_F(BallTest, AnyRollAndSpinStayInsideTheTexture) {
    playerrec& b = s.playerRecs[1];
    for (uint8_t spin : {uint8_t{0}, uint8_t{17}, uint8_t{100}, uint8_t{255}}) {
        b.spin = spin;
        b.rollU = 1e300;
        b.rollV = -3.7e12;
        b.ballRows = 200;
        drawBall(display, s, pics, 1);
    }
    EXPECT_NE(raw(display, 20, 20), 0);
}

TEST_F(BallTest, SinkingRowsHeightAndDepthLimit) {
    playerrec& b = s.playerRecs[1];
    b.ballRows = 7;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 12 + 6, 12 + 7), red);
    EXPECT_EQ(raw(display, 12 + 6, 12 + 8), 0);
    display.fill(0);
    b.ballRows = 15;
    b.z = 10;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 12 + 6, 2 + 1), red);  // drawn 10 pixels higher
    display.fill(0);
    b.z = -30;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 20, 50), 0);
    EXPECT_EQ(raw(display, 20, 20), 0);
}

TEST_F(BallTest, ShadowShadingTintForegroundAndCupLip) {
    const Pixel565 grey = toRgb565(128, 128, 128);
    testing::setItem(gui, 17, testing::solidItem(16, 16, media::makeRgb(255, 255, 255)));  // shadow
    testing::setItem(gui, 16, testing::solidItem(16, 16, media::makeRgb(255, 255, 255)));  // tint
    display.fill(grey);
    playerrec& b = s.playerRecs[1];
    b.z = 30;
    drawBall(display, s, pics, 1);
    // Shadow: left x - 4, top y - 6, width 16 + 3, strength 128 - 10, on the ground.
    EXPECT_LT(raw(display, 16 + 18, 14), grey);
    EXPECT_EQ(raw(display, 16 + 19, 14), grey);
    EXPECT_EQ(raw(display, 15, 14), grey);
    // A full tint darkens the whole square to black.
    display.fill(grey);
    b.z = 0;
    b.tint = 255;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 12 + 6, 12 + 1), 0);
    EXPECT_EQ(raw(display, 12, 12), 0);
    b.sunk = 1;  // no shading or tint on a ball that sank
    display.fill(grey);
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 12 + 6, 12 + 1), red);
    b.sunk = 0;
    b.tint = 0;

    // Foreground cells: picture 1 of the course in 24 x 24 cells, 4 per row (PW 100).
    TDXImageList& c = course;
    testing::setItem(c, 1, testing::pictureItem(96, 72, [](int x, int y) {
        return (x / 24 + 4 * (y / 24)) == 0 ? media::makeRgb(0, 255, 0) : media::Rgb{0};
    }, 24, 24, true));
    display.fill(0);
    b.x = 30;  // cell (1, 0): cell 0 is its left neighbour
    b.y = 20;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 23, 20), toRgb565(0, 255, 0));  // the neighbouring cell covers the ball's left
    EXPECT_NE(raw(display, 30, 20), toRgb565(0, 255, 0));

    // Cup lip over a holed ball, from the cup area; a bad area number draws no lip.
    testing::setItem(c, 2, testing::solidItem(4, 2, media::makeRgb(255, 255, 0)));
    display.fill(0);
    b.holed = 1;
    b.cupArea = 7;
    s.areas[7].x2 = 28;
    s.areas[7].y2 = 24;
    drawBall(display, s, pics, 1);
    EXPECT_EQ(raw(display, 28, 24), toRgb565(255, 255, 0));
    b.cupArea = 500;
    display.fill(0);
    drawBall(display, s, pics, 1);
    EXPECT_NE(raw(display, 28, 24), toRgb565(255, 255, 0));
}

}  // namespace
}  // namespace orbigolf
