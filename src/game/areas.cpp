#include "game/areas.h"

#include <algorithm>
#include <cmath>

#include "game/area_kinds.h"
#include "game/course_items.h"
#include "game/effect_ring.h"
#include "game/geometry.h"
#include "game/ini_file.h"
#include "game/messages.h"
#include "game/sound_ids.h"
#include "game/wall_bounce.h"

namespace orbigolf {

namespace {

// The area acting on a ball: the game, the ball, the area and its number.
struct Context {
    GameState& state;
    playerrec& ball;
    arearec& area;
    int player;
    int index;
    Effects& fx;
};

void wall(Context& c, int32_t angle) {
    if (c.ball.lastWall == c.index) return;
    wallBounce(c.state, angle, c.player, c.fx);
    if ((c.area.kind == area::kWallBent19 || c.area.kind == area::kWallBent109) && c.area.p1 == 1) {
        playGameSound(c.state, c.fx, sound::kDust);
        wallDustBurst(c.state, c.ball);
    }
    c.ball.lastWall = c.index;
}

// The ball hops over a cup or pipe mouth it reaches too fast.
void tooFast(Context& c) {
    showMessage(c.state, "TOO FAST TO GO IN");
    c.ball.climb = c.ball.speed / 1.75;
    c.ball.heading = wrapInt(int64_t{c.ball.heading} + c.state.random(16) - 8);
    c.ball.airborne = 1;
}

void cup(Context& c) {
    if (c.ball.speed > 2 && c.ball.z < 4) {
        tooFast(c);
        if (c.state.soundOn && c.state.random(10) < 7) c.fx.playSound(sound::kTooFast);
        return;
    }
    if (c.ball.holed || c.ball.airborne) return;
    playGameSound(c.state, c.fx, sound::kCupDrop);
    c.ball.holed = 1;
    c.ball.cupArea = c.index;
    if (c.ball.speed > 0.75) c.ball.speed = 0.75;
}

void pipe(Context& c) {
    if (c.ball.speed > 2) {
        tooFast(c);
        return;
    }
    if (c.ball.piped || c.ball.airborne) return;
    playGameSound(c.state, c.fx, sound::kCupDrop);
    c.ball.piped = 1;
    c.ball.cupArea = c.index;
    if (c.ball.speed > 0.75) c.ball.speed = 0.75;
}

void ramp(Context& c, int32_t tilt, int32_t slopeHeading) {
    c.ball.tilt = tilt;
    c.ball.slopeHeading = slopeHeading;
    c.ball.slopePush = std::clamp(c.ball.speed * 0.014, 0.017, 0.031);
    c.ball.lastWall = -1;
}

void slope(Context& c, int32_t slopeHeading) {
    c.ball.slopePush = 0.025;
    c.ball.slopeHeading = slopeHeading;
    c.ball.lastWall = -1;
}

void funnel(Context& c) {
    if (c.ball.airborne || c.ball.holed) return;
    c.ball.slopeHeading = turnOf(c.area.x1, c.area.y1, roundInt(c.ball.x), roundInt(c.ball.y));
    c.ball.slopePush = c.ball.speed * 0.025 + 0.025;
    c.ball.lastWall = -1;
}

void water(Context& c) {
    if (!(c.ball.z < 1) || c.ball.sunk) return;
    playGameSound(c.state, c.fx, sound::kSplash);
    c.state.dropX = c.area.p1;
    c.state.dropY = c.area.p2;
    c.ball.sunk = 1;
    waterSplashBurst(c.state, c.ball, c.area.p3 == 1);
    c.ball.z = 0;
    c.ball.climb = 0;
}

// The animation a spring or fan shows when it fires.
void launchAnimation(Context& c) {
    if (c.area.p1 != 0) addEffect(c.state, c.area.p1, c.area.p2, c.area.p4, 0);
}

void throwUp(Context& c) {
    c.ball.airborne = 1;
    if (c.area.p3 != 0) c.ball.heading = wrapInt(int64_t{c.area.p3} - c.state.random(16));
    c.ball.climb = 6.0;
    c.ball.speed += 0.25;
}

void spring(Context& c) {
    if (!(c.ball.z < 4)) return;
    throwUp(c);
    if (c.area.comment == "murk") {
        c.ball.climb = 8.5;
        c.ball.speed += 2.05;
        c.ball.heading = c.state.random(4) + 17;
    }
    c.ball.lastWall = -1;
    c.ball.moving = 1;
    showMessage(c.state, "YOU HIT A SPRING");
    launchAnimation(c);
    if (c.area.comment != "tank") {
        playGameSound(c.state, c.fx, sound::kSpring);
    } else {
        playGameSound(c.state, c.fx, sound::kCannon);
        showMessage(c.state, "YOU GOT SHOT");
        c.ball.climb = c.state.random(10) / 10.0 + 4.5;
        c.ball.speed = c.state.random(20) / 10.0 + 2.45;
    }
}

void fan(Context& c) {
    if (!(c.ball.z < 4)) return;
    throwUp(c);
    c.ball.lastWall = -1;
    c.ball.moving = 1;
    showMessage(c.state, c.area.comment == "witch" ? "WATCH OUT FOR WITCHES" : "YOU HIT A FAN");
    launchAnimation(c);
    playGameSound(c.state, c.fx, sound::kFan);
}

void eruption(Context& c) {
    if (c.ball.holed || !(c.ball.z < 2)) return;
    c.ball.airborne = 1;
    c.ball.heading = c.state.random(360);
    c.ball.speed = 1.5;
    c.ball.climb = 6.0;
    addEffect(c.state, int64_t{c.area.x1} - 27, int64_t{c.area.y1} - 147, picture::kExplosion, 192);
    c.ball.lastWall = -1;
    c.ball.moving = 1;
    playGameSound(c.state, c.fx, sound::kFan);
}

void blast(Context& c) {
    if (c.ball.holed || !(c.ball.z < 4)) return;
    c.ball.airborne = 1;
    c.ball.heading = wrapInt(int64_t{c.ball.heading} - (c.state.random(128) + 64));
    c.ball.speed = 3.0;
    c.ball.climb = 6.0;
    c.ball.lastWall = -1;
    c.ball.moving = 1;
    blastBurst(c.state, c.ball);
    addEffect(c.state, roundWide(c.ball.x) - 55, roundWide(c.ball.y) - 65, picture::kExplosion, 192);
    playGameSound(c.state, c.fx, sound::kBlast);
}

void roughGround(Context& c) {
    if (c.state.random(8) != 0) return;
    if (c.ball.speed > 2) c.ball.speed *= 0.94;
    c.ball.airborne = 1;
    if (std::abs(c.ball.climb) < 0.5) c.ball.climb = c.state.random(8) / 10.0;
    c.ball.heading = floorMod(wrapInt(int64_t{c.ball.heading} - c.state.random(4) + 2), 256);
    c.ball.lastWall = -1;
    c.ball.moving = 1;
    roughGroundBurst(c.state, c.ball);
    const int64_t ex = roundWide(c.ball.x) - c.state.random(22);
    const int64_t ey = roundWide(c.ball.y) - c.state.random(22) - 10;
    addEffect(c.state, ex, ey, picture::kRoughDust, 128);
    if (c.area.p1 != 0 && c.area.p2 != 0) {
        // The comment names the picture; a comment that is not a number shows nothing.
        if (const auto image = parseInteger(c.area.comment)) {
            addEffect(c.state, c.area.p1, c.area.p2, *image, 0);
        }
    }
    if (c.state.soundOn) c.fx.playSound(c.state.random(10) > 5 ? sound::kRoughB : sound::kRoughA);
}

void kicker(Context& c) {
    if (c.ball.airborne || !(c.ball.speed > 3.5)) return;
    c.ball.speed = 4.5;
    c.ball.climb = 12.0;
    c.ball.airborne = 1;
}

void ledge(Context& c) {
    if (c.ball.lastWall == c.index) return;
    c.ball.z += c.area.p1;
    c.ball.y += c.area.p1;
    c.ball.lastX = c.ball.x;
    c.ball.lastY = c.ball.y;
    c.ball.airborne = 1;
    c.ball.lastWall = c.index;
}

double exitHeight(const arearec& a) { return std::abs(static_cast<double>(a.y3) - a.y2); }

void teleport(Context& c) {
    addEffect(c.state, roundWide(c.ball.x) - 17, roundWide(c.ball.y) - 28 - roundWide(c.ball.z), picture::kTeleportFlash, 255);
    c.ball.x = c.area.x2;
    c.ball.y = c.area.y2;
    const int32_t a = c.state.random(256);
    const int32_t d = c.state.random(12) + 4;
    c.ball.x += turnCos(a) * d;
    c.ball.y += turnSin(a) * d / 2;
    c.ball.heading = turnOf(c.area.x4, c.area.y4, c.area.x3, c.area.y3);
    c.ball.speed = std::min(plainDist(c.area.x3, c.area.y3, c.area.x4, c.area.y4) / 50.0, 2.0);
    c.ball.z = exitHeight(c.area);
    c.ball.airborne = 1;
    addEffect(c.state, roundWide(c.ball.x) - 17, roundWide(c.ball.y) - 28 - roundWide(c.ball.z), picture::kTeleportFlash, 255);
    c.state.recentre = 1;
    playGameSound(c.state, c.fx, sound::kTeleport);
}

void launcher(Context& c) {
    c.ball.x = c.area.x2;
    c.ball.y = c.area.y2;
    const int32_t direction = turnOf(c.area.x4, c.area.y4, c.area.x3, c.area.y3);
    c.ball.heading = direction - 3 + c.state.random(6);
    const int32_t length = plainDist(c.area.x3, c.area.y3, c.area.x4, c.area.y4);
    c.ball.speed = std::min(length / static_cast<double>(55 - c.state.random(10)), 2.0);
    c.ball.z = exitHeight(c.area);
    c.ball.airborne = 1;
}

void fallOff(Context& c) {
    if (c.ball.lastWall == c.index) return;
    const double courseHeight = c.state.courseHeight;
    c.ball.z = courseHeight - c.ball.y + c.ball.z + 500;
    c.ball.y = courseHeight + 500;
    c.ball.lastX = c.ball.x;
    c.ball.lastY = c.ball.y;
    c.state.dropX = c.area.p1;
    c.state.dropY = c.area.p2;
    c.ball.airborne = 1;
    c.ball.fellOff = 1;
    c.ball.lastWall = c.index;
    playGameSound(c.state, c.fx, sound::kFallingOff);
}

void bonusPickUp(Context& c) {
    c.area.enabled = 0;
    c.state.sprites[slot::kBonusPickUpGlow] = spriterec{};
    c.state.sprites[slot::kBonusPickUpShine] = spriterec{};
    c.state.nextEffect = 1;
    const int64_t ex = roundWide(c.ball.x) - 80;
    const int64_t ey = roundWide(c.ball.y) - 62;
    addEffect(c.state, ex, ey, picture::kBonusSparkle, 255);
    addEffect(c.state, ex, ey, picture::kBonusSparkle, -192);
    showMessage(c.state, "BONUS STROKE");
    c.ball.strokes -= 1;
    c.ball.totalStrokes -= 1;
    c.ball.climb = 3.0;
    c.ball.airborne = 1;
    playGameSound(c.state, c.fx, sound::kBonus);
    c.state.passTurn = 0;
    c.state.bonusTaken = 1;
    showBigMessage(c.state, "BONUS STROKE");
}

void constructionWorker(Context& c) {
    if (c.ball.airborne) return;
    c.ball.airborne = 1;
    c.ball.heading = 192 - c.state.random(64);
    c.ball.speed = 3.0;
    c.ball.climb = 6.0;
    c.ball.lastWall = -1;
    c.ball.moving = 1;
    showMessage(c.state, "YOU WOKE THE CONSTRUCTION WORKER");
    addEffect(c.state, 1006, 71, picture::kRoughDust, 0);
    playHoleSound(c.state, c.fx, sound::kHoleEvent);
}

void cannonOrHidden(Context& c) {
    if (c.area.comment == "cannon") {
        addEffect(c.state, 1097, 76, picture::kCannonFlash, 192);
        playGameSound(c.state, c.fx, sound::kCannon);
        c.ball.climb = 8.6;
        c.area.enabled = 0;
    } else if (c.area.comment == "hidden") {
        c.state.nextHole = "course5hole1";
        showBigMessage(c.state, "BONUS HOLE DISCOVERED");
    }
}

void text(Context& c) {
    switch (c.area.p1) {
        case 0: c.state.nextHole = c.area.comment; break;
        case 5: c.state.message = c.area.comment; break;
        case 7: c.state.bigMessage = c.area.comment; break;
        default: break;  // texts that nothing shows, or invalid data
    }
}

void switchOn(Context& c) {
    if (c.state.areas.inRange(c.area.p1)) c.state.areas[c.area.p1].enabled = 1;
}

void switchOff(Context& c) {
    if (c.ball.airborne) return;
    c.area.enabled = 0;
    playHoleSound(c.state, c.fx, sound::kHoleEvent);
}

}  // namespace

void areaAction(GameState& s, int player, int h, const Rules&, Effects& fx) {
    Context c{s, s.playerRecs[player], s.areas[h], player, h, fx};
    switch (c.area.kind) {
        case area::kWallBent19: wall(c, 19); break;
        case area::kWall64: wall(c, 64); break;
        case area::kWallBent109: wall(c, 109); break;
        case area::kWall0: wall(c, 0); break;
        case area::kCup: cup(c); break;
        case area::kWall32: wall(c, 32); break;
        case area::kWall96: wall(c, 96); break;
        case area::kRampDownLeft: ramp(c, -13, 96); break;
        case area::kRampUpRight: ramp(c, 13, 1); break;
        case area::kRampUpDown: ramp(c, 13, 32); break;
        case area::kRampDownRight: ramp(c, -13, 128); break;
        case area::kEruption: eruption(c); break;
        case area::kSpring: spring(c); break;
        case area::kFunnel: funnel(c); break;
        case area::kSlope1: slope(c, 1); break;
        case area::kSlope19: slope(c, 19); break;
        case area::kSlope64: slope(c, 64); break;
        case area::kSlope109: slope(c, 109); break;
        case area::kSlope128: slope(c, 128); break;
        case area::kSlope147: slope(c, 147); break;
        case area::kSlope192: slope(c, 192); break;
        case area::kSlope237: slope(c, 237); break;
        case area::kSand:
            if (c.ball.z < 0.5) c.ball.inSand = 1;
            break;
        case area::kWater: water(c); break;
        case area::kTeleport: teleport(c); break;
        case area::kPipe: pipe(c); break;
        case area::kBlast: blast(c); break;
        case area::kText: text(c); break;
        case area::kCannonOrHidden: cannonOrHidden(c); break;
        case area::kRoughGround: roughGround(c); break;
        case area::kTint: c.ball.tint = std::max(c.ball.tint, c.area.p1); break;
        case area::kLedge: ledge(c); break;
        case area::kKicker: kicker(c); break;
        case area::kBonusPickUp: bonusPickUp(c); break;
        case area::kConstructionWorker: constructionWorker(c); break;
        case area::kLauncher: launcher(c); break;
        case area::kSwitchOn: switchOn(c); break;
        case area::kSwitchOff: switchOff(c); break;
        case area::kFan: fan(c); break;
        case area::kCourseEdge: fallOff(c); break;
        default: break;  // empty slots and kinds without an action
    }
}

}  // namespace orbigolf
