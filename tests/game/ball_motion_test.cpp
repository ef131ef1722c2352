// Ball motion pass by pass: rolling to rest, slopes, sand, ramp edges, wall hit
// tests and bounces, and collisions between balls.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <utility>
#include <vector>

#include "game/collisions.h"
#include "game/effect_ring.h"
#include "game/geometry.h"
#include "game/hit_tests.h"
#include "game/particles.h"
#include "game/sprite_slots.h"
#include "game/stroke.h"
#include "game/wall_bounce.h"
#include "game_test_support.h"

namespace orbigolf {
namespace {

using testing::placeBall;
using testing::RecordingEffects;

TEST(BallMotion, RollsToRestOnFlatGroundAndEndsTheStrokeOnce) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    placeBall(s, 1, 300, 300, 0, 1.0);
    s.playerRecs[2].x = 900;  // on the tee, not yet in play
    testing::runTicks(s, Rules{}, fx, 300);
    const playerrec& b = s.playerRecs[1];
    EXPECT_NEAR(b.x, 400.5, 1e-6);  // passes of 1, 0.995, ... 0.005
    EXPECT_NEAR(b.y, 300, 1e-9);
    EXPECT_FALSE(b.moving);
    EXPECT_FALSE(fx.played(19));  // slow rolling is not taken for a stuck ball
    EXPECT_EQ(fx.count(24), 1);
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_TRUE(s.playerRecs[2].inPlay);
}

TEST(BallMotion, SlopeTurnsAnUphillBallAroundAndKeepsItMoving) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    testing::quadArea(s, 1, 17, 1, 1, 1000, 1000);  // pushes toward +y
    placeBall(s, 1, 500, 500, 192, 0.3);
    testing::runTicks(s, Rules{}, fx, 60);
    EXPECT_TRUE(s.playerRecs[1].moving);
    EXPECT_EQ(angleMod(s.playerRecs[1].heading), 64);
    EXPECT_GT(s.playerRecs[1].y, 550);
    EXPECT_FALSE(fx.played(24));
}

TEST(BallMotion, SandCutsAFastBallToTwoOnceAndBrakesItHard) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    testing::quadArea(s, 1, 23, 50, 50, 1500, 1000);
    placeBall(s, 1, 100, 100, 0, 4.0);
    testing::runTicks(s, Rules{}, fx, 2);
    // The spray flies up from the ground as sand-coloured dots with shadows.
    EXPECT_EQ(fx.count(2), 1);
    const particlerec& grain = s.particles[17];
    EXPECT_TRUE(grain.active && grain.dot && grain.shadow);
    EXPECT_GT(grain.z, 0);
    testing::runTicks(s, Rules{}, fx, 98);
    // 4 and 3.995 before the sand acts, then 2.0, 1.97, ... 0.02.
    EXPECT_NEAR(s.playerRecs[1].x, 175.665, 0.02);
    EXPECT_FALSE(s.playerRecs[1].moving);
    EXPECT_EQ(fx.count(2), 1);
    EXPECT_FALSE(grain.active);  // one bounce each, long landed
}

TEST(BallMotion, RampEdgesTurnTheBallAndLaunchItOffTheLowSide) {
    const struct { int32_t lastTilt, tilt, heading; double speed; int32_t after; bool takesOff; } cases[] = {
        {-13, 0, 10, 3.0, 25, true},    {-13, 0, 10, 2.0, 25, false},  // too slow
        {-13, 0, 17, 3.0, 32, false},   // 32 lies outside the window
        {-13, 0, 266, 3.0, 281, false},  // headings are compared unreduced
        {13, 0, 165, 3.0, 151, true},   {13, 0, 150, 3.0, 135, false},
        {0, 13, 0, 3.0, 13, false},     {0, -13, 100, 3.0, 94, false},
    };
    for (const auto& c : cases) {
        playerrec b;
        b.lastTilt = c.lastTilt;
        b.tilt = c.tilt;
        b.heading = c.heading;
        b.speed = c.speed;
        rampEdges(b);
        EXPECT_EQ(b.heading, c.after) << c.lastTilt << "->" << c.tilt << " at " << c.heading;
        EXPECT_EQ(b.airborne != 0, c.takesOff) << c.lastTilt << "->" << c.tilt << " at " << c.heading;
        EXPECT_DOUBLE_EQ(b.climb, c.takesOff ? c.speed * 0.92 : 0.0);
    }
}

