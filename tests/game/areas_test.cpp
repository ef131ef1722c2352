// What the special kinds of area do to a ball inside them.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "game/areas.h"
#include "game/geometry.h"
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
    ball->speed = 0.8;  // held to 0.75 however little faster
    act();
    EXPECT_EQ(ball->speed, 0.75);

    area(5);
    ball->speed = 2.5;
    act();
    EXPECT_FALSE(ball->holed);
    EXPECT_TRUE(ball->airborne);
    EXPECT_DOUBLE_EQ(ball->climb, 2.5 / 1.75);
    EXPECT_TRUE(ball->heading >= 2 && ball->heading <= 17);
    EXPECT_EQ(s.message, kPad + "TOO FAST TO GO IN");

    for (const double speed : {1.5, 0.8}) {  // a pipe takes a ball of speed two or less, at most at 0.75
        area(26);
        ball->speed = speed;
        act();
        EXPECT_TRUE(ball->piped);
        EXPECT_EQ(ball->speed, 0.75);
    }
    area(26);
    ball->speed = 0.7;
    act();
    EXPECT_EQ(ball->speed, 0.7);

    area(26);  // a pipe hops a fast ball even high in the air
    ball->speed = 3;
    ball->z = 20;
    act();
    EXPECT_FALSE(ball->piped);
    EXPECT_DOUBLE_EQ(ball->climb, 3 / 1.75);
}

TEST_F(AreaKinds, ThrowingAreasActOnlyOnABallBelowHeightFour) {
    // Cup (a fast ball hops out), spring, fan and blast: 3.99 is low enough, 4 is not.
    for (const int kind : {5, 13, 43, 27}) {
        for (const double z : {0.0, 3.5, 3.99}) {
            area(kind);
            ball->speed = 2.5;
            ball->z = z;
            act();
            EXPECT_TRUE(ball->airborne) << "kind " << kind << " at height " << z;
        }
        area(kind);
        ball->speed = 2.5;
        ball->z = 4;
        act();
        EXPECT_FALSE(ball->airborne) << "kind " << kind;
        EXPECT_EQ(ball->speed, kind == 5 ? 0.75 : 2.5) << "kind " << kind;  // the cup takes it
    }
}

