#include "game/stroke.h"

#include "game/sound_ids.h"

namespace orbigolf {

void commonStrokeSteps(GameState& s, bool pullPutt, Effects& fx) {
    playerrec& b = s.playerRecs[s.curPlayer];
    b.moving = 1;
    s.anyMoving = 1;
    b.lastWall = -1;
    s.swingStep = 1;
    s.puttPhase = PuttPhase::Idle;
    if (pullPutt || b.speed > 0.005) {
        b.totalStrokes += 1;
        b.strokes += 1;
    }
    if (b.inSand) {
        b.climb = b.speed / 2 + 1;
        b.airborne = 1;
    }
    if (pullPutt) playGameSound(s, fx, sound::kStroke);
    fx.parkCursor();
}

}  // namespace orbigolf
