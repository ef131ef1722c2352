// Holing out, re-drops, pipe transit, the stroke limit, turn order, start
// players, hole set-up and the end of a hole and of the game.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <string>

#include "game/geometry.h"
#include "game/hole_setup.h"
#include "game/stroke.h"
#include "game/turns.h"
#include "game_test_support.h"

namespace orbigolf {
namespace {

using testing::placeBall;
using testing::RecordingEffects;

TEST(ScoreNames, ByStrokesAgainstPar) {
    const struct { int32_t strokes, par; const char* name; } rows[] = {
        {1, 1, "HOLE IN ONE"}, {1, 4, "HOLE IN ONE"}, {2, 4, "EAGLE"}, {2, 3, "BIRDIE"}, {3, 3, "PAR"},
        {4, 3, "BOGEY"}, {5, 3, "DOUBLE BOGEY"}, {6, 3, "TRIPLE BOGEY"}, {7, 3, "IN HOLE"}, {2, 5, "IN HOLE"},
    };
    for (const auto& r : rows) EXPECT_EQ(scoreName(r.strokes, r.par), r.name) << r.strokes << " on " << r.par;
}

// Player 1's ball rolls from (480, 300) into a cup at (500, 300); player 2 waits.
struct Holing : ::testing::Test {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    Rules rules;

