#pragma once
// The simulation and scene steps of one game tick, in their order: every ball's
// passes, the view, the course, the sprite slots and the particles (moved here),
// then the balls from the back of the course to the front, each drawn and then
// handled by the ball rules pass before the next one is drawn.
//
// The game screen, the headless hole player, the tests and the fuzz targets all
// run this one function, so a drawn game and a simulated one cannot drift apart.
// What a tick changes in the game state is changed here; a `TickStage` only
// moves the view and puts pixels on screen.

#include <cstdint>

#include "game/effects.h"
#include "game/rules.h"
#include "game/state.h"

namespace orbigolf {

class TickStage {
public:
    virtual ~TickStage() = default;

    // Frame count of picture `image` of the hole's picture list; a sprite slot's
    // animation ends after its last frame. Without pictures every one has one frame.
    virtual int32_t framesOf(int32_t image) const;

    // The view follows the play or the player's scrolling (the stage knows the
    // screen and course sizes). Nothing moves the view where nothing is shown.
    virtual void moveView(GameState& s);

    // The course picture, placed by the view.
    virtual void drawCourse(const GameState& s);

    // One non-empty sprite slot, before its animation advances.
    virtual void drawSprite(const GameState& s, const spriterec& slot);

    // One particle that is still active after its move.
    virtual void drawParticle(const GameState& s, const particlerec& particle);

    // The ball of `player`, which is in play and above z = -30, before the ball
    // rules pass handles it. Writes nothing of the state but may read all of it.
    virtual void drawBall(const GameState& s, int player);
};

// A stage that shows nothing: the headless simulation.
class HeadlessStage final : public TickStage {};

// Steps 1 to 3 of a tick: ball simulation, view, scene and balls with the ball
// rules pass interleaved.
void simulationTick(GameState& s, const Rules& rules, Effects& fx, TickStage& stage);

// The scene step alone: sprite slots from 50 down to 1 (drawn, pulsed, advanced),
// then the particles (moved, bounced off wall strips, drawn).
void sceneStep(GameState& s, TickStage& stage);

// The ball step alone: each player's ball in depth order drawn, its tint cleared
// while it moves, then handled by the ball rules pass.
void ballStep(GameState& s, const Rules& rules, Effects& fx, TickStage& stage);

}  // namespace orbigolf
