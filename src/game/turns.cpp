#include "game/turns.h"

#include <climits>

#include "game/geometry.h"
#include "game/ini_file.h"
#include "game/messages.h"
#include "game/putting.h"
#include "game/sound_ids.h"

namespace orbigolf {

namespace {

void applyStrokeLimit(GameState& s, const Rules& rules, Effects& fx) {
    if (rules.training) return;
    playerrec& b = s.playerRecs[s.curPlayer];
    if (b.holed || b.strokes < strokeLimitOf(rules)) return;
    b.holed = 1;
    b.z = -100;
    playGameSound(s, fx, sound::kTooFast);
    showBigMessage(s, "OVER STROKE LIMIT");
}

void nextSequentialPlayer(GameState& s) {
    const int start = s.curPlayer;
    do {
        s.curPlayer = s.curPlayer >= s.numPlayers ? 1 : s.curPlayer + 1;
    } while (s.playerRecs[s.curPlayer].holed && s.curPlayer != start);
}

void farthestFromHole(GameState& s) {
    int32_t dist[kMaxPlayers + 1] = {};
    int32_t farthest = 0;
    bool allHoled = true;
    for (int p = 1; p <= s.numPlayers; ++p) {
        const playerrec& b = s.playerRecs[p];
        dist[p] = b.holed ? 0 : plainDist(roundInt(b.x), roundInt(b.y), s.cupX, s.cupY);
        if (!b.holed) allHoled = false;
        if (dist[p] > farthest) farthest = dist[p];
    }
    if (allHoled) return;
    // On a tie the highest number plays. A holed ball counts as distance 0 but is
    // never chosen, even when every ball still out lies on the cup's centre.
    for (int p = 1; p <= s.numPlayers; ++p) {
        if (dist[p] == farthest && !s.playerRecs[p].holed) s.curPlayer = p;
    }
}

}  // namespace

int strokeLimitOf(const Rules& rules) {
    return parseInteger(rules.strokelimit).value_or(INT_MAX);
}

void EndOfStroke(GameState& s, const Rules& rules, ScreenSize screen, Effects& fx) {
    if (s.bonusTaken && !s.passTurn) {
        s.passTurn = 1;
        s.recentre = 1;
        parkCursor(s, screen.width, screen.height, fx);
        return;
    }
    applyStrokeLimit(s, rules, fx);
    playGameSound(s, fx, sound::kTurnPasses);
    nextSequentialPlayer(s);
    if (rules.nextplayer == NextPlayerRule::FarthestFromHole) farthestFromHole(s);
    playerrec& next = s.playerRecs[s.curPlayer];
    if (!next.inPlay && !next.holed) next.inPlay = 1;
    s.recentre = 1;
    parkCursor(s, screen.width, screen.height, fx);
    s.bonusTaken = 0;
    s.passTurn = 0;
}

void ChooseStartPlayer(GameState& s, const Rules& rules) {
    switch (rules.startplayer) {
        case StartPlayerRule::Lifo: break;
        case StartPlayerRule::Fifo:
            if (s.firstHoled != 0) s.curPlayer = s.firstHoled;
            break;
        case StartPlayerRule::Random: s.curPlayer = s.random(s.numPlayers) + 1; break;
    }
    if (!s.playerRecs.inRange(s.curPlayer) || s.curPlayer > s.numPlayers) s.curPlayer = 1;
    s.firstHoled = 0;
    s.playerRecs[s.curPlayer].inPlay = 1;
}

bool BetweenHolesStep(GameState& s) {
    if (s.screenMode != ScreenMode::BetweenHoles || s.bigMessageFade != 0) return false;
    s.bigMessage.clear();
    s.screenMode = ScreenMode::Play;
    s.holeName = s.nextHole;
    return true;
}

void FirstHole(GameState& s, const Rules& rules, int courseIndex) {
    if (rules.training) {
        s.holeName = kTrainingHole;
    } else if (courseIndex == 0) {
        s.holeName = kFirstCourseHole;
    }
}

}  // namespace orbigolf