TEST_F(AreaKinds, ABallTooFastForTheCupSaysSoSevenTimesInTen) {
    for (int i = 0; i < 2000; ++i) {
        area(5);
        ball->speed = 2.5;
        act();
    }
    // Seven in ten of 2000: about 1400, far from the 1556 of seven in nine.
    EXPECT_GT(fx.count(10), 1330);
    EXPECT_LT(fx.count(10), 1470);
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
    area(25).x4 = 1050;  // a longer exit direction still leaves at speed 2 at most
    s.areas[5].x2 = 900; s.areas[5].y2 = 700; s.areas[5].x3 = 900; s.areas[5].y3 = 690; s.areas[5].y4 = 690;
    act();
    EXPECT_EQ(ball->speed, 2.0);
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

TEST_F(AreaKinds, RampsTiltThePassAndPushWithAClampedStrength) {
    const struct { int kind, tilt, heading; } ramps[] = {{8, -13, 96}, {9, 13, 1}, {10, 13, 32}, {11, -13, 128}};
    for (const auto& r : ramps) {
        for (const double speed : {0.5, 1.5, 3.0}) {
            area(r.kind);
            ball->speed = speed;
            ball->lastWall = 7;
            act();
            EXPECT_EQ(ball->tilt, r.tilt) << r.kind;
            EXPECT_EQ(ball->slopeHeading, r.heading) << r.kind;
            EXPECT_DOUBLE_EQ(ball->slopePush, speed == 0.5 ? 0.017 : speed == 3.0 ? 0.031 : 1.5 * 0.014) << r.kind;
            EXPECT_EQ(ball->lastWall, -1);
        }
    }
}

TEST_F(AreaKinds, SlopesPushTheirWayAndTheFunnelDrawsTowardItsCentre) {
    const int32_t headings[] = {1, 19, 64, 109, 128, 147, 192, 237};
    for (int kind = 15; kind <= 22; ++kind) {
        area(kind);
        ball->lastWall = 7;
        act();
        EXPECT_EQ(ball->slopeHeading, headings[kind - 15]) << kind;
        EXPECT_EQ(ball->slopePush, 0.025);
        EXPECT_EQ(ball->lastWall, -1);
        EXPECT_EQ(ball->tilt, 0);
    }
    arearec& funnel = area(14);
    funnel.x1 = 380;  // the centre lies up and to the left of the ball
    funnel.y1 = 280;
    act();
    EXPECT_EQ(ball->slopeHeading, turnOf(380, 280, 400, 300));
    EXPECT_EQ(ball->slopeHeading, 160);
    EXPECT_DOUBLE_EQ(ball->slopePush, 1.5 * 0.025 + 0.025);
    area(14);
    ball->airborne = 1;
    act();
    EXPECT_EQ(ball->slopePush, 0);
}

TEST_F(AreaKinds, EruptionAndBlastThrowALowBallUp) {
    for (int i = 0; i < 40; ++i) {
        arearec& e = area(12);
        e.x1 = 500;
        e.y1 = 400;
        ball->z = 1.9;
        s.nextEffect = 1;
        act();
        EXPECT_TRUE(ball->airborne && ball->moving);
        EXPECT_TRUE(ball->heading >= 0 && ball->heading < 360) << ball->heading;
        EXPECT_EQ(ball->speed, 1.5);
        EXPECT_EQ(ball->climb, 6.0);
        EXPECT_EQ(ball->lastWall, -1);
        EXPECT_TRUE(s.sprites[1].x == 473 && s.sprites[1].y == 253 && s.sprites[1].image == 3);
        EXPECT_EQ(s.sprites[1].blend, 192);
    }
    EXPECT_EQ(fx.count(9), 40);
    area(12);
    ball->z = 2;
    act();
    EXPECT_FALSE(ball->airborne);

    std::set<int32_t> turns;
    for (int i = 0; i < 200; ++i) {
        area(27);
        ball->z = 3.9;
        s.nextEffect = 4;
        act();
        const int32_t turned = 10 - ball->heading;
        ASSERT_TRUE(turned >= 64 && turned <= 191) << turned;
        turns.insert(turned);
        EXPECT_EQ(ball->speed, 3.0);
        EXPECT_EQ(ball->climb, 6.0);
        EXPECT_TRUE(s.sprites[4].x == 345 && s.sprites[4].y == 235 && s.sprites[4].image == 3);
        EXPECT_TRUE(s.particles[1].active);
    }
    EXPECT_EQ(*turns.begin(), 64);
    EXPECT_EQ(*turns.rbegin(), 191);
    EXPECT_EQ(fx.count(12), 200);
    area(27);
    ball->z = 4;
    act();
    EXPECT_EQ(ball->speed, 1.5);
}

TEST_F(AreaKinds, SpringAndFanVariantsByComment) {
    for (int i = 0; i < 30; ++i) {
        area(13).comment = "tank";
        act();
        EXPECT_TRUE(ball->climb >= 4.5 && ball->climb <= 5.4 + 1e-9) << ball->climb;
        EXPECT_TRUE(ball->speed >= 2.45 && ball->speed <= 4.35 + 1e-9) << ball->speed;
        EXPECT_EQ(s.message, kPad + "YOU GOT SHOT");
    }
    EXPECT_EQ(fx.count(27), 30);
    EXPECT_FALSE(fx.played(14));
    area(13).comment = "murk";
    act();
    EXPECT_DOUBLE_EQ(ball->speed, 1.5 + 0.25 + 2.05);
    EXPECT_TRUE(fx.played(14));
    area(13);
    ball->z = 4;  // too high to be thrown
    act();
    EXPECT_FALSE(ball->airborne);

    area(43).comment = "witch";
    act();
    EXPECT_EQ(s.message, kPad + "WATCH OUT FOR WITCHES");
    EXPECT_EQ(ball->speed, 1.75);
    EXPECT_TRUE(ball->moving && ball->airborne);
    area(43);
    act();
    EXPECT_EQ(s.message, kPad + "YOU HIT A FAN");
}

TEST_F(AreaKinds, CannonTintLedgeAndKicker) {
    s.nextEffect = 9;
    area(29).comment = "cannon";
    act();
    EXPECT_EQ(ball->climb, 8.6);
    EXPECT_FALSE(s.areas[5].enabled);
    EXPECT_TRUE(s.sprites[9].x == 1097 && s.sprites[9].y == 76 && s.sprites[9].image == 5 && s.sprites[9].blend == 192);
    EXPECT_TRUE(fx.played(27));
    area(29).comment = "Cannon";  // the variants match their text exactly
    act();
    EXPECT_TRUE(s.areas[5].enabled);

    area(32).p1 = 90;
    act();
    EXPECT_EQ(ball->tint, 90);
    s.areas[5].p1 = 40;  // a weaker tint does not lighten the ball
    act();
    EXPECT_EQ(ball->tint, 90);

    area(33).p1 = 12;
    act();
    EXPECT_EQ(ball->z, 12);
    EXPECT_EQ(ball->y, 312);
    EXPECT_EQ(ball->lastY, 312);
    EXPECT_TRUE(ball->airborne);
    EXPECT_EQ(ball->lastWall, 5);
    act();  // the same ledge does not drop the ball twice
    EXPECT_EQ(ball->z, 12);

    area(34);
    ball->speed = 3.5;
    act();
    EXPECT_FALSE(ball->airborne);
    ball->speed = 3.51;
    act();
    EXPECT_EQ(ball->speed, 4.5);
    EXPECT_EQ(ball->climb, 12.0);
    EXPECT_TRUE(ball->airborne);
}

TEST_F(AreaKinds, ConstructionWorkerAndLauncher) {
    for (int i = 0; i < 60; ++i) {
        area(36);
        s.nextEffect = 2;
        act();
        EXPECT_TRUE(ball->heading >= 129 && ball->heading <= 192) << ball->heading;
        EXPECT_EQ(ball->speed, 3.0);
        EXPECT_EQ(ball->climb, 6.0);
        EXPECT_TRUE(s.sprites[2].x == 1006 && s.sprites[2].y == 71 && s.sprites[2].image == 8);
        EXPECT_EQ(s.message, kPad + "YOU WOKE THE CONSTRUCTION WORKER");
    }
    EXPECT_EQ(fx.bgSounds, std::vector<int>(60, 1));
    area(36);
    ball->airborne = 1;
    act();
    EXPECT_EQ(ball->speed, 1.5);

    for (int i = 0; i < 60; ++i) {
        arearec& l = area(37);
        l.x2 = 900; l.y2 = 700;
        l.x3 = 900; l.y3 = 680;
        l.x4 = 990; l.y4 = 680;  // along +x, length 90
        act();
        EXPECT_EQ(ball->x, 900);
        EXPECT_EQ(ball->y, 700);
        EXPECT_TRUE(ball->heading >= -3 && ball->heading <= 2) << ball->heading;
        EXPECT_TRUE(ball->speed >= 90.0 / 55 && ball->speed <= 2.0) << ball->speed;
        EXPECT_EQ(ball->z, 20);
        EXPECT_TRUE(ball->airborne);
    }

    // The length is divided by 46 to 55: a launcher 55 long throws at 1 to 55/46.
    std::set<double> speeds;
    for (int i = 0; i < 300; ++i) {
        arearec& l = area(37);
        l.x3 = 900; l.y3 = 680;
        l.x4 = 955; l.y4 = 680;
        act();
        speeds.insert(ball->speed);
    }
    EXPECT_EQ(speeds.size(), 10u);
    EXPECT_EQ(*speeds.begin(), 1.0);
    EXPECT_EQ(*speeds.rbegin(), 55.0 / 46);
}

TEST_F(AreaKinds, AnEruptionThrowsTheBallAnyWayRound) {
    std::set<int32_t> headings;
    for (int i = 0; i < 5000; ++i) {
        area(12);
        act();
        headings.insert(ball->heading);
    }
    EXPECT_EQ(headings.size(), 360u);
    EXPECT_EQ(*headings.begin(), 0);
    EXPECT_EQ(*headings.rbegin(), 359);
}

}  // namespace
}  // namespace orbigolf