TEST(BallMotion, RampEdgesLaunchOnlyInsideTheirOpenWindows) {
    // Off the low side heading into (208, 240) or (0, 32), off the high side into
    // (144, 176) or (96, 128), after the edge has turned the ball; bounds excluded.
    const auto inside = [](int32_t h, int32_t a, int32_t b) { return h > a && h < b; };
    for (const int32_t lastTilt : {-13, 13}) {
        for (int32_t heading = -40; heading < 300; ++heading) {
            playerrec b;
            b.lastTilt = lastTilt;
            b.tilt = 0;
            b.heading = heading;
            b.speed = 3.0;
            rampEdges(b);
            const int32_t h = b.heading;
            const bool window = lastTilt == -13 ? inside(h, 208, 240) || inside(h, 0, 32)
                                                : inside(h, 144, 176) || inside(h, 96, 128);
            EXPECT_EQ(b.airborne != 0, window) << lastTilt << " at " << heading << " turned to " << h;
        }
    }
}

TEST(AreaShapes, WallStripDiscAndQuadrilateral) {
    arearec wall;
    wall.x1 = 100; wall.y1 = 100; wall.x2 = 200; wall.y2 = 100;
    EXPECT_TRUE(insideArea(150, 104, wall));
    EXPECT_FALSE(insideArea(150, 105, wall));
    EXPECT_TRUE(insideArea(96, 100, wall));   // plainDist 4 from an end
    EXPECT_TRUE(insideArea(97, 103, wall));   // 4.24 rounds to 4
    EXPECT_FALSE(insideArea(96, 103, wall));  // 5
    arearec disc;
    disc.x1 = 100; disc.y1 = 100; disc.r = 10;
    EXPECT_TRUE(insideArea(100, 105, disc));   // ground distance 10
    EXPECT_FALSE(insideArea(100, 106, disc));  // ground distance 12
    arearec quad;
    quad.x1 = 10; quad.y1 = 10; quad.x2 = 50; quad.y2 = 10; quad.x3 = 50; quad.y3 = 30; quad.x4 = 10; quad.y4 = 30;
    EXPECT_TRUE(insideArea(50, 20, quad));  // on an edge
    EXPECT_FALSE(insideArea(51, 20, quad));
    std::swap(quad.x2, quad.x4);  // the other winding
    std::swap(quad.y2, quad.y4);
    EXPECT_TRUE(insideArea(30, 20, quad));
    quad.x4 = 0;  // exactly one of x3, x4 zero: never inside
    EXPECT_FALSE(insideArea(30, 20, quad));

    // A thin band along the whole 32-bit diagonal: its cross products pass 2^63.
    const int32_t lo = INT32_MIN, hi = INT32_MAX;
    arearec band;
    band.x1 = lo; band.y1 = lo + 4; band.x2 = hi - 4; band.y2 = hi;
    band.x3 = hi; band.y3 = hi - 4; band.x4 = lo + 4; band.y4 = lo;
    EXPECT_TRUE(insideArea(0, 0, band));
    EXPECT_TRUE(insideArea(1000000000, 1000000003, band));
    EXPECT_FALSE(insideArea(1000000000, 1000000005, band));
    EXPECT_FALSE(insideArea(10, -10, band));
    EXPECT_TRUE(insideArea(lo + 2, lo + 2, band));
}

TEST(Walls, BentWallAnglesDependOnTheArrivalDirection) {
    const struct { int32_t heading, a19, a109; } rows[] = {
        {8, 32, 96}, {9, 38, 102}, {24, 45, 109}, {25, 42, 107}, {56, 34, 99}, {57, 32, 96}, {72, 32, 96},
        {73, 29, 94}, {112, 19, 83}, {113, 26, 90}, {128, 32, 96}, {137, 38, 102}, {255, 32, 96}, {-16, 19, 83},
        // The last heading of every band.
        {16, 38, 102}, {32, 42, 107}, {40, 39, 104}, {48, 37, 102}, {80, 29, 94}, {88, 26, 91}, {96, 24, 89},
        {104, 21, 86}, {120, 26, 90},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(arrivalWallAngle(19, r.heading), r.a19) << r.heading;
        EXPECT_EQ(arrivalWallAngle(109, r.heading), r.a109) << r.heading;
    }
}

