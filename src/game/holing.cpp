#include "game/holing.h"

#include <algorithm>
#include <cmath>

#include "game/course_items.h"
#include "game/effect_ring.h"
#include "game/geometry.h"
#include "game/messages.h"
#include "game/sound_ids.h"

namespace orbigolf {

namespace {

constexpr const char* kOverStrokeLimit = "OVER STROKE LIMIT";

const arearec* areaOf(const GameState& s, int32_t index) {
    return s.areas.inRange(index) ? &s.areas[index] : nullptr;
}

// Moves a ball that has left the mouth's circle back toward its centre.
void pullToward(playerrec& b, const arearec& a, double step) {
    if (groundDist(roundInt(b.x), roundInt(b.y), a.x1, a.y1) <= a.r) return;
    b.heading = turnOf(a.x1, a.y1, roundInt(b.x), roundInt(b.y));
    b.x = a.x1 >= b.x ? b.lastX + step : b.lastX - step;
    b.y = a.y1 >= b.y ? b.lastY + step : b.lastY - step;
}

void waterAndFallOff(GameState& s, int player, const Rules& rules, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    if (b.sunk) {
        if (b.ballRows > 0) {
            b.ballRows -= 1;
            b.y += 1;
            if (b.ballRows == 7) b.speed = 0;
            if (b.ballRows == 1) {
                spriterec& splash = s.sprites[slot::kSplash];
                splash = spriterec{};
                splash.x = wrapInt(roundWide(b.x) - 8);
                splash.y = wrapInt(roundWide(b.y) - 25);
                splash.image = picture::kSplash;
                splash.blend = 192;
            }
        }
        const spriterec& splash = s.sprites[slot::kSplash];
        if (b.ballRows == 0 && splash.x == 0 && splash.y == 0) RedropBall(s, player, rules, fx);
    }
    if (b.fellOff && b.z < 100) {
        b.fellOff = 0;
        RedropBall(s, player, rules, fx);
    }
}

void pipeTransit(GameState& s, int player, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    const arearec* pipe = areaOf(s, b.cupArea);
    if (b.speed < 0.125) b.speed = 0.125;
    b.climb += 0.2;
    if (b.climb > 4.0 * s.substeps) b.climb = 4.0 * s.substeps;
    b.z -= b.climb;
    if (pipe == nullptr) return;  // no pipe to travel through
    pullToward(b, *pipe, 0.5);
    if (!(b.y - b.z > pipe->y2)) return;

    playGameSound(s, fx, sound::kPipeExit);
    b.x = pipe->x2;
    b.y = pipe->y2;
    b.heading = turnOf(pipe->x4, pipe->y4, pipe->x3, pipe->y3);
    b.speed = plainDist(pipe->x3, pipe->y3, pipe->x4, pipe->y4) / 50.0;
    b.heading = b.heading + 8 - s.random(16);
    b.speed = b.speed + 0.25 - s.random(5) / 10.0;
    if (b.speed > 2) b.speed = 2;
    if (b.speed < 0) b.speed = 0;
    b.z = std::abs(static_cast<double>(pipe->y3) - pipe->y2);
    b.climb = 0.3;
    b.airborne = 1;
    if (pipe->p4 == -1 || s.areas.inRange(pipe->p4)) b.lastWall = pipe->p4;
    b.piped = 0;
    s.recentre = 1;
    b.inPlay = 1;
}

void cupSink(GameState& s, int player) {
    playerrec& b = s.playerRecs[player];
    if (b.speed < 0.125) b.speed = 0.125;
    b.climb += 0.35;
    b.z -= b.climb;
    if (const arearec* cup = areaOf(s, b.cupArea)) pullToward(b, *cup, 1.0);
}

void endOfHole(GameState& s, Effects& fx) {
    for (int p = 1; p <= s.numPlayers; ++p) {
        if (!s.playerRecs[p].holed) return;
    }
    for (int p = 1; p <= s.numPlayers; ++p) {
        if (s.playerRecs[p].strokes == s.bestHole) s.playerRecs[p].holesWon += 1;
    }
    s.holeNum += 1;
    if (s.holeNum > 3) {
        s.gameOver = 1;
        s.screenMode = ScreenMode::ScoreCard;
        playGameSound(s, fx, sound::kGoodHoling);
    } else {
        s.screenMode = ScreenMode::BetweenHoles;
    }
}

void holeOut(GameState& s, int player, const Rules& rules, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    // A ball that rolled in ends its stroke at its next rest and passes the turn.
    // A ball sent in by the stroke limit is already at rest and the turn has
    // passed, so it must not end the stroke a second time.
    const bool rolledIn = b.moving;
    if (!rules.training) playGameSound(s, fx, int64_t{b.strokes} - s.holePar > 0 ? sound::kPoorHoling : sound::kGoodHoling);
    // The stroke limit's message stands for the ball it sent in; a ball that rolls
    // in later on the same hole shows its own result.
    if (rolledIn || s.bigMessage != kOverStrokeLimit) s.bigMessage = scoreName(b.strokes, s.holePar);
    s.bigMessageFade = 255;
    if (b.strokes < s.bestHole) s.bestHole = b.strokes;
    b.scoreToPar = wrapInt(int64_t{b.totalStrokes} - s.coursePar);
    b.inPlay = 0;
    b.x = 5000;
    b.speed = 0;
    if (rolledIn) {
        b.moving = 1;
        s.passTurn = 1;
    }
    if (s.holeNum >= 1 && s.holeNum <= kMaxHoles) b.holeStrokes[s.holeNum] = b.strokes;
    if (s.firstHoled == 0) s.firstHoled = player;
    endOfHole(s, fx);
}

}  // namespace

DepthOrder ballDepthOrder(const GameState& s) {
    DepthOrder order;
    for (int p = 1; p <= s.numPlayers && p <= kMaxPlayers; ++p) order.players[order.count++] = p;
    std::stable_sort(order.players.begin(), order.players.begin() + order.count, [&](int a, int b) {
        return roundInt(s.playerRecs[a].y) < roundInt(s.playerRecs[b].y);
    });
    return order;
}

std::string scoreName(int32_t strokes, int32_t par) {
    if (strokes == 1) return "HOLE IN ONE";
    switch (int64_t{strokes} - par) {
        case -2: return "EAGLE";
        case -1: return "BIRDIE";
        case 0: return "PAR";
        case 1: return "BOGEY";
        case 2: return "DOUBLE BOGEY";
        case 3: return "TRIPLE BOGEY";
        default: return "IN HOLE";
    }
}

void BallRulesPass(GameState& s, int player, const Rules& rules, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    if (!b.inPlay) return;
    if (b.z > -30) waterAndFallOff(s, player, rules, fx);
    if (b.inPlay && b.piped) pipeTransit(s, player, fx);
    if (b.inPlay && b.holed) cupSink(s, player);
    if (b.inPlay && b.holed && b.z < -45) holeOut(s, player, rules, fx);
}

void RedropBall(GameState& s, int player, const Rules& rules, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    b.lastWall = -1;
    b.z = 80;
    b.climb = 0;
    b.heading = 0;
    b.speed = 0;
    b.airborne = 1;
    b.moving = 1;
    b.sunk = 0;
    b.ballRows = 15;
    s.recentre = 1;
    const int32_t a = s.random(256);
    const int32_t d = s.random(22) + 4;
    b.x = s.dropX + turnCos(a) * d;
    b.y = s.dropY + turnSin(a) * d / 2;
    addEffect(s, roundWide(b.x) - 17, roundWide(b.y) - 28 - roundWide(b.z), picture::kTeleportFlash, 192);
    playGameSound(s, fx, sound::kTeleport);
    if (rules.minus1) {
        showMessage(s, "PENALTY STROKE");
        b.totalStrokes += 1;
        b.strokes += 1;
        showBigMessage(s, "PENALTY STROKE");
    }
}

void UpdateScoreToPar(GameState& s) {
    if (!s.playerRecs.inRange(s.curPlayer)) return;
    playerrec& b = s.playerRecs[s.curPlayer];
    if (b.strokes >= s.holePar) b.scoreToPar = wrapInt(int64_t{b.totalStrokes} - s.coursePar);
}

}  // namespace orbigolf
