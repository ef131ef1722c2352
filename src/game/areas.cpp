#include "game/areas.h"

#include <algorithm>
#include <cmath>

#include "game/effect_ring.h"
#include "game/geometry.h"
#include "game/ini_file.h"
#include "game/messages.h"
#include "game/wall_bounce.h"

namespace orbigolf {

namespace {

struct Context {
    GameState& s;
    playerrec& b;
    arearec& area;
    int player;
    int h;
    Effects& fx;
};

void wall(Context& c, int32_t angle) {
    if (c.b.lastWall == c.h) return;
    wallBounce(c.s, angle, c.player, c.fx);
    if ((c.area.kind == 1 || c.area.kind == 3) && c.area.p1 == 1) {
        playGameSound(c.s, c.fx, 19);
        wallDustBurst(c.s, c.b);
    }
    c.b.lastWall = c.h;
}

// The ball hops over a cup or pipe mouth it reaches too fast.
void tooFast(Context& c) {
    showMessage(c.s, "TOO FAST TO GO IN");
    c.b.climb = c.b.speed / 1.75;
    c.b.heading = wrapInt(int64_t{c.b.heading} + c.s.random(16) - 8);
    c.b.airborne = 1;
}

void cup(Context& c) {
    if (c.b.speed > 2 && c.b.z < 4) {
        tooFast(c);
        if (c.s.soundOn && c.s.random(10) < 7) c.fx.playSound(10);
        return;
    }
    if (c.b.holed || c.b.airborne) return;
    playGameSound(c.s, c.fx, 3);
    c.b.holed = 1;
    c.b.cupArea = c.h;
    if (c.b.speed > 0.75) c.b.speed = 0.75;
}

void pipe(Context& c) {
    if (c.b.speed > 2) {
        tooFast(c);
        return;
    }
    if (c.b.piped || c.b.airborne) return;
    playGameSound(c.s, c.fx, 3);
    c.b.piped = 1;
    c.b.cupArea = c.h;
    if (c.b.speed > 0.75) c.b.speed = 0.75;
}

void ramp(Context& c, int32_t tilt, int32_t slopeHeading) {
    c.b.tilt = tilt;
    c.b.slopeHeading = slopeHeading;
    c.b.slopePush = std::clamp(c.b.speed * 0.014, 0.017, 0.031);
    c.b.lastWall = -1;
}

void slope(Context& c, int32_t slopeHeading) {
    c.b.slopePush = 0.025;
    c.b.slopeHeading = slopeHeading;
    c.b.lastWall = -1;
}

void funnel(Context& c) {
    if (c.b.airborne || c.b.holed) return;
    c.b.slopeHeading = turnOf(c.area.x1, c.area.y1, roundInt(c.b.x), roundInt(c.b.y));
    c.b.slopePush = c.b.speed * 0.025 + 0.025;
    c.b.lastWall = -1;
}

void water(Context& c) {
    if (!(c.b.z < 1) || c.b.sunk) return;
    playGameSound(c.s, c.fx, 13);
    c.s.dropX = c.area.p1;
    c.s.dropY = c.area.p2;
    c.b.sunk = 1;
    waterSplashBurst(c.s, c.b, c.area.p3 == 1);
    c.b.z = 0;
    c.b.climb = 0;
}

// The animation a spring or fan shows when it fires.
void launchAnimation(Context& c) {
    if (c.area.p1 != 0) addEffect(c.s, c.area.p1, c.area.p2, c.area.p4, 0);
}

void throwUp(Context& c) {
    c.b.airborne = 1;
    if (c.area.p3 != 0) c.b.heading = wrapInt(int64_t{c.area.p3} - c.s.random(16));
    c.b.climb = 6.0;
    c.b.speed += 0.25;
}

void spring(Context& c) {
    if (!(c.b.z < 4)) return;
    throwUp(c);
    if (c.area.comment == "murk") {
        c.b.climb = 8.5;
        c.b.speed += 2.05;
        c.b.heading = c.s.random(4) + 17;
    }
    c.b.lastWall = -1;
    c.b.moving = 1;
    showMessage(c.s, "YOU HIT A SPRING");
    launchAnimation(c);
    if (c.area.comment != "tank") {
        playGameSound(c.s, c.fx, 14);
    } else {
        playGameSound(c.s, c.fx, 27);
        showMessage(c.s, "YOU GOT SHOT");
        c.b.climb = c.s.random(10) / 10.0 + 4.5;
        c.b.speed = c.s.random(20) / 10.0 + 2.45;
    }
}

void fan(Context& c) {
    if (!(c.b.z < 4)) return;
    throwUp(c);
    c.b.lastWall = -1;
    c.b.moving = 1;
    showMessage(c.s, c.area.comment == "witch" ? "WATCH OUT FOR WITCHES" : "YOU HIT A FAN");
    launchAnimation(c);
    playGameSound(c.s, c.fx, 9);
}

void eruption(Context& c) {
    if (c.b.holed || !(c.b.z < 2)) return;
    c.b.airborne = 1;
    c.b.heading = c.s.random(360);
    c.b.speed = 1.5;
    c.b.climb = 6.0;
    addEffect(c.s, int64_t{c.area.x1} - 27, int64_t{c.area.y1} - 147, 3, 192);
    c.b.lastWall = -1;
    c.b.moving = 1;
    playGameSound(c.s, c.fx, 9);
}

void blast(Context& c) {
    if (c.b.holed || !(c.b.z < 4)) return;
    c.b.airborne = 1;
    c.b.heading = wrapInt(int64_t{c.b.heading} - (c.s.random(128) + 64));
    c.b.speed = 3.0;
    c.b.climb = 6.0;
    c.b.lastWall = -1;
    c.b.moving = 1;
    blastBurst(c.s, c.b);
    addEffect(c.s, roundWide(c.b.x) - 55, roundWide(c.b.y) - 65, 3, 192);
    playGameSound(c.s, c.fx, 12);
}

void roughGround(Context& c) {
    if (c.s.random(8) != 0) return;
    if (c.b.speed > 2) c.b.speed *= 0.94;
    c.b.airborne = 1;
    if (std::abs(c.b.climb) < 0.5) c.b.climb = c.s.random(8) / 10.0;
    c.b.heading = floorMod(wrapInt(int64_t{c.b.heading} - c.s.random(4) + 2), 256);
    c.b.lastWall = -1;
    c.b.moving = 1;
    roughGroundBurst(c.s, c.b);
    const int64_t ex = roundWide(c.b.x) - c.s.random(22);
    const int64_t ey = roundWide(c.b.y) - c.s.random(22) - 10;
    addEffect(c.s, ex, ey, 8, 128);
    if (c.area.p1 != 0 && c.area.p2 != 0) {
        // The comment names the picture; a comment that is not a number shows nothing.
        if (const auto image = parseInteger(c.area.comment)) {
            addEffect(c.s, c.area.p1, c.area.p2, *image, 0);
        }
    }
    if (c.s.soundOn) c.fx.playSound(c.s.random(10) > 5 ? 16 : 15);
}

void kicker(Context& c) {
    if (c.b.airborne || !(c.b.speed > 3.5)) return;
    c.b.speed = 4.5;
    c.b.climb = 12.0;
    c.b.airborne = 1;
}

void ledge(Context& c) {
    if (c.b.lastWall == c.h) return;
    c.b.z += c.area.p1;
    c.b.y += c.area.p1;
    c.b.lastX = c.b.x;
    c.b.lastY = c.b.y;
    c.b.airborne = 1;
    c.b.lastWall = c.h;
}

double exitHeight(const arearec& a) { return std::abs(static_cast<double>(a.y3) - a.y2); }

void teleport(Context& c) {
    addEffect(c.s, roundWide(c.b.x) - 17, roundWide(c.b.y) - 28 - roundWide(c.b.z), 13, 255);
    c.b.x = c.area.x2;
    c.b.y = c.area.y2;
    const int32_t a = c.s.random(256);
    const int32_t d = c.s.random(12) + 4;
    c.b.x += turnCos(a) * d;
    c.b.y += turnSin(a) * d / 2;
    c.b.heading = turnOf(c.area.x4, c.area.y4, c.area.x3, c.area.y3);
    c.b.speed = std::min(plainDist(c.area.x3, c.area.y3, c.area.x4, c.area.y4) / 50.0, 2.0);
    c.b.z = exitHeight(c.area);
    c.b.airborne = 1;
    addEffect(c.s, roundWide(c.b.x) - 17, roundWide(c.b.y) - 28 - roundWide(c.b.z), 13, 255);
    c.s.recentre = 1;
    playGameSound(c.s, c.fx, 7);
}

void launcher(Context& c) {
    c.b.x = c.area.x2;
    c.b.y = c.area.y2;
    const int32_t direction = turnOf(c.area.x4, c.area.y4, c.area.x3, c.area.y3);
    c.b.heading = direction - 3 + c.s.random(6);
    const int32_t length = plainDist(c.area.x3, c.area.y3, c.area.x4, c.area.y4);
    c.b.speed = std::min(length / static_cast<double>(55 - c.s.random(10)), 2.0);
    c.b.z = exitHeight(c.area);
    c.b.airborne = 1;
}

void fallOff(Context& c) {
    if (c.b.lastWall == c.h) return;
    const double courseHeight = c.s.courseHeight;
    c.b.z = courseHeight - c.b.y + c.b.z + 500;
    c.b.y = courseHeight + 500;
    c.b.lastX = c.b.x;
    c.b.lastY = c.b.y;
    c.s.dropX = c.area.p1;
    c.s.dropY = c.area.p2;
    c.b.airborne = 1;
    c.b.fellOff = 1;
    c.b.lastWall = c.h;
    playGameSound(c.s, c.fx, 26);
}

void bonusPickUp(Context& c) {
    c.area.enabled = 0;
    c.s.sprites[36] = spriterec{};
    c.s.sprites[37] = spriterec{};
    c.s.nextEffect = 1;
    const int64_t ex = roundWide(c.b.x) - 80;
    const int64_t ey = roundWide(c.b.y) - 62;
    addEffect(c.s, ex, ey, 7, 255);
    addEffect(c.s, ex, ey, 7, -192);
    showMessage(c.s, "BONUS STROKE");
    c.b.strokes -= 1;
    c.b.totalStrokes -= 1;
    c.b.climb = 3.0;
    c.b.airborne = 1;
    playGameSound(c.s, c.fx, 21);
    c.s.passTurn = 0;
    c.s.bonusTaken = 1;
    showBigMessage(c.s, "BONUS STROKE");
}

void constructionWorker(Context& c) {
    if (c.b.airborne) return;
    c.b.airborne = 1;
    c.b.heading = 192 - c.s.random(64);
    c.b.speed = 3.0;
    c.b.climb = 6.0;
    c.b.lastWall = -1;
    c.b.moving = 1;
    showMessage(c.s, "YOU WOKE THE CONSTRUCTION WORKER");
    addEffect(c.s, 1006, 71, 8, 0);
    playHoleSound(c.s, c.fx, 1);
}

void cannonOrHidden(Context& c) {
    if (c.area.comment == "cannon") {
        addEffect(c.s, 1097, 76, 5, 192);
        playGameSound(c.s, c.fx, 27);
        c.b.climb = 8.6;
        c.area.enabled = 0;
    } else if (c.area.comment == "hidden") {
        c.s.nextHole = "course5hole1";
        showBigMessage(c.s, "BONUS HOLE DISCOVERED");
    }
}

void text(Context& c) {
    switch (c.area.p1) {
        case 0: c.s.nextHole = c.area.comment; break;
        case 5: c.s.message = c.area.comment; break;
        case 7: c.s.bigMessage = c.area.comment; break;
        default: break;  // texts that nothing shows, or invalid data
    }
}

void switchOn(Context& c) {
    if (c.s.areas.inRange(c.area.p1)) c.s.areas[c.area.p1].enabled = 1;
}

void switchOff(Context& c) {
    if (c.b.airborne) return;
    c.area.enabled = 0;
    playHoleSound(c.s, c.fx, 1);
}

}  // namespace

void areaAction(GameState& s, int player, int h, const Rules&, Effects& fx) {
    Context c{s, s.playerRecs[player], s.areas[h], player, h, fx};
    switch (c.area.kind) {
        case 1: wall(c, 19); break;
        case 2: wall(c, 64); break;
        case 3: wall(c, 109); break;
        case 4: wall(c, 0); break;
        case 5: cup(c); break;
        case 6: wall(c, 32); break;
        case 7: wall(c, 96); break;
        case 8: ramp(c, -13, 96); break;
        case 9: ramp(c, 13, 1); break;
        case 10: ramp(c, 13, 32); break;
        case 11: ramp(c, -13, 128); break;
        case 12: eruption(c); break;
        case 13: spring(c); break;
        case 14: funnel(c); break;
        case 15: slope(c, 1); break;
        case 16: slope(c, 19); break;
        case 17: slope(c, 64); break;
        case 18: slope(c, 109); break;
        case 19: slope(c, 128); break;
        case 20: slope(c, 147); break;
        case 21: slope(c, 192); break;
        case 22: slope(c, 237); break;
        case 23:
            if (c.b.z < 0.5) c.b.inSand = 1;
            break;
        case 24: water(c); break;
        case 25: teleport(c); break;
        case 26: pipe(c); break;
        case 27: blast(c); break;
        case 28: text(c); break;
        case 29: cannonOrHidden(c); break;
        case 30: roughGround(c); break;
        case 32: c.b.tint = std::max(c.b.tint, c.area.p1); break;
        case 33: ledge(c); break;
        case 34: kicker(c); break;
        case 35: bonusPickUp(c); break;
        case 36: constructionWorker(c); break;
        case 37: launcher(c); break;
        case 38: switchOn(c); break;
        case 40: switchOff(c); break;
        case 43: fan(c); break;
        case 45: fallOff(c); break;
        default: break;  // empty slots and kinds without an action
    }
}

}  // namespace orbigolf
