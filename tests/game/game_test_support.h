#pragma once
// Shared set-up for the rules tests: a recording effects outlet, a course with
// hand-made areas, and the order of work of one game tick.

#include <algorithm>
#include <vector>

#include "game/ball_motion.h"
#include "game/effects.h"
#include "game/holing.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/game_tick.h"

namespace orbigolf::testing {

class RecordingEffects final : public Effects {
public:
    void playSound(int n) override { sounds.push_back(n); }
    void playBackgroundSound(int n) override { bgSounds.push_back(n); }
    void parkCursor() override { ++parks; }

    int count(int n) const { return static_cast<int>(std::count(sounds.begin(), sounds.end(), n)); }
    bool played(int n) const { return count(n) > 0; }

    std::vector<int> sounds;
    std::vector<int> bgSounds;
    int parks = 0;
};

// A hole in play: `players` players on hole 1, sound on, two passes per tick.
inline GameState makeState(int players = 1, uint64_t seed = 7) {
    GameState s;
    s.numPlayers = players;
    s.curPlayer = 1;
    s.holeNum = 1;
    s.holePar = 3;
    s.coursePar = 3;
    s.bestHole = 99;
    s.substeps = 1;
    s.nextEffect = 1;
    s.soundOn = 1;
    s.courseWidth = 1600;
    s.courseHeight = 1200;
    s.random.seed(seed);
    for (playerrec& b : s.playerRecs) {
        b.lastWall = -1;
        b.ballRows = 15;
    }
    return s;
}

inline playerrec& placeBall(GameState& s, int p, double x, double y, int32_t heading = 0, double speed = 0) {
    playerrec& b = s.playerRecs[p];
    b.x = b.lastX = b.anchorX = x;
    b.y = b.lastY = b.anchorY = y;
    b.heading = heading;
    b.speed = speed;
    b.inPlay = 1;
    b.moving = speed > 0 ? 1 : 0;
    if (b.moving) s.anyMoving = 1;
    return b;
}

inline arearec& quadArea(GameState& s, int h, int kind, int x1, int y1, int x2, int y2) {
    arearec& a = s.areas[h];
    a = arearec{};
    a.kind = kind;
    a.x1 = x1; a.y1 = y1;
    a.x2 = x2; a.y2 = y1;
    a.x3 = x2; a.y3 = y2;
    a.x4 = x1; a.y4 = y2;
    a.enabled = 1;
    return a;
}

inline arearec& discArea(GameState& s, int h, int kind, int x, int y, int r) {
    arearec& a = s.areas[h];
    a = arearec{};
    a.kind = kind;
    a.x1 = x; a.y1 = y;
    a.r = r;
    a.enabled = 1;
    return a;
}

inline arearec& wallArea(GameState& s, int h, int kind, int x1, int y1, int x2, int y2) {
    arearec& a = s.areas[h];
    a = arearec{};
    a.kind = kind;
    a.x1 = x1; a.y1 = y1;
    a.x2 = x2; a.y2 = y2;
    a.enabled = 1;
    return a;
}

// One game tick with nothing shown (every picture one frame), at the frame rate that
// keeps the pass count.
inline void gameTick(GameState& s, const Rules& rules, Effects& fx) {
    TickInput in;
    in.fps = steadyFps(s.substeps);
    orbigolf::gameTick(s, rules, in, fx);
}

inline void runTicks(GameState& s, const Rules& rules, Effects& fx, int ticks) {
    for (int i = 0; i < ticks; ++i) gameTick(s, rules, fx);
}

}  // namespace orbigolf::testing
