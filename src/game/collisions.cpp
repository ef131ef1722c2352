#include "game/collisions.h"

#include <cmath>

#include "game/geometry.h"
#include "game/messages.h"
#include "game/sound_ids.h"

namespace orbigolf {

namespace {

int32_t groundDistBetween(const playerrec& a, const playerrec& b) {
    return groundDist(roundInt(a.x), roundInt(a.y), roundInt(b.x), roundInt(b.y));
}

int32_t plainDistBetween(const playerrec& a, const playerrec& b) {
    return plainDist(roundInt(a.x), roundInt(a.y), roundInt(b.x), roundInt(b.y));
}

// Turns the striking ball off at a right angle to the line of centres e, on the
// side away from the struck ball.
int32_t glanceOff(int32_t heading, int32_t e) {
    for (int32_t n = 1; n <= 256; ++n) {
        if (floorMod(wrapInt(int64_t{heading} - n), 256) == e) return e + 64;
        if (floorMod(wrapInt(int64_t{heading} + n), 256) == e) return e - 64;
    }
    return e - 64;  // not reached: n = 256 always matches
}

// Steps the striking ball back along the line of centres until it is clear of
// the other by either measure: more than 20 on the ground or more than 16 plainly.
// Each step moves it a whole pixel away, so the loop is short; the cap only
// guards against positions so large that a step no longer changes them.
void pullApart(playerrec& b, const playerrec& other, int32_t e) {
    for (int step = 0; step < 100000; ++step) {
        b.x -= turnCos(e);
        b.y -= turnSin(e);
        b.lastX = b.x;
        b.lastY = b.y;
        if (groundDistBetween(b, other) > 20 || plainDistBetween(b, other) > 16) return;
    }
}

void giveBonusStroke(GameState& s, const Rules& rules, Effects& fx) {
    if (s.bonusTaken || !rules.plus1) return;
    s.bonusTaken = 1;
    playGameSound(s, fx, sound::kBonus);
    showMessage(s, "BONUS STROKE");
    playerrec& current = s.playerRecs[s.curPlayer];
    current.strokes -= 1;
    current.totalStrokes -= 1;
    showBigMessage(s, "BONUS STROKE");
}

}  // namespace

void collideWithOtherBalls(GameState& s, int player, const Rules& rules, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    for (int j = 1; j <= s.numPlayers && j <= kMaxPlayers; ++j) {
        if (j == player) continue;
        if (b.holed || !b.inPlay) return;
        playerrec& other = s.playerRecs[j];
        if (other.holed || !other.inPlay) continue;
        if (!(groundDistBetween(b, other) < 15 && std::abs(other.z - b.z) < 15)) continue;

        const int32_t e = turnOf(roundInt(other.x), roundInt(other.y), roundInt(b.x), roundInt(b.y));
        other.heading = e;
        other.speed = std::abs(turnCos(b.heading - e) * b.speed) * 0.95;
        b.speed = b.speed * 0.95 - other.speed;
        if (b.speed < 0) b.speed = 0;
        b.heading = glanceOff(b.heading, e);
        other.lastWall = -1;
        other.moving = 1;
        b.lastWall = -1;
        pullApart(b, other, e);
        playGameSound(s, fx, sound::kKnock);
        giveBonusStroke(s, rules, fx);
    }
}

}  // namespace orbigolf
