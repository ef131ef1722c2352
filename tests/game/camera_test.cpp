// The view's arithmetic: glide, follow margins, hand scrolling with its braking, limits
// and centring.

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "game/camera.h"

namespace orbigolf {
namespace {

GameState viewState(int courseW = 2000, int courseH = 2000) {
    GameState s;
    s.numPlayers = 2;
    s.curPlayer = 1;
    s.substeps = 1;
    s.courseWidth = courseW;
    s.courseHeight = courseH;
    s.mouseX = 320;
    s.mouseY = 240;
    return s;
}

TEST(Camera, GlideMovesAQuarterOfTheWayAndStopsOnArrival) {
    GameState s = viewState();
    s.playerRecs[1].x = 1000;
    s.playerRecs[1].y = 1000;
    s.recentre = 1;
    glideToBall(s, 640, 480);
    EXPECT_EQ(s.scrollX, 170);  // (3 * 0 + 680) div 4
    EXPECT_EQ(s.scrollY, 190);  // (3 * 0 + 760) div 4
    EXPECT_TRUE(s.recentre);
    EXPECT_EQ(s.lastScrollX, 170);
    int ticks = 1;
    while (s.recentre && ticks < 100) {
        glideToBall(s, 640, 480);
        ++ticks;
    }
    EXPECT_FALSE(s.recentre);
    // The truncating division stalls the glide up to 3 pixels short on each axis; the
    // stall ends it too (the view equals the last one).
    EXPECT_LE(std::abs(s.scrollX - 680), 3);
    EXPECT_LE(std::abs(s.scrollY - 760), 3);
    EXPECT_LT(ticks, 30);

    // In the whole view step the follow margins also hold while gliding.
    s.scrollX = s.scrollY = 0;
    s.recentre = 1;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollX, 1000 - 512);
    EXPECT_EQ(s.scrollY, 1000 - 352);
}

TEST(Camera, GlideEndsAtTheCourseEdgeWhenTheOtherAxisHasArrived) {
    GameState s = viewState(2000, 2000);
    s.playerRecs[1].x = 100;  // target x is negative: the view stays pinned at 0
    s.playerRecs[1].y = 1000;
    s.scrollY = 760;
    s.recentre = 1;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollX, 0);
    EXPECT_FALSE(s.recentre);
}

TEST(Camera, GlideEndsAtTheFarCourseEdgeWhenTheOtherAxisHasArrived) {
    // The course is 2000 wide: the view's right limit is 1360. The step lands exactly on
    // it, 3 short of the target, and 3 from the target row: the glide ends.
    GameState s = viewState(2000, 2000);
    s.playerRecs[1].x = 1683;  // target x 1363
    s.playerRecs[1].y = 736;   // target y 496
    s.scrollX = s.lastScrollX = 1359;
    s.scrollY = s.lastScrollY = 500;
    s.recentre = 1;
    glideToBall(s, 640, 480);
    EXPECT_EQ(s.scrollX, 1360);
    EXPECT_EQ(s.scrollY, 499);
    EXPECT_FALSE(s.recentre);
}

TEST(Camera, FollowKeepsTheBall128PixelsInsideInOrder) {
    GameState s = viewState();
    s.scrollX = 500;
    s.scrollY = 500;
    s.anyMoving = 1;
    playerrec& b = s.playerRecs[1];
    b.moving = 1;
    b.x = 600;
    b.y = 900;
    b.z = 0;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollX, 472);  // 600 - 128
    EXPECT_EQ(s.scrollY, 548);  // 900 - (480 - 128)
    b.z = 50;                   // drawn 50 pixels higher: inside the margin again
    s.scrollY = 500;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollY, 500);
}

TEST(Camera, FollowTakesTheHighestMovingBallWhenTheCurrentOneLiesStill) {
    GameState s = viewState();
    s.numPlayers = 3;
    s.anyMoving = 1;
    s.scrollX = 0;
    s.scrollY = 0;
    s.playerRecs[1].x = 300;
    s.playerRecs[1].y = 300;
    s.playerRecs[2].moving = 1;
    s.playerRecs[2].x = 1000;
    s.playerRecs[2].y = 300;
    s.playerRecs[3].moving = 1;
    s.playerRecs[3].x = 1500;
    s.playerRecs[3].y = 300;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollX, 1500 - 512);
    // A sunk current ball is followed even while others move.
    s.playerRecs[1].sunk = 1;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollX, 300 - 128);
}

TEST(Camera, FreeScrollAcceleratesBrakesAndKeepsASmallPositiveSpeed) {
    GameState s = viewState();
    s.scrollX = s.scrollY = 500;
    s.keyRight = 1;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollVX, 2);  // +4, then braked by 2
    for (int i = 0; i < 40; ++i) moveView(s, 640, 480);
    EXPECT_EQ(s.scrollVX, 64);  // limited
    s.keyRight = 0;
    s.keyLeft = 1;  // the direction changes: accelerate the other way while braking
    const int before = s.scrollX;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollVX, 58);
    EXPECT_EQ(s.scrollX, before + 7);
    s.keyLeft = 0;
    s.scrollVX = 1;  // braking loses 2, then as a negative speed gains 2 back
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollVX, 1);
    s.scrollVX = -10;
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollVX, -8);
    EXPECT_EQ(s.scrollX, before + 7 - 1);  // -8 div 8
}

TEST(Camera, FreeScrollScalesWithSubstepsAndReadsTheMouseAtTheEdges) {
    GameState s = viewState();
    s.substeps = 4;
    s.scrollX = s.scrollY = 500;
    s.mouseX = 637;  // > W - 4
    s.mouseY = 2;    // < 4
    moveView(s, 640, 480);
    EXPECT_EQ(s.scrollVX, 8);
    EXPECT_EQ(s.scrollVY, -8);
    EXPECT_EQ(s.scrollX, 501);
    EXPECT_EQ(s.scrollY, 499);
}

TEST(Camera, TheMouseScrollsOnlyFromTheThreeOutermostPixels) {
    const auto speedsAt = [](int mouseX, int mouseY) {
        GameState s = viewState();
        s.scrollX = s.scrollY = 500;
        s.mouseX = mouseX;
        s.mouseY = mouseY;
        moveView(s, 640, 480);
        return std::make_pair(s.scrollVX, s.scrollVY);
    };
    EXPECT_EQ(speedsAt(636, 476), std::make_pair(0, 0));  // exactly W - 4 and H - 4
    EXPECT_EQ(speedsAt(637, 477), std::make_pair(2, 2));
    EXPECT_EQ(speedsAt(4, 4), std::make_pair(0, 0));
    EXPECT_EQ(speedsAt(3, 3), std::make_pair(-2, -2));
}

TEST(Camera, LimitsAndCentringOfASmallCourse) {
    GameState s = viewState(2000, 1000);
    s.scrollX = -50;
    s.scrollY = 900;
    EXPECT_FALSE(limitView(s, 640, 480));
    EXPECT_EQ(s.scrollX, 0);
    EXPECT_EQ(s.scrollY, 520);

    GameState small = viewState(400, 301);
    small.keyRight = small.keyDown = 1;
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(moveView(small, 640, 480));
    EXPECT_EQ(small.scrollX, -120);
    EXPECT_EQ(small.scrollY, -89);  // (301 - 480) div 2, toward zero
}

}  // namespace
}  // namespace orbigolf
