#include "game/ball_motion.h"

#include <cmath>

#include "game/hit_tests.h"
#include "game/areas.h"
#include "game/collisions.h"
#include "game/effect_ring.h"
#include "game/geometry.h"
#include "game/sound_ids.h"
#include "game/turns.h"

namespace orbigolf {

namespace {

int32_t plainDistOf(double xa, double ya, double xb, double yb) {
    return plainDist(roundInt(xa), roundInt(ya), roundInt(xb), roundInt(yb));
}

void resetPassResults(playerrec& b) {
    b.lastTilt = b.tilt;
    b.lastSlopeHeading = b.slopeHeading;
    b.tilt = 0;
    b.slopeHeading = 0;
    b.slopePush = 0;
    b.inSand = 0;
}

void restTest(playerrec& b) {
    if (b.speed == 0 && !b.airborne && b.lastSlopeHeading == 0 && !b.sunk && !b.piped) {
        b.moving = 0;
        b.stillPasses = 0;
    }
}

}  // namespace

bool anyBallMoving(const GameState& s) {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const playerrec& b = s.playerRecs[p];
        if (b.moving && b.inPlay) return true;
    }
    return false;
}

void stuckBallWatch(GameState& s, playerrec& b, Effects& fx) {
    if (plainDistOf(b.lastX, b.lastY, b.x, b.y) < 2) {
        b.stillPasses += 1;
    } else {
        b.lastX = b.x;
        b.lastY = b.y;
        b.stillPasses = 0;
    }
    if (plainDistOf(b.anchorX, b.anchorY, b.x, b.y) >= 6) {
        b.anchorX = b.x;
        b.anchorY = b.y;
    }
    if (b.stillPasses > 60 && !b.airborne && !b.inSand && !b.sunk && !b.piped && !b.holed) {
        b.x = b.anchorX;
        b.y = b.anchorY;
        b.airborne = 1;
        b.heading = wrapInt(int64_t{b.heading} - (s.random(128) + 64));
        b.speed = 1.0;
        b.climb = 1.0;
        b.lastWall = -1;
        b.moving = 1;
        b.stillPasses = 0;
        playGameSound(s, fx, sound::kDust);
        stuckBallDustBurst(s, b);
    }
}

void moveBall(playerrec& b) {
    double vx = turnCos(b.heading) * b.speed;
    double vy = turnSin(b.heading) * b.speed;
    double sx = turnCos(b.slopeHeading) * b.slopePush;
    double sy = turnSin(b.slopeHeading) * b.slopePush;
    if (b.z > 1.5) {  // a ball in the air feels no slope
        sx = 0;
        sy = 0;
    }
    vx += sx;
    vy += sy;
    b.heading = turnOf(vx, vy);
    b.speed = std::sqrt(vx * vx + vy * vy);
    b.x += vx;
    b.y += vy;

    // The texture rolls with the motion.
    b.spin = static_cast<uint8_t>(angleMod(wrapInt(int64_t{b.spin} + roundInt(vx * 2.75))));
    b.rollU += turnSin(b.spin) * (vy / 2);
    b.rollV += turnSin(b.spin + 64) * (vy / 2);
    if (b.rollU > 16) b.rollU -= 16;
    if (b.rollU < 0) b.rollU += 16;
    if (b.rollV > 16) b.rollV -= 16;
    if (b.rollV < 0) b.rollV += 16;
}

void applyFriction(GameState& s, playerrec& b, Effects& fx) {
    if (b.speed > 5) b.speed = 5.0;
    b.speed -= 0.005;
    if (b.sunk) {
        if (b.speed > 0.5) {
            b.speed = 0.5;
        } else {
            b.speed -= 0.065;
        }
    }
    if (b.inSand) {
        if (b.speed > 2.5) {
            b.speed = 2.0;
            playGameSound(s, fx, sound::kBounce);
            sandSprayBurst(s, b);
        } else {
            b.speed -= 0.025;
        }
    }
    if (b.speed < 0) b.speed = 0;
}

void fly(GameState& s, playerrec& b, Effects& fx) {
    if (!b.airborne) return;
    b.z += b.climb;
    if (b.z < 0) {
        b.climb *= -0.65;
        b.z = 0;
        if (b.climb >= 1.5) landingDustBurst(s, b);
        playGameSound(s, fx, sound::kBounce);
    }
    b.climb -= 0.2;
    if (b.z == 0 && std::abs(b.climb) < 0.5) b.airborne = 0;
}

void rampEdges(playerrec& b) {
    if (b.airborne) return;
    const int32_t k = roundInt(std::abs(turnCos(b.heading - 19)) * 15);
    if (b.lastTilt == 13 && b.tilt == 0) b.heading -= k;
    if (b.lastTilt == 0 && b.tilt == 13) b.heading += k;
    if (b.lastTilt == -13 && b.tilt == 0) b.heading += k;
    if (b.lastTilt == 0 && b.tilt == -13) b.heading -= k;
    if (!(b.speed > 2)) return;
    const int32_t h = b.heading;
    const bool offLowRamp = b.lastTilt == -13 && b.tilt == 0 &&
                            ((h > 208 && h < 240) || (h > 0 && h < 32));
    const bool offHighRamp = b.lastTilt == 13 && b.tilt == 0 &&
                             ((h > 144 && h < 176) || (h > 96 && h < 128));
    if (offLowRamp || offHighRamp) {
        b.climb = b.speed * 0.92;
        b.airborne = 1;
    }
}

void areaPass(GameState& s, int player, const Rules& rules, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    for (int h = 1; h <= kMaxAreas; ++h) {
        b.bounced = 0;
        b.hit = 0;
        const arearec& area = s.areas[h];
        if (area.enabled && insideArea(roundInt(b.x), roundInt(b.y), area)) {
            b.hit = 1;
            areaAction(s, player, h, rules, fx);
        }
        if (b.bounced) {
            b.speed *= 0.9;
            b.x = b.lastX;
            b.y = b.lastY;
        }
    }
}

void simulatePass(GameState& s, int player, const Rules& rules, ScreenSize screen, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    if (!b.moving) return;

    stuckBallWatch(s, b, fx);
    moveBall(b);
    applyFriction(s, b, fx);
    fly(s, b, fx);
    rampEdges(b);
    resetPassResults(b);
    if (rules.collide) collideWithOtherBalls(s, player, rules, fx);
    restTest(b);
    areaPass(s, player, rules, fx);

    // The stroke ends once: in the pass in which the last ball in play comes to
    // rest, after the areas had their chance to set it going again.
    const bool wasMoving = s.anyMoving;
    s.anyMoving = anyBallMoving(s) ? 1 : 0;
    if (wasMoving && !s.anyMoving) EndOfStroke(s, rules, screen, fx);
}

void simulateBalls(GameState& s, const Rules& rules, ScreenSize screen, Effects& fx) {
    for (int p = 1; p <= s.numPlayers && p <= kMaxPlayers; ++p) {
        for (int pass = 0; pass <= s.substeps; ++pass) simulatePass(s, p, rules, screen, fx);
    }
}

}  // namespace orbigolf
