#pragma once
// The drawn game: a tick stage that puts the scene and the balls on the display, and the
// drawing steps that follow the scene in a tick (scenery, heads-up display, pointer).
//
// drawGameTick is the whole drawing of one tick without the steps owned by the game
// screen (hole change, putting control, the frame-rate reading and the page flip):
// a game state plus the picture lists give one back buffer, the same on every machine.

#include "game/effects.h"
#include "game/game_pictures.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/tick.h"
#include "platform/display.h"

namespace orbigolf {

class GameStage final : public TickStage {
public:
    GameStage(platform::Display& display, const GamePictures& pictures) : display_(display), pictures_(pictures) {}

    // A picture number outside the hole's list has no frames, so its animation ends.
    int32_t framesOf(int32_t image) const override;
    void moveView(GameState& s) override;
    void drawCourse(const GameState& s) override;
    void drawSprite(const GameState& s, const spriterec& slot) override;
    void drawParticle(const GameState& s, const particlerec& particle) override;
    void drawBall(const GameState& s, int player) override;

private:
    platform::Display& display_;
    GamePictures pictures_;
};

// The hole's scenery script: moved, then drawn over the scene.
void runScenery(GameState& s, Effects& fx, platform::Display& d, const GamePictures& p);
// The heads-up display and the page of the screen mode.
void runHud(GameState& s, const Rules& rules, platform::Display& d, const GamePictures& p);

// One tick drawn headlessly: simulation, view, scene and balls, scenery, heads-up
// display and pointer. Does nothing while the display is not ready.
void drawGameTick(GameState& s, const Rules& rules, Effects& fx, platform::Display& d, const GamePictures& p);

}  // namespace orbigolf