    void rollIn(int32_t strokes, int32_t par) {
        s.holePar = par;
        s.coursePar = par + 5;
        testing::discArea(s, 4, 5, 500, 300, 8);
        playerrec& b = placeBall(s, 1, 480, 300, 0, 1.0);
        b.strokes = strokes;
        b.totalStrokes = strokes + 7;
        testing::runTicks(s, rules, fx, 60);
    }
};

TEST_F(Holing, BallSinksHolesOutAndPassesTheTurnOnce) {
    rollIn(4, 3);
    const playerrec& b = s.playerRecs[1];
    EXPECT_TRUE(b.holed);
    EXPECT_FALSE(b.inPlay);
    EXPECT_EQ(b.x, 5000);
    EXPECT_EQ(s.bigMessage, "BOGEY");
    EXPECT_EQ(fx.count(22), 1);
    EXPECT_FALSE(fx.played(18));
    EXPECT_EQ(b.holeStrokes[1], 4);
    EXPECT_EQ(b.scoreToPar, 11 - 8);
    EXPECT_EQ(s.bestHole, 4);
    EXPECT_EQ(s.firstHoled, 1);
    EXPECT_EQ(fx.count(24), 1);
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_TRUE(s.playerRecs[2].inPlay);
    EXPECT_EQ(s.screenMode, ScreenMode::Play);  // player 2 has still to hole out
}

TEST_F(Holing, HoleInOneOnParOneEvenAfterABonusStroke) {
    s.bonusTaken = 1;  // the hole-out passes the turn all the same
    rollIn(1, 1);
    EXPECT_EQ(s.bigMessage, "HOLE IN ONE");
    EXPECT_EQ(fx.count(18), 1);
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_FALSE(s.bonusTaken);
}

TEST_F(Holing, TrainingPlaysNoHolingSound) {
    rules.training = true;
    rollIn(9, 3);
    EXPECT_EQ(s.bigMessage, "IN HOLE");
    EXPECT_EQ(fx.sounds, (std::vector<int>{3, 24}));  // into the cup, then the turn passes
}

TEST(HoleEnd, TiesAllWinAndTheThirdHoleEndsTheGame) {
    for (int hole : {1, 2, 3}) {
        GameState s = testing::makeState(2);
        RecordingEffects fx;
        s.holeNum = hole;
        s.bestHole = 3;
        s.playerRecs[1].holed = 1;
        s.playerRecs[1].strokes = 3;
        playerrec& two = placeBall(s, 2, 400, 300, 0, 0.5);
        two.holed = 1;
        two.z = -46;
        two.strokes = 3;
        BallRulesPass(s, 2, Rules{}, fx);
        EXPECT_EQ(s.playerRecs[1].holesWon, 1);
        EXPECT_EQ(two.holesWon, 1);
        EXPECT_EQ(two.holeStrokes[hole], 3);
        EXPECT_EQ(s.holeNum, hole + 1);
        EXPECT_EQ(s.gameOver, hole == 3 ? 1 : 0);  // flags hold 0 or 1
        EXPECT_EQ(s.screenMode, hole == 3 ? ScreenMode::ScoreCard : ScreenMode::BetweenHoles);
        EXPECT_EQ(fx.count(18), hole == 3 ? 2 : 1);  // the par sound, then the end of the game
    }
}

struct Redrop : ::testing::TestWithParam<bool> {};

TEST_P(Redrop, SunkBallWaitsForTheSplashThenDropsNearTheDropPoint) {
    const bool penalty = GetParam();
    GameState s = testing::makeState();
    RecordingEffects fx;
    Rules rules;
    rules.minus1 = penalty;
    s.dropX = 200;
    s.dropY = 150;
    s.sprites[32].tick = 3;  // left over from an earlier splash
    s.sprites[32].pulse = 50;
    playerrec& b = placeBall(s, 1, 600, 400, 0, 0.4);
    b.sunk = 1;
    b.strokes = 2;
    testing::runTicks(s, rules, fx, 14);
    EXPECT_EQ(b.ballRows, 1);
    EXPECT_EQ(b.speed, 0);
    const spriterec& splash = s.sprites[32];
    EXPECT_EQ(splash.x, roundInt(b.x) - 8);
    EXPECT_EQ(splash.y, roundInt(b.y) - 25);
    EXPECT_TRUE(splash.image == 4 && splash.blend == 192 && !splash.keep);
    EXPECT_TRUE(splash.tick == 0 && splash.pulse == 0);
    testing::runTicks(s, rules, fx, 3);
    EXPECT_TRUE(b.sunk);  // the splash still runs
    testing::gameTick(s, rules, fx);
    EXPECT_FALSE(b.sunk);
    EXPECT_EQ(b.z, 80);
    EXPECT_EQ(b.ballRows, 15);
    EXPECT_TRUE(b.airborne && b.moving && s.recentre);
    EXPECT_LE(std::abs(b.x - 200), 25.0);
    EXPECT_LE(std::abs(b.y - 150), 12.5);
    EXPECT_EQ(fx.count(7), 1);
    EXPECT_EQ(b.strokes, penalty ? 3 : 2);
    EXPECT_EQ(s.bigMessage, penalty ? "PENALTY STROKE" : "");

    // A ball that fell off is put back once it is below height 100.
    b.fellOff = 1;
    b.z = 140;
    b.climb = -10;
    testing::gameTick(s, rules, fx);
    EXPECT_TRUE(b.fellOff);  // z 119.6
    testing::gameTick(s, rules, fx);
    EXPECT_FALSE(b.fellOff);
    EXPECT_EQ(b.z, 80);
    EXPECT_EQ(b.strokes, penalty ? 4 : 2);
}

INSTANTIATE_TEST_SUITE_P(Penalty, Redrop, ::testing::Bool());

TEST(BallRules, APipedBallLeavesOnceItsShownPlaceIsPastTheExitRow) {
    // The ball at row 300 falls 4 (its climb capped at 4): shown at row 304.
    for (const int32_t exitRow : {304, 303}) {
        GameState s = testing::makeState();
        RecordingEffects fx;
        arearec& pipe = testing::discArea(s, 4, 26, 400, 300, 10);
        pipe.x2 = 900;
        pipe.y2 = exitRow;
        playerrec& b = placeBall(s, 1, 400, 300, 0, 0.3);
        b.piped = 1;
        b.cupArea = 4;
        b.climb = 3.9;
        BallRulesPass(s, 1, Rules{}, fx);
        EXPECT_EQ(b.z == -4.0 && b.piped == 1, exitRow == 304) << exitRow;
        EXPECT_EQ(b.x == 900 && b.piped == 0, exitRow == 303) << exitRow;
    }
}

TEST(BallRules, CupPullComparesTheUnroundedPosition) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    testing::discArea(s, 3, 5, 300, 300, 10);
    playerrec& b = placeBall(s, 1, 300.3, 320, 0, 0.5);
    b.holed = 1;
    b.cupArea = 3;
    BallRulesPass(s, 1, Rules{}, fx);
    EXPECT_EQ(b.heading, 192);
    EXPECT_DOUBLE_EQ(b.x, 299.3);  // 300 >= 300.3 is false, though 300.3 rounds to 300
    EXPECT_DOUBLE_EQ(b.y, 319);
}

TEST(BallRules, DepthOrderIsTakenOnceBeforeAnyBallIsHandled) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    s.dropX = 400;
    s.dropY = 600;
    playerrec& front = placeBall(s, 1, 400, 100, 0, 0.5);  // sunk, about to be re-dropped further down
    front.sunk = 1;
    front.ballRows = 0;
    playerrec& back = placeBall(s, 2, 400, 300, 0, 0.5);  // deep in the cup
    back.holed = 1;
    back.z = -46;
    FrameRecord record;
    ballStep(s, Rules{}, fx, record);
    EXPECT_FALSE(front.sunk);
    EXPECT_GT(front.y, 580);
    EXPECT_FALSE(back.inPlay);  // still visited after ball 1 moved behind it
}

