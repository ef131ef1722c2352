#include "game/hole_setup.h"

#include <string_view>

#include "game/turns.h"

namespace orbigolf {

namespace {

struct FixedSprite {
    int slot;
    int32_t x, y, image;
    int32_t blend = 0;
    int32_t tick = 0;
};

struct HoleSprites {
    std::string_view hole;
    FixedSprite sprites[6];
    int count;
};

// The animations that stand on particular holes from the moment they are set up.
constexpr HoleSprites kFixedSprites[] = {
    {"training1", {{35, 340, 165, 9}, {36, 1071, 364, 10}, {37, 218, 647, 11}}, 3},
    {"course1hole2", {{37, 252, 489, 8}}, 1},
    {"course1hole3",
     {{35, 930, 240, 9, 192}, {37, 470, 808, 9, -220}, {38, 520, 822, 9, -220, 7},
      {39, 236, 127, 9, -220}, {40, 171, 125, 9, 250, 7}},
     5},
    {"course3hole1", {{36, 600, 500, 5}, {37, 602, 509, 6, -192}}, 2},
    {"course3hole2", {{35, 858, 151, 6}, {36, 12, 674, 7}}, 2},
    {"course1hole7", {{36, 1080, 402, 5}, {37, 1082, 411, 6, -192}, {38, 286, 237, 10}, {39, 1181, 682, 11}}, 4},
    {"course1hole8", {{35, 837, 452, 6}}, 1},
    {"course1hole9", {{36, 430, 879, 5}, {37, 432, 888, 6, -192}, {38, 956, 203, 10}, {39, 338, 1165, 11}}, 4},
    {"course2hole4", {{37, 698, 556, 9}, {38, 941, 435, 10}, {39, 849, 226, 11}}, 3},
    {"course2hole1", {{35, 469, 779, 11, 64}, {36, 345, 702, 5}, {37, 347, 711, 6, -192}}, 3},
    {"course2hole7", {{37, 342, 222, 9}, {38, 377, 520, 10}}, 2},
    {"course2hole5",
     {{35, 617, 110, 6}, {36, 860, 227, 7}, {37, 469, 512, 8}, {38, 138, 601, 9}, {39, 1020, 856, 10}},
     5},
    {"course2hole2",
     {{35, 217, 314, 6}, {36, 491, 160, 7}, {37, 171, 760, 8}, {38, 905, 767, 9}, {39, 373, 1115, 10},
      {40, 1047, 575, 11}},
     6},
    {"course2hole8", {{37, 87, 603, 8}, {38, 372, 634, 9}, {39, 580, 833, 10}, {40, 1514, 123, 11}}, 4},
    {"course2hole6", {{36, 449, 506, 5}, {37, 451, 515, 6, -192}}, 2},
    {"course2hole9", {{35, 511, 81, 9}, {36, 666, 518, 10}, {37, 171, 781, 11}}, 3},
    {"course1hole6", {{36, 220, 83, 9}, {37, 97, 145, 10}, {38, 777, 1878, 11}}, 3},
    {"course3hole3", {{38, 890, 307, 11}}, 1},
    {"course3hole4", {{36, 158, 602, 5}, {37, 160, 611, 6, -192}, {38, 1050, 244, 11}}, 3},
    {"course3hole5", {{36, 257, 805, 5}, {37, 259, 814, 6, -192}}, 2},
    {"course3hole7",
     {{35, 1000, 364, 8}, {36, 1164, 386, 8}, {37, 1060, 884, 8}, {38, 1128, 851, 8}, {39, 1233, 290, 8},
      {40, 1047, 200, 9}},
     6},
    {"course4hole3", {{36, 634, 726, 11}, {37, 265, 466, 10}}, 2},
    {"course4hole7", {{36, 1113, 570, 5}, {37, 1115, 579, 6, -192}}, 2},
};

}  // namespace

void resetForNewGame(GameState& s, int numPlayers, const PlayerChoice (&choices)[kMaxPlayers]) {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        playerrec& b = s.playerRecs[p];
        b.strokes = 0;
        b.totalStrokes = 0;
        b.scoreToPar = 0;
        b.holesWon = 0;
        b.holeStrokes.fill(0);
        b.name = choices[p - 1].name;
        b.pullPutt = choices[p - 1].pullPutt ? 1 : 0;
        b.easyTarget = choices[p - 1].easyTarget ? 1 : 0;
    }
    s.coursePar = 0;
    s.numPlayers = numPlayers;
    s.showScores = 0;
    s.holeNum = 1;
    s.curPlayer = 1;
    s.firstHoled = 0;
    s.gameOver = 0;
    s.pars.fill(0);
}

void resetForNewHole(GameState& s) {
    for (playerrec& b : s.playerRecs) {
        b.inPlay = 0;
        b.z = 0;
        b.climb = 0;
        b.heading = 0;
        b.speed = 0;
        b.airborne = 0;
        b.sunk = 0;
        b.holed = 0;
        // A ball that holed out while in a pipe would otherwise start the next
        // hole sinking through a pipe that is not there.
        b.piped = 0;
        b.moving = 0;
        b.ballRows = 15;
        b.cupArea = 0;
        b.lastWall = -1;
        b.strokes = 0;
        b.tint = 0;
    }
    s.gameOver = 0;
    for (particlerec& q : s.particles) {
        q.bounces = 1;
        q.x = 0;
        q.y = 0;
        q.z = 0;
        q.climb = 0;
        q.active = 0;
        q.colour = 0;
        q.shadow = 0;
        q.dot = 0;
    }
    s.puttPhase = PuttPhase::Idle;
    s.scrollX = 0;
    s.scrollY = 0;
    s.recentre = 1;
    s.anyMoving = 0;
    s.bonusTaken = 0;
    s.passTurn = 0;
    s.bestHole = 99;
}

void placeFixedSprites(GameState& s) {
    s.nextEffect = 1;
    s.sprites.fill(spriterec{});
    for (const HoleSprites& hole : kFixedSprites) {
        if (hole.hole != s.holeName) continue;
        for (int i = 0; i < hole.count; ++i) {
            const FixedSprite& f = hole.sprites[i];
            spriterec& slot = s.sprites[f.slot];
            slot.x = f.x;
            slot.y = f.y;
            slot.image = f.image;
            slot.blend = f.blend;
            slot.tick = f.tick;
            slot.keep = 1;
            slot.pulse = 0;
        }
    }
}

void setUpHoleState(GameState& s, const Rules& rules) {
    resetForNewHole(s);
    ChooseStartPlayer(s, rules);
    placeFixedSprites(s);
    s.screenMode = ScreenMode::HoleCard;
}

}  // namespace orbigolf
