// Any bytes as a hole definition file: the hole is set up for three players and
// played for a while with collisions, bonus and penalty strokes and sound on. No
// hole file, however damaged, may crash the rules, overflow, or loop for ever.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/ball_motion.h"
#include "game/effects.h"
#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/holing.h"
#include "game/ini_file.h"
#include "game/sprite_slots.h"
#include "game/stroke.h"

using namespace orbigolf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first two bytes choose the putt; the rest is the file.
    const int32_t heading = data[0];
    const double speed = data[1] / 50.0;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

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
    SilentEffects fx;

    PlayerChoice choices[kMaxPlayers];
    resetForNewGame(s, 3, choices);
    s.holeName = "course4hole4";
    readHole(s, IniFile::parse(text));
    setUpHoleState(s, rules);

    for (int tick = 1; tick <= 300; ++tick) {
        if (tick % 60 == 1 && !s.anyMoving) {
            playerrec& b = s.playerRecs[s.curPlayer];
            b.inPlay = 1;
            b.heading = heading + tick;
            b.speed = speed;
            commonStrokeSteps(s, true, fx);
        }
        simulateBalls(s, rules, fx);
        advanceSpriteSlots(s, [](int32_t) { return 2; });
        ballRulesPassAll(s, rules, fx);
    }
    return 0;
}