struct Pipe : ::testing::Test {
    GameState s = testing::makeState();
    RecordingEffects fx;

    playerrec& enter(int32_t p4, int32_t x4) {
        arearec& a = testing::discArea(s, 7, 26, 300, 300, 10);
        a.x2 = 600; a.y2 = 500;
        a.x3 = 600; a.y3 = 490;
        a.x4 = x4; a.y4 = 490;
        a.p4 = p4;
        playerrec& b = placeBall(s, 1, 300, 300, 0, 0.5);
        b.piped = 1;
        b.cupArea = 7;
        b.lastWall = 4;
        return b;
    }
};

TEST_F(Pipe, ExitKeepsLastWallForAnInvalidP4AndNeverGoesBackwards) {
    std::set<double> speeds;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        s.random.seed(seed);
        const int32_t p4 = seed % 2 ? 150 : -1;
        playerrec& b = enter(p4, 600);  // an exit direction of length 0
        b.z = -300;
        BallRulesPass(s, 1, Rules{}, fx);
        ASSERT_FALSE(b.piped);
        EXPECT_EQ(b.lastWall, p4 == -1 ? -1 : 4);
        EXPECT_GE(b.speed, 0.0);
        speeds.insert(b.speed);
    }
    EXPECT_EQ(speeds.count(0.0), 1u);
}

// Three players; player 1's ball is about to stop far from the cup.
struct StrokeLimit : ::testing::Test {
    GameState s = testing::makeState(3);
    RecordingEffects fx;
    Rules rules;

    void play(int32_t strokes) {
        rules.strokelimit = "6";
        testing::discArea(s, 9, 5, 900, 300, 8);
        playerrec& b = placeBall(s, 1, 300, 300, 0, 0.05);
        b.strokes = b.totalStrokes = strokes;
        testing::runTicks(s, rules, fx, 80);
    }
};

TEST_F(StrokeLimit, SixthStrokeStoppingOutsideIsHoledAndTheTurnPassesOnce) {
    play(6);
    const playerrec& b = s.playerRecs[1];
    EXPECT_TRUE(b.holed);
    EXPECT_FALSE(b.inPlay);
    EXPECT_EQ(b.holeStrokes[1], 6);
    EXPECT_EQ(s.bigMessage, "OVER STROKE LIMIT");
    EXPECT_EQ(fx.count(10), 1);
    EXPECT_EQ(fx.count(22), 1);
    EXPECT_EQ(fx.count(24), 1);
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_FALSE(s.playerRecs[3].inPlay);
    EXPECT_FALSE(s.passTurn);  // nothing left to take away player 2's bonus turn
}

