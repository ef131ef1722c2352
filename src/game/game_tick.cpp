#include "game/game_tick.h"

#include "game/ball_motion.h"
#include "game/camera.h"
#include "game/holing.h"
#include "game/particles.h"
#include "game/sprite_slots.h"
#include "game/stroke.h"
#include "game/turns.h"

namespace orbigolf {

// Sprite slots from 50 down to 1: noted as drawn, pulsed, advanced; then the particles,
// moved and noted while still active.
void sceneStep(GameState& s, const FrameCounts& frames, FrameRecord& record) {
    record.spriteCount = 0;
    for (int i = kMaxSprites; i >= 1; --i) {
        spriterec& slot = s.sprites[i];
        if (spriteEmpty(slot)) continue;
        record.sprites[static_cast<size_t>(record.spriteCount++)] = slot;
        stepPulse(slot);
        advanceSpriteSlot(slot, s.substeps, frames.framesOf(slot.image));
    }
    record.particleCount = 0;
    for (particlerec& q : s.particles) {
        if (!q.active) continue;
        moveParticle(s, q);
        if (q.active) record.particles[static_cast<size_t>(record.particleCount++)] = q;
    }
}

// Each player's ball in depth order: noted as drawn (in play and above z = -30), its tint
// cleared while it moves, then handled by the ball rules pass. The order is taken once,
// before any ball is handled.
void ballStep(GameState& s, const Rules& rules, Effects& fx, FrameRecord& record) {
    const DepthOrder order = ballDepthOrder(s);
    record.ballCount = 0;
    for (int i = 0; i < order.count; ++i) {
        const int player = order.players[static_cast<size_t>(i)];
        playerrec& b = s.playerRecs[player];
        if (b.inPlay && b.z > -30) {
            const auto k = static_cast<size_t>(record.ballCount++);
            record.ballPlayers[k] = player;
            record.balls[k] = lookOf(b);
            if (b.moving) b.tint = 0;
        }
        BallRulesPass(s, player, rules, fx);
    }
}


void strikeDirectly(GameState& s, const DirectStroke& stroke, Effects& fx) {
    if (!s.playerRecs.inRange(stroke.player)) return;
    s.curPlayer = stroke.player;
    playerrec& b = s.playerRecs[stroke.player];
    b.inPlay = 1;
    b.heading = stroke.heading;
    b.speed = stroke.speed;
    commonStrokeSteps(s, true, fx);
}

int steadyFps(int32_t substeps) { return substeps >= 4 ? 15 : (substeps >= 2 ? 30 : 60); }

bool gameTick(GameState& s, const Rules& rules, const TickInput& in, Effects& fx, FrameRecord& record) {
    static const OneFrameEach kOneFrameEach;
    const FrameCounts& frames = in.frames != nullptr ? *in.frames : kOneFrameEach;
    const int w = in.screen.width, h = in.screen.height;

    simulateBalls(s, rules, in.screen, fx);
    moveView(s, w, h);
    sceneStep(s, frames, record);
    ballStep(s, rules, fx, record);

    record.holeSetUp = false;
    if (in.holeSetUp != nullptr && BetweenHolesStep(s)) {
        record.holeSetUp = true;
        if (!in.holeSetUp->setUpHole(s)) return false;
    }

    puttingStep(s, fx, record.putt);
    for (const DirectStroke& stroke : in.strokes) strikeDirectly(s, stroke, fx);
    record.scenery = sceneryStep(s, fx, frames, w, h);
    record.hud = hudStep(s, rules, w, h);
    s.substeps = in.fps <= 20 ? 4 : (in.fps <= 40 ? 2 : 1);
    return true;
}

bool gameTick(GameState& s, const Rules& rules, const TickInput& input, Effects& fx) {
    FrameRecord record;
    return gameTick(s, rules, input, fx, record);
}

}  // namespace orbigolf