TEST(Walls, BounceMirrorsTheHeadingAndMarksImpactsInFlight) {
    const struct { int32_t a, heading, after, picture; } rows[] = {
        {0, 64, -64, 16}, {64, 0, -128, 0}, {32, 0, -64, 0}, {96, 0, -192, 0}, {19, 0, -64, 14}, {109, 20, -238, 15},
    };
    for (const auto& r : rows) {
        GameState s = testing::makeState();
        RecordingEffects fx;
        playerrec& b = placeBall(s, 1, 400, 300, r.heading, 1);
        wallBounce(s, r.a, 1, fx);
        EXPECT_EQ(b.heading, r.after) << r.a;
        EXPECT_TRUE(b.bounced);
        b.heading = r.heading;
        b.z = 10.5;
        wallBounce(s, r.a, 1, fx);
        EXPECT_EQ(fx.sounds, (std::vector<int>{1, 11})) << r.a;
        EXPECT_EQ(s.sprites[1].image, r.picture) << r.a;
        if (r.picture != 0) {
            EXPECT_EQ(s.sprites[1].y, 300 - 10 - 30) << r.a;  // z 10.5 rounds to 10
        }
    }
}

TEST(Walls, AreaPassSlowsAndPutsBackAndIgnoresTheSameWallAgain) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    testing::wallArea(s, 3, 2, 410, 200, 410, 400);
    playerrec& b = placeBall(s, 1, 400, 300, 0, 2.0);
    testing::runTicks(s, Rules{}, fx, 3);
    EXPECT_EQ(angleMod(b.heading), 128);
    EXPECT_EQ(b.lastWall, 3);
    EXPECT_LT(b.x, 406);
    EXPECT_LT(b.speed, 2.0 * 0.9);
    EXPECT_EQ(fx.count(1), 1);
    // Touching the wall it last bounced off does not bounce it again.
    placeBall(s, 1, 408, 300, 0, 0.3);
    areaPass(s, 1, Rules{}, fx);
    EXPECT_FALSE(b.bounced);
}

TEST(Collisions, StruckBallTakesTheLineOfCentresAndTheStrikerGlancesOff) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    Rules rules;
    rules.collide = true;
    const playerrec& a = placeBall(s, 1, 100, 100, 10, 3.0);
    const playerrec& b = placeBall(s, 2, 110, 100);
    simulatePass(s, 1, rules, ScreenSize{}, fx);
    // After its motion ball 1 is at (103, 101): the line of centres points at 250.
    EXPECT_EQ(b.heading, 250);
    EXPECT_NEAR(b.speed, 2.995 * 0.95 * turnCos(16), 1e-9);
    EXPECT_NEAR(a.speed, 2.995 * 0.95 * (1 - turnCos(16)), 1e-9);
    EXPECT_EQ(angleMod(a.heading), 58);
    EXPECT_TRUE(b.moving);
    // Pulled apart step by step until clear by either measure, and no further.
    const auto clear = [](double x, double y) {
        return groundDist(roundInt(x), roundInt(y), 110, 100) > 20 || plainDist(roundInt(x), roundInt(y), 110, 100) > 16;
    };
    EXPECT_TRUE(clear(a.x, a.y));
    EXPECT_FALSE(clear(a.x + turnCos(250), a.y + turnSin(250)));
    EXPECT_EQ(a.lastX, a.x);
    EXPECT_EQ(fx.sounds, std::vector<int>{1});  // no bonus stroke without plus1
}

TEST(Collisions, ABallBelowTheOtherIsPulledClearAtMoreThanTwentyOnTheGround) {
    // Straight down the screen ground distance counts rows twice: clear at 11 rows
    // (22 on the ground) while only 11 apart plainly.
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    Rules rules;
    rules.collide = true;
    playerrec& a = placeBall(s, 1, 400, 305, 192, 1.0);
    placeBall(s, 2, 400, 300);
    collideWithOtherBalls(s, 1, rules, fx);
    EXPECT_EQ(a.x, 400);
    EXPECT_EQ(a.y, 311);
}