TEST_F(StrokeLimit, ALaterBallRollingInShowsItsOwnResult) {
    play(6);
    ASSERT_EQ(s.bigMessage, "OVER STROKE LIMIT");
    s.curPlayer = 2;
    playerrec& b = placeBall(s, 2, 880, 300, 0, 1.0);
    b.strokes = b.totalStrokes = 3;
    testing::runTicks(s, rules, fx, 80);
    EXPECT_FALSE(s.playerRecs[2].inPlay);
    EXPECT_EQ(s.bigMessage, "PAR");
}

TEST(TurnOrder, FarthestNeverPicksAHoledBall) {
    Rules farthest;
    farthest.nextplayer = NextPlayerRule::FarthestFromHole;
    GameState s = testing::makeState(3);
    RecordingEffects fx;
    s.cupX = s.cupY = 500;
    placeBall(s, 1, 500, 500);  // resting on the cup's centre, not holed
    s.playerRecs[2].holed = s.playerRecs[3].holed = 1;
    EndOfStroke(s, farthest, ScreenSize{}, fx);
    EXPECT_EQ(s.curPlayer, 1);
}

TEST_F(StrokeLimit, FifthStrokeAndTrainingGamesAreNotLimited) {
    play(5);
    EXPECT_FALSE(s.playerRecs[1].holed);
    s = testing::makeState(3);
    rules.training = true;
    play(12);
    EXPECT_FALSE(s.playerRecs[1].holed);
    EXPECT_EQ(s.curPlayer, 2);
}

TEST(TurnOrder, EndOfStrokeParksTheAnchorAtTheCentreOfTheScreenInBothBranches) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    s.dropX = s.dropY = 7;
    s.bonusTaken = 1;  // the repeat turn
    EndOfStroke(s, Rules{}, ScreenSize{800, 600}, fx);
    EXPECT_EQ(s.curPlayer, 1);
    EXPECT_EQ(s.dropX, 400);
    EXPECT_EQ(s.dropY, 300);
    s.dropX = s.dropY = 7;
    EndOfStroke(s, Rules{}, ScreenSize{513, 385}, fx);  // the turn passes; odd sizes round down
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_EQ(s.dropX, 256);
    EXPECT_EQ(s.dropY, 192);
    EXPECT_EQ(fx.parks, 2);
}

TEST(TurnOrder, SequentialSkipsHoledBallsAndFarthestPrefersTheHigherNumber) {
    GameState s = testing::makeState(4);
    RecordingEffects fx;
    s.curPlayer = 2;
    s.playerRecs[3].holed = s.playerRecs[4].holed = 1;
    EndOfStroke(s, Rules{}, ScreenSize{}, fx);
    EXPECT_EQ(s.curPlayer, 1);
    s.playerRecs[2].holed = 1;
    EndOfStroke(s, Rules{}, ScreenSize{}, fx);
    EXPECT_EQ(s.curPlayer, 1);  // everyone else is in: back to the same player
    EXPECT_EQ(fx.parks, 2);

    Rules farthest;
    farthest.nextplayer = NextPlayerRule::FarthestFromHole;
    GameState f = testing::makeState(4);
    f.cupX = f.cupY = 500;
    placeBall(f, 1, 400, 500);  // 100
    placeBall(f, 2, 500, 400);  // 100
    placeBall(f, 3, 530, 540);  // 50
    f.playerRecs[4].x = 500;
    f.playerRecs[4].y = 700;  // still on the tee, 200 away
    f.playerRecs[4].holed = 1;
    EndOfStroke(f, farthest, ScreenSize{}, fx);
    EXPECT_EQ(f.curPlayer, 2);
    f.playerRecs[4].holed = 0;
    EndOfStroke(f, farthest, ScreenSize{}, fx);
    EXPECT_EQ(f.curPlayer, 4);
    EXPECT_TRUE(f.playerRecs[4].inPlay);
}

