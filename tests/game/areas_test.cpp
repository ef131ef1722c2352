// What the special kinds of area do to a ball inside them.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/areas.h"
#include "game_test_support.h"

namespace orbigolf {
namespace {

const std::string kPad(27, ' ');

// A fresh ball at (400, 300), heading 10 at speed 1.5, inside area 5.
struct AreaKinds : ::testing::Test {
    GameState s = testing::makeState(2);
    testing::RecordingEffects fx;
    playerrec* ball = nullptr;

    arearec& area(int kind) {
        s.playerRecs[1] = playerrec{};
        s.playerRecs[1].lastWall = -1;
        ball = &testing::placeBall(s, 1, 400, 300, 10, 1.5);
        return testing::discArea(s, 5, kind, 400, 300, 20);
    }
    void act() { areaAction(s, 1, 5, Rules{}, fx); }
};

TEST_F(AreaKinds, CupTakesABallOfSpeedTwoOrLessAndHopsAFasterOne) {
    area(5);
    ball->speed = 2.0;
    act();
    EXPECT_TRUE(ball->holed);
    EXPECT_EQ(ball->cupArea, 5);
    EXPECT_EQ(ball->speed, 0.75);
    EXPECT_TRUE(fx.played(3));

    area(5);
    ball->speed = 2.5;
    act();
    EXPECT_FALSE(ball->holed);
    EXPECT_TRUE(ball->airborne);
    EXPECT_DOUBLE_EQ(ball->climb, 2.5 / 1.75);
    EXPECT_TRUE(ball->heading >= 2 && ball->heading <= 17);
    EXPECT_EQ(s.message, kPad + "TOO FAST TO GO IN");

    area(26);  // a pipe hops a fast ball even high in the air
    ball->speed = 3;
    ball->z = 20;
    act();
    EXPECT_FALSE(ball->piped);
    EXPECT_DOUBLE_EQ(ball->climb, 3 / 1.75);
}

TEST_F(AreaKinds, WaterSinksALowBallOnceAndSetsTheDropPoint) {
    arearec& w = area(24);
    w.p1 = 120;
    w.p2 = 130;
    ball->z = 0.9;
    ball->climb = -0.5;
    act();
    act();
    EXPECT_TRUE(ball->sunk);
    EXPECT_EQ(s.dropX, 120);
    EXPECT_EQ(s.dropY, 130);
    EXPECT_EQ(ball->z, 0);
    EXPECT_EQ(fx.count(13), 1);
    EXPECT_EQ(s.particles[33].y, 306);
    area(24);
    ball->z = 1;
    act();
    EXPECT_FALSE(ball->sunk);
}

TEST_F(AreaKinds, SpringsKeepOrSetTheHeading) {
    arearec& plain = area(13);
    plain.p1 = 50;
    plain.p2 = 60;
    plain.p4 = 6;
    act();
    EXPECT_EQ(ball->heading, 10);  // p3 = 0 keeps the heading
    EXPECT_EQ(ball->climb, 6.0);
    EXPECT_EQ(ball->speed, 1.75);
    EXPECT_EQ(s.sprites[1].x, 50);
    EXPECT_EQ(s.sprites[1].image, 6);
    EXPECT_EQ(s.message, kPad + "YOU HIT A SPRING");
    for (int i = 0; i < 30; ++i) {
        area(13).comment = "murk";
        s.areas[5].p3 = 100;
        act();
        EXPECT_TRUE(ball->heading >= 17 && ball->heading <= 20) << ball->heading;
        EXPECT_EQ(ball->climb, 8.5);
    }
    area(43).p3 = 64;  // a fan
    act();
    EXPECT_TRUE(ball->heading >= 49 && ball->heading <= 64) << ball->heading;
    EXPECT_TRUE(fx.played(9));
}

TEST_F(AreaKinds, TeleportThrowsTheBallOutNearTheExit) {
    arearec& t = area(25);
    t.x2 = 900; t.y2 = 700;
    t.x3 = 900; t.y3 = 690;
    t.x4 = 1000; t.y4 = 690;  // along +x, length 100: speed 2
    act();
    EXPECT_LE(std::abs(ball->x - 900), 15.0);
    EXPECT_LE(std::abs(ball->y - 700), 7.5);
    EXPECT_EQ(ball->heading, 0);
    EXPECT_EQ(ball->speed, 2.0);
    EXPECT_EQ(ball->z, 10);
    EXPECT_TRUE(ball->airborne && s.recentre);
    EXPECT_EQ(s.nextEffect, 3);
    EXPECT_TRUE(fx.played(7));
}

TEST_F(AreaKinds, CourseEdgeDropsTheBallOutOfSightOnce) {
    arearec& edge = area(45);
    edge.p1 = 77;
    ball->z = 3;
    act();
    act();
    EXPECT_EQ(ball->z, 1200 - 300 + 3 + 500);
    EXPECT_EQ(ball->y, 1700);
    EXPECT_TRUE(ball->fellOff);
    EXPECT_EQ(s.dropX, 77);
    EXPECT_EQ(fx.count(26), 1);
}

TEST_F(AreaKinds, BonusPickUpGivesTheOwnerARepeatTurn) {
    s.curPlayer = 2;
    s.passTurn = 1;
    s.sprites[36].x = 5;
    s.nextEffect = 17;
    area(35);
    ball->strokes = 3;
    act();
    EXPECT_FALSE(s.areas[5].enabled);
    EXPECT_EQ(s.sprites[36].x, 0);
    EXPECT_EQ(s.sprites[2].blend, -192);
    EXPECT_EQ(s.nextEffect, 3);
    EXPECT_EQ(ball->strokes, 2);
    EXPECT_TRUE(s.bonusTaken);
    EXPECT_FALSE(s.passTurn);
}

TEST_F(AreaKinds, TextsSwitchesAndTheHiddenHole) {
    area(28).comment = "course9hole9";
    act();
    EXPECT_EQ(s.nextHole, "course9hole9");
    area(29).comment = "hidden";
    act();
    EXPECT_EQ(s.nextHole, "course5hole1");
    EXPECT_EQ(s.bigMessage, "BONUS HOLE DISCOVERED");
    s.areas[40] = arearec{};
    area(38).p1 = 40;
    act();
    EXPECT_TRUE(s.areas[40].enabled);
    for (int32_t bad : {0, -1, 100}) {  // no such area: nothing happens
        area(38).p1 = bad;
        act();
    }
    area(40);
    ball->airborne = 1;
    act();
    EXPECT_TRUE(s.areas[5].enabled);  // a switch-off needs a ball on the ground
}

TEST_F(AreaKinds, RoughGroundActsInAboutOnePassOfEight) {
    int acted = 0;
    for (int i = 0; i < 4000; ++i) {
        area(30);
        act();
        acted += ball->airborne;
    }
    EXPECT_GT(acted, 400);
    EXPECT_LT(acted, 600);
    EXPECT_EQ(fx.count(15) + fx.count(16), acted);
}

}  // namespace
}  // namespace orbigolf
