// Any bytes as a hole definition file: the hole is set up and played twice in a
// row (so that what a hole leaves behind is carried into the next), with
// collisions, bonus and penalty strokes and sound on. No hole file, however
// damaged, may crash the rules, overflow, or loop for ever.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/effects.h"
#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/ini_file.h"
#include "game/stroke.h"
#include "game/game_tick.h"

using namespace orbigolf;

namespace {

// The pass counts the game can choose from its frame rate.
constexpr int32_t kSubsteps[] = {1, 2, 4, 1};

// Long enough for a putt to end and the next to start; most balls rest sooner.
constexpr int kTicksPerHole = 160;

void playHole(GameState& s, const IniFile& hole, const Rules& rules, int32_t heading, double speed) {
    SilentEffects fx;
    readHole(s, hole);
    setUpHoleState(s, rules);
    for (int tick = 1; tick <= kTicksPerHole; ++tick) {
        if (tick % 40 == 1 && !s.anyMoving && !s.gameOver) {
            playerrec& b = s.playerRecs[s.curPlayer];
            b.inPlay = 1;
            b.heading = heading + tick;
            b.speed = speed;
            commonStrokeSteps(s, true, fx);
        }
        TickInput in;  // every picture one frame
        in.fps = steadyFps(s.substeps);
        gameTick(s, rules, in, fx);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    // The first four bytes choose the putt, the pass count and the players; the
    // rest is the file.
    const int32_t heading = data[0];
    const double speed = data[1] / 50.0;
    const int32_t substeps = kSubsteps[data[2] & 3];
    const int players = 1 + (data[3] & 3);
    const IniFile hole = IniFile::parse(std::string_view(reinterpret_cast<const char*>(data + 4), size - 4));

    GameState s;
    s.random.seed(size);
    s.soundOn = 1;
    s.courseWidth = 1600;
    s.courseHeight = 1200;
    Rules rules;
    rules.collide = true;
    rules.plus1 = true;
    rules.minus1 = true;
    rules.strokelimit = "6";

    PlayerChoice choices[kMaxPlayers];
    resetForNewGame(s, players, choices);
    s.substeps = substeps;
    s.holeName = "course4hole4";
    playHole(s, hole, rules, heading, speed);
    // The next hole as the game moves on to it, whatever state the first left.
    s.holeNum = s.holeNum < kMaxHoles ? s.holeNum + 1 : 1;
    s.holeName = "course1hole3";
    playHole(s, hole, rules, heading + 85, speed);
    return 0;
}