TEST(TurnOrder, CollisionBonusGivesOneRepeatTurn) {
    GameState s = testing::makeState(2);
    RecordingEffects fx;
    Rules rules;
    rules.collide = rules.plus1 = true;
    placeBall(s, 1, 300, 300, 0, 2.0);
    placeBall(s, 2, 330, 300);
    commonStrokeSteps(s, true, fx);
    testing::runTicks(s, rules, fx, 500);
    EXPECT_GT(s.playerRecs[2].x, 330);
    EXPECT_EQ(s.curPlayer, 1);
    EXPECT_TRUE(s.bonusTaken && s.passTurn);
    EXPECT_EQ(s.playerRecs[1].strokes, 0);
    EXPECT_FALSE(fx.played(24));

    s.playerRecs[1].heading = 128;
    s.playerRecs[1].speed = 0.5;
    commonStrokeSteps(s, true, fx);
    testing::runTicks(s, rules, fx, 200);
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_FALSE(s.bonusTaken || s.passTurn);
    EXPECT_EQ(fx.count(24), 1);
}

TEST(TurnOrder, RoughGroundRestartingAStoppedBallDoesNotEndTheStroke) {
    uint64_t seed = 1;
    while (Random(seed)(8) != 0) ++seed;
    GameState s = testing::makeState(3, seed);
    RecordingEffects fx;
    testing::quadArea(s, 1, 30, 100, 100, 700, 700);
    placeBall(s, 1, 400, 400, 0, 0.004);
    simulatePass(s, 1, Rules{}, ScreenSize{}, fx);
    EXPECT_TRUE(s.playerRecs[1].airborne);  // stopped, then thrown up by the rough
    EXPECT_TRUE(s.anyMoving);
    EXPECT_FALSE(fx.played(24));
    testing::runTicks(s, Rules{}, fx, 300);
    EXPECT_EQ(fx.count(24), 1);
    EXPECT_EQ(s.curPlayer, 2);
}

TEST(TurnOrder, HoledOutBallDriftingOnASlopeEndsTheStrokeOnce) {
    GameState s = testing::makeState(3);
    RecordingEffects fx;
    testing::quadArea(s, 1, 17, 1, 1, 1000, 1000);
    testing::discArea(s, 2, 5, 500, 300, 10);
    playerrec& b = placeBall(s, 1, 500, 300, 64, 0.5);
    for (int t = 0; b.inPlay && t < 100; ++t) testing::gameTick(s, Rules{}, fx);
    ASSERT_FALSE(b.inPlay);
    EXPECT_EQ(b.slopeHeading, 64);  // the slope still pushes the parked ball for a pass
    testing::runTicks(s, Rules{}, fx, 20);
    EXPECT_EQ(fx.count(24), 1);
    EXPECT_EQ(s.curPlayer, 2);
    EXPECT_FALSE(s.playerRecs[3].inPlay);
}

TEST(HoleSetUp, StartPlayerRules) {
    Rules rules;
    GameState s = testing::makeState(4);
    s.curPlayer = 3;
    s.firstHoled = 2;
    ChooseStartPlayer(s, rules);
    EXPECT_EQ(s.curPlayer, 3);
    EXPECT_EQ(s.firstHoled, 0);
    rules.startplayer = StartPlayerRule::Fifo;
    ChooseStartPlayer(s, rules);
    EXPECT_EQ(s.curPlayer, 3);  // nothing holed yet: unchanged
    s.firstHoled = 2;
    ChooseStartPlayer(s, rules);
    EXPECT_EQ(s.curPlayer, 2);

    rules.startplayer = StartPlayerRule::Random;
    for (int players : {1, 2, 4}) {
        std::set<int> starters;
        for (uint64_t seed = 1; seed <= 200; ++seed) {
            GameState r = testing::makeState(players, seed);
            ChooseStartPlayer(r, rules);
            starters.insert(r.curPlayer);
        }
        EXPECT_EQ(static_cast<int>(starters.size()), players);
        EXPECT_EQ(*starters.rbegin(), players);
    }
}

