#include "game/game_stage.h"

#include "game/ball_picture.h"
#include "game/camera.h"
#include "game/hud.h"
#include "game/scene_drawing.h"
#include "game/scenery.h"

namespace orbigolf {

int32_t GameStage::framesOf(int32_t image) const {
    const platform::Picture* pic = pictureOf(pictures_.course, image);
    return pic != nullptr ? pic->frameCount() : 0;
}

void GameStage::moveView(GameState& s) { orbigolf::moveView(s, display_.width(), display_.height()); }

void GameStage::drawCourse(const GameState& s) { drawCoursePicture(display_, s, pictures_); }

void GameStage::drawSprite(const GameState& s, const spriterec& slot) { drawSpriteSlot(display_, s, pictures_, slot); }

void GameStage::drawParticle(const GameState& s, const particlerec& particle) {
    orbigolf::drawParticle(display_, s, particle);
}

void GameStage::drawBall(const GameState& s, int player) { orbigolf::drawBall(display_, s, pictures_, player); }

void runScenery(GameState& s, Effects& fx, platform::Display& d, const GamePictures& p) {
    const SceneryFrame frame = sceneryStep(s, fx, p, d.width(), d.height());
    drawScenery(d, s, p, frame);
}

void runHud(GameState& s, const Rules& rules, platform::Display& d, const GamePictures& p) {
    const HudFrame frame = hudStep(s, rules, d.width(), d.height());
    drawHud(d, s, p, rules, frame);
}

void drawGameTick(GameState& s, const Rules& rules, Effects& fx, platform::Display& d, const GamePictures& p) {
    if (!d.ready()) return;
    GameStage stage(d, p);
    simulationTick(s, rules, fx, stage);
    runScenery(s, fx, d, p);
    runHud(s, rules, d, p);
    drawPointer(d, s, p);
}

}  // namespace orbigolf