TEST(Collisions, NeverWithCollisionsOffOrWithAHoledOrIdleBall) {
    Rules on;
    on.collide = true;
    const auto struck = [](const Rules& rules, auto prepare) {
        GameState s = testing::makeState(2);
        RecordingEffects fx;
        placeBall(s, 1, 100, 100, 0, 3.0);
        placeBall(s, 2, 110, 100);
        prepare(s);
        simulatePass(s, 1, rules, ScreenSize{}, fx);
        return s.playerRecs[2].moving != 0;
    };
    EXPECT_TRUE(struck(on, [](GameState&) {}));
    EXPECT_FALSE(struck(Rules{}, [](GameState&) {}));
    EXPECT_FALSE(struck(on, [](GameState& s) { s.playerRecs[2].holed = 1; }));
    EXPECT_FALSE(struck(on, [](GameState& s) { s.playerRecs[2].inPlay = 0; }));
    EXPECT_FALSE(struck(on, [](GameState& s) { s.playerRecs[1].holed = 1; }));
    EXPECT_FALSE(struck(on, [](GameState& s) { s.playerRecs[1].inPlay = 0; }));
}

TEST(Collisions, BonusStrokeGoesToTheCurrentPlayerOncePerTurn) {
    GameState s = testing::makeState(3);
    RecordingEffects fx;
    Rules rules;
    rules.collide = rules.plus1 = true;
    s.curPlayer = 3;
    s.playerRecs[3].strokes = 2;
    s.playerRecs[3].totalStrokes = 9;
    for (int i = 0; i < 2; ++i) {
        placeBall(s, 1, 100, 100, 0, 3.0);
        placeBall(s, 2, 110, 100);
        collideWithOtherBalls(s, 1, rules, fx);
    }
    EXPECT_TRUE(s.bonusTaken);
    EXPECT_EQ(s.playerRecs[3].strokes, 1);
    EXPECT_EQ(s.playerRecs[3].totalStrokes, 8);
    EXPECT_EQ(s.bigMessage, "BONUS STROKE");
    EXPECT_EQ(s.message, std::string(27, ' ') + "BONUS STROKE");
    EXPECT_EQ(fx.sounds, (std::vector<int>{1, 21, 1}));
}

TEST(BallMotion, StuckBallIsRescuedAfterSixtyStillPassesUnlessItMayRest) {
    const auto stuck = [](auto prepare) {
        GameState s = testing::makeState();
        RecordingEffects fx;
        playerrec& b = placeBall(s, 1, 400, 300, 0, 0.5);
        b.anchorX = 380;
        b.anchorY = 290;
        b.stillPasses = 59;
        prepare(b);
        stuckBallWatch(s, b, fx);
        return std::make_pair(b, fx.sounds);
    };
    const auto [watched, quiet] = stuck([](playerrec&) {});
    EXPECT_EQ(watched.stillPasses, 60);  // sixty still passes are not yet too many
    EXPECT_TRUE(quiet.empty());
    for (uint64_t seed = 1; seed <= 50; ++seed) {
        GameState s = testing::makeState(1, seed);
        RecordingEffects fx;
        playerrec& b = placeBall(s, 1, 400, 300, 0, 0.5);
        b.anchorX = 402;  // closer than 6: the anchor stays
        b.anchorY = 301;
        b.stillPasses = 60;  // the 61st still pass rescues it
        b.lastWall = 4;
        stuckBallWatch(s, b, fx);
        EXPECT_EQ(b.x, 402);
        EXPECT_EQ(b.y, 301);
        EXPECT_TRUE(b.airborne && b.moving);
        EXPECT_TRUE(b.heading <= -64 && b.heading >= -191) << b.heading;
        EXPECT_EQ(b.speed, 1.0);
        EXPECT_EQ(b.climb, 1.0);
        EXPECT_EQ(b.lastWall, -1);
        EXPECT_EQ(b.stillPasses, 0);
        EXPECT_EQ(fx.sounds, std::vector<int>{19});
        EXPECT_TRUE(s.particles[33].active && s.particles[33].bounces == 3);
    }
    const auto flags = {&playerrec::airborne, &playerrec::inSand, &playerrec::sunk, &playerrec::piped, &playerrec::holed};
    for (auto flag : flags) {
        const auto [b, sounds] = stuck([&](playerrec& p) {
            p.stillPasses = 61;
            p.*flag = 1;
        });
        EXPECT_EQ(b.stillPasses, 62);
        EXPECT_TRUE(sounds.empty());
    }
    // Moving 2 or more restarts the count and moves the last position; 6 or more moves the anchor.
    GameState s = testing::makeState();
    RecordingEffects fx;
    playerrec& b = placeBall(s, 1, 400, 300, 0, 0.5);
    b.lastX = 397;
    b.stillPasses = 30;
    b.anchorX = 394;
    stuckBallWatch(s, b, fx);
    EXPECT_EQ(b.stillPasses, 0);
    EXPECT_EQ(b.lastX, 400);
    EXPECT_EQ(b.anchorX, 400);
}