TEST(HoleSetUp, OnlyTheStartPlayerIsInPlayAndFixedSpritesFollowTheHoleName) {
    GameState s = testing::makeState(3);
    s.curPlayer = 2;
    for (playerrec& b : s.playerRecs) b.inPlay = b.holed = b.piped = 1;
    s.sprites[33].x = 9;
    s.holeName = "course1hole3";
    setUpHoleState(s, Rules{});
    EXPECT_EQ(s.screenMode, ScreenMode::HoleCard);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(s.playerRecs[p].inPlay != 0, p == 2);
    EXPECT_TRUE(!s.playerRecs[1].piped && !s.playerRecs[1].holed);
    EXPECT_EQ(s.sprites[33].x, 0);
    EXPECT_TRUE(s.sprites[38].x == 520 && s.sprites[38].blend == -220 && s.sprites[38].tick == 7);
    EXPECT_TRUE(s.sprites[38].keep);
    s.holeName = "Course1hole3";  // letter case counts
    setUpHoleState(s, Rules{});
    EXPECT_EQ(s.sprites[38].x, 0);
}

// Where each hole's standing animations are placed: slot, x, y, picture, blend and
// starting tick. Holes the content set lacks keep theirs too, for hole files made
// under those names.
TEST(HoleSetUp, EveryHoleGetsItsStandingAnimationsInTheirSlots) {
    const std::pair<std::string, std::string> expected[] = {
        {"training1", "35 340 165 9 0 0 | 36 1071 364 10 0 0 | 37 218 647 11 0 0"},
        {"course1hole2", "37 252 489 8 0 0"},
        {"course1hole3", "35 930 240 9 192 0 | 37 470 808 9 -220 0 | 38 520 822 9 -220 7 | 39 236 127 9 -220 0 | 40 171 125 9 250 7"},
        {"course3hole1", "36 600 500 5 0 0 | 37 602 509 6 -192 0"},
        {"course3hole2", "35 858 151 6 0 0 | 36 12 674 7 0 0"},
        {"course1hole7", "36 1080 402 5 0 0 | 37 1082 411 6 -192 0 | 38 286 237 10 0 0 | 39 1181 682 11 0 0"},
        {"course1hole8", "35 837 452 6 0 0"},
        {"course1hole9", "36 430 879 5 0 0 | 37 432 888 6 -192 0 | 38 956 203 10 0 0 | 39 338 1165 11 0 0"},
        {"course2hole4", "37 698 556 9 0 0 | 38 941 435 10 0 0 | 39 849 226 11 0 0"},
        {"course2hole1", "35 469 779 11 64 0 | 36 345 702 5 0 0 | 37 347 711 6 -192 0"},
        {"course2hole7", "37 342 222 9 0 0 | 38 377 520 10 0 0"},
        {"course2hole5", "35 617 110 6 0 0 | 36 860 227 7 0 0 | 37 469 512 8 0 0 | 38 138 601 9 0 0 | 39 1020 856 10 0 0"},
        {"course2hole2", "35 217 314 6 0 0 | 36 491 160 7 0 0 | 37 171 760 8 0 0 | 38 905 767 9 0 0 | 39 373 1115 10 0 0 | 40 1047 575 11 0 0"},
        {"course2hole8", "37 87 603 8 0 0 | 38 372 634 9 0 0 | 39 580 833 10 0 0 | 40 1514 123 11 0 0"},
        {"course2hole6", "36 449 506 5 0 0 | 37 451 515 6 -192 0"},
        {"course2hole9", "35 511 81 9 0 0 | 36 666 518 10 0 0 | 37 171 781 11 0 0"},
        {"course1hole6", "36 220 83 9 0 0 | 37 97 145 10 0 0 | 38 777 1878 11 0 0"},
        {"course3hole3", "38 890 307 11 0 0"},
        {"course3hole4", "36 158 602 5 0 0 | 37 160 611 6 -192 0 | 38 1050 244 11 0 0"},
        {"course3hole5", "36 257 805 5 0 0 | 37 259 814 6 -192 0"},
        {"course3hole7", "35 1000 364 8 0 0 | 36 1164 386 8 0 0 | 37 1060 884 8 0 0 | 38 1128 851 8 0 0 | 39 1233 290 8 0 0 | 40 1047 200 9 0 0"},
        {"course4hole3", "36 634 726 11 0 0 | 37 265 466 10 0 0"},
        {"course4hole7", "36 1113 570 5 0 0 | 37 1115 579 6 -192 0"},
    };
    for (const auto& [hole, sprites] : expected) {
        GameState s = testing::makeState();
        s.holeName = hole;
        s.nextEffect = 9;
        placeFixedSprites(s);
        EXPECT_EQ(s.nextEffect, 1);
        std::string placed;
        for (int slot = 1; slot <= kMaxSprites; ++slot) {
            const spriterec& r = s.sprites[slot];
            if (!r.keep) continue;
            EXPECT_EQ(r.pulse, 0);
            if (!placed.empty()) placed += " | ";
            placed += std::to_string(slot) + " " + std::to_string(r.x) + " " + std::to_string(r.y) + " " +
                      std::to_string(r.image) + " " + std::to_string(r.blend) + " " + std::to_string(r.tick);
        }
        EXPECT_EQ(placed, sprites) << hole;
    }
}

