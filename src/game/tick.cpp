#include "game/tick.h"

#include "game/ball_motion.h"
#include "game/holing.h"
#include "game/particles.h"
#include "game/sprite_slots.h"

namespace orbigolf {

int32_t TickStage::framesOf(int32_t) const { return 1; }
void TickStage::moveView(GameState&) {}
void TickStage::drawCourse(const GameState&) {}
void TickStage::drawSprite(const GameState&, const spriterec&) {}
void TickStage::drawParticle(const GameState&, const particlerec&) {}
void TickStage::drawBall(const GameState&, int) {}

void sceneStep(GameState& s, TickStage& stage) {
    stage.drawCourse(s);
    for (int i = kMaxSprites; i >= 1; --i) {
        spriterec& slot = s.sprites[i];
        if (spriteEmpty(slot)) continue;
        stage.drawSprite(s, slot);
        stepPulse(slot);
        advanceSpriteSlot(slot, s.substeps, stage.framesOf(slot.image));
    }
    for (particlerec& q : s.particles) {
        if (!q.active) continue;
        moveParticle(s, q);
        if (q.active) stage.drawParticle(s, q);
    }
}

void ballStep(GameState& s, const Rules& rules, Effects& fx, TickStage& stage) {
    // The order is taken once, before any ball is handled.
    const DepthOrder order = ballDepthOrder(s);
    for (int i = 0; i < order.count; ++i) {
        const int player = order.players[i];
        playerrec& b = s.playerRecs[player];
        if (b.inPlay && b.z > -30) {
            stage.drawBall(s, player);
            if (b.moving) b.tint = 0;
        }
        BallRulesPass(s, player, rules, fx);
    }
}

void simulationTick(GameState& s, const Rules& rules, Effects& fx, TickStage& stage) {
    simulateBalls(s, rules, fx);
    stage.moveView(s);
    sceneStep(s, stage);
    ballStep(s, rules, fx, stage);
}

}  // namespace orbigolf