TEST(Strokes, FromSandTheBallHopsAndAPushPuttWhiffCostsNothing) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    playerrec& b = placeBall(s, 1, 400, 300, 0, 3.0);
    b.inSand = 1;
    commonStrokeSteps(s, true, fx);
    EXPECT_EQ(b.climb, 2.5);
    EXPECT_EQ(b.airborne, 1);  // flags hold 0 or 1
    EXPECT_TRUE(b.moving && s.anyMoving);
    EXPECT_EQ(b.strokes, 1);
    EXPECT_EQ(fx.sounds, std::vector<int>{0});
    EXPECT_EQ(fx.parks, 1);

    GameState p = testing::makeState();
    RecordingEffects pfx;
    playerrec& pushed = placeBall(p, 1, 400, 300, 0, 0.005);
    commonStrokeSteps(p, false, pfx);
    EXPECT_EQ(pushed.strokes, 0);  // a whiff
    EXPECT_TRUE(pfx.sounds.empty());
    EXPECT_FALSE(pushed.airborne);
    pushed.speed = 0.0051;
    commonStrokeSteps(p, false, pfx);
    EXPECT_EQ(pushed.strokes, 1);
    EXPECT_EQ(pushed.totalStrokes, 1);
    EXPECT_EQ(p.swingStep, 1);
    EXPECT_EQ(pushed.lastWall, -1);
}

TEST(EffectRing, WrapsFromThirtyToOneAndRepairsAnInvalidSlot) {
    GameState s = testing::makeState();
    s.nextEffect = 30;
    s.sprites[30].tick = 9;
    addEffect(s, 3000000000LL, -5, 7, -40);
    EXPECT_EQ(s.sprites[30].x, wrapInt(3000000000LL));
    EXPECT_EQ(s.sprites[30].y, -5);
    EXPECT_EQ(s.sprites[30].tick, 9);  // tick and pulse are left as they are
    EXPECT_EQ(s.nextEffect, 1);
    for (int32_t bad : {0, 31, -7}) {
        s.nextEffect = bad;
        addEffect(s, 1, 2, 3, 0);
        EXPECT_EQ(s.nextEffect, 2) << bad;
    }
}

TEST(BallMotion, SandCutsOnlyASpeedAboveTwoAndAHalfAndSlimeBrakesEveryGrain) {
    const auto afterFriction = [](double speed, const char* hole, RecordingEffects& fx) {
        GameState s = testing::makeState();
        s.holeName = hole;
        playerrec& b = placeBall(s, 1, 400, 300, 0, speed);
        b.inSand = 1;
        applyFriction(s, b, fx);
        return std::make_pair(b.speed, s.particles[5]);
    };
    RecordingEffects fx;
    EXPECT_DOUBLE_EQ(afterFriction(2.505, "course1hole1", fx).first, 2.5 - 0.025);
    EXPECT_TRUE(fx.sounds.empty());
    const auto [cut, grain] = afterFriction(2.506, "course1hole1", fx);
    EXPECT_EQ(cut, 2.0);
    EXPECT_EQ(fx.sounds, std::vector<int>{2});
    EXPECT_EQ(grain.colour, rgbColour(255, 244, 214));
    EXPECT_TRUE(grain.shadow && grain.dot);
    const auto [slowed, slime] = afterFriction(2.506, "course4hole4", fx);
    EXPECT_NEAR(slowed, 2.0 - 33 * 0.025, 1e-12);
    EXPECT_EQ(slime.colour, rgbColour(111, 238, 53));
    EXPECT_FALSE(slime.shadow || slime.dot);
}