TEST(BallRules, SinkingStopsTheBallAtRowSevenAndAPipeDropCapsItsFall) {
    GameState s = testing::makeState();
    RecordingEffects fx;
    playerrec& b = placeBall(s, 1, 400, 300, 0, 0.3);
    b.sunk = 1;
    b.ballRows = 9;
    BallRulesPass(s, 1, Rules{}, fx);
    EXPECT_EQ(b.ballRows, 8);
    EXPECT_EQ(b.speed, 0.3);
    EXPECT_EQ(b.y, 301);
    BallRulesPass(s, 1, Rules{}, fx);
    EXPECT_EQ(b.ballRows, 7);
    EXPECT_EQ(b.speed, 0);

    for (const int32_t substeps : {1, 2}) {
        GameState p = testing::makeState();
        p.substeps = substeps;
        testing::discArea(p, 4, 26, 400, 300, 10).y2 = 5000;  // a deep pipe
        playerrec& fall = placeBall(p, 1, 400, 300, 0, 0.3);
        fall.piped = 1;
        fall.cupArea = 4;
        fall.climb = 3.9;
        BallRulesPass(p, 1, Rules{}, fx);
        EXPECT_DOUBLE_EQ(fall.climb, substeps == 1 ? 4.0 : 4.1);
        EXPECT_DOUBLE_EQ(fall.z, -fall.climb);
        fall.climb = 3.5;
        BallRulesPass(p, 1, Rules{}, fx);
        EXPECT_DOUBLE_EQ(fall.climb, 3.7);
    }
}

TEST(Scores, ScoreToParFollowsTheStrokesOnceParIsReached) {
    GameState s = testing::makeState(2);
    s.curPlayer = 2;
    s.holePar = 3;
    s.coursePar = 7;
    playerrec& b = s.playerRecs[2];
    b.totalStrokes = 6;
    b.scoreToPar = 5;
    b.strokes = 2;
    UpdateScoreToPar(s);
    EXPECT_EQ(b.scoreToPar, 5);
    b.strokes = 3;
    UpdateScoreToPar(s);
    EXPECT_EQ(b.scoreToPar, -1);
    s.curPlayer = 0;  // no current player: nothing changes
    UpdateScoreToPar(s);
}

}  // namespace
}  // namespace orbigolf