TEST(BallMotion, ASinkingBallIsHeldToHalfSpeedThenSlowsBySixtyFiveThousandths) {
    const auto afterFriction = [](double speed) {
        GameState s = testing::makeState();
        RecordingEffects fx;
        playerrec& b = placeBall(s, 1, 400, 300, 0, speed);
        b.sunk = 1;
        applyFriction(s, b, fx);
        return b.speed;
    };
    EXPECT_EQ(afterFriction(0.6), 0.5);
    EXPECT_EQ(afterFriction(4.0), 0.5);
    // 0.505 - 0.005 is exactly 0.5: not above half speed, so it slows.
    EXPECT_DOUBLE_EQ(afterFriction(0.505), 0.5 - 0.065);
    EXPECT_DOUBLE_EQ(afterFriction(0.3), 0.3 - 0.005 - 0.065);
    EXPECT_EQ(afterFriction(0.05), 0.0);  // never below rest
}

TEST(BallMotion, ALandingRaisesDustFromABounceOfOneAndAHalf) {
    // -2.3076923076923075 * -0.65 is exactly 1.5; one step closer to zero bounces lower.
    const auto dustAfterLanding = [](double climb) {
        GameState s = testing::makeState();
        RecordingEffects fx;
        playerrec& b = placeBall(s, 1, 400, 300, 0, 1.0);
        b.airborne = 1;
        b.climb = climb;
        fly(s, b, fx);
        EXPECT_EQ(fx.sounds, std::vector<int>{2});  // every landing bounces
        return s.particles[28].active != 0;
    };
    EXPECT_TRUE(dustAfterLanding(-2.3076923076923075));
    EXPECT_FALSE(dustAfterLanding(std::nextafter(-2.3076923076923075, 0.0)));
    EXPECT_TRUE(dustAfterLanding(-4.0));
    EXPECT_FALSE(dustAfterLanding(-1.0));
}

TEST(Particles, FlyBounceDieAndGlanceOffWallStripsOncePerRound) {
    GameState s = testing::makeState();
    particlerec q;
    q.active = 1;
    q.x = 100;
    q.y = 100;
    q.heading = 0;
    q.speed = 2;
    q.climb = 1;
    q.bounces = 1;
    moveParticle(s, q);
    EXPECT_EQ(q.lastX, 100);
    EXPECT_DOUBLE_EQ(q.x, 102);
    EXPECT_DOUBLE_EQ(q.speed, 2 - 0.012 / 4);
    EXPECT_EQ(q.z, 1);
    EXPECT_EQ(q.climb, 0.5);
    // z 1.5, 1.5, 1, 0, then below the ground: its one bounce is used up.
    for (int move = 2; move <= 5; ++move) {
        moveParticle(s, q);
        ASSERT_TRUE(q.active) << move;
    }
    EXPECT_EQ(q.z, 0);
    moveParticle(s, q);
    EXPECT_FALSE(q.active);
    EXPECT_EQ(q.x, 0);

    // A wall strip mirrors the heading once per round, substeps + 1 rounds.
    for (const int32_t substeps : {1, 2}) {
        GameState w = testing::makeState();
        w.substeps = substeps;
        testing::wallArea(w, 2, 6, 200, 100, 200, 300);
        particlerec p;
        p.active = 1;
        p.x = 199;
        p.y = 200;
        p.heading = 10;
        p.climb = 3;
        p.bounces = 2;
        moveParticle(w, p);
        EXPECT_EQ(p.heading, substeps == 1 ? 10 : -10 - 64) << substeps;
    }
}

TEST(SpriteSlots, APulseBlinksThroughItsCounterAndAnimationsEndOrLoop) {
    spriterec slot;
    slot.pulse = 981;
    stepPulse(slot);
    EXPECT_EQ(slot.pulse, 4);
    stepPulse(slot);
    EXPECT_EQ(slot.pulse, 24);
    slot.pulse = 0;
    stepPulse(slot);
    EXPECT_EQ(slot.pulse, 0);

    spriterec effect{10, 20, 3, 10, 0, 192, 0};
    advanceSpriteSlot(effect, 2, 3);  // tick 12 = 4 x 3 frames: over
    EXPECT_EQ(effect.x, 0);
    EXPECT_EQ(effect.tick, 0);
    spriterec looping{10, 20, 3, 253, 1, 0, 0};
    advanceSpriteSlot(looping, 2, 100);  // tick 255 passes 254 however many frames
    EXPECT_EQ(looping.x, 10);
    EXPECT_EQ(looping.tick, 0);
}

}  // namespace
}  // namespace orbigolf
