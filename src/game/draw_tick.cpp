#include "game/draw_tick.h"

#include "game/ball_picture.h"
#include "game/frame_counts.h"
#include "game/hud.h"
#include "game/putting.h"
#include "game/scene_drawing.h"
#include "game/scenery.h"

namespace orbigolf {

void drawTick(const GameState& s, const Rules& rules, const FrameRecord& record, platform::Display& d,
              const GamePictures& p) {
    if (record.holeSetUp) {
        // Setting up the next hole cleared the screen after the scene had been drawn.
        d.fill(0);
    } else {
        drawCoursePicture(d, s, p);
        for (int i = 0; i < record.spriteCount; ++i) drawSpriteSlot(d, s, p, record.sprites[static_cast<size_t>(i)]);
        for (int i = 0; i < record.particleCount; ++i) drawParticle(d, s, record.particles[static_cast<size_t>(i)]);
        for (int i = 0; i < record.ballCount; ++i) {
            const auto k = static_cast<size_t>(i);
            drawBall(d, s, p, record.ballPlayers[k], record.balls[k]);
        }
    }
    drawPutting(d, p, record.putt);
    drawScenery(d, s, p, record.scenery);
    drawHud(d, s, p, rules, record.hud);
    drawPointer(d, s, p);
}

void drawGameTick(GameState& s, const Rules& rules, Effects& fx, platform::Display& d, const GamePictures& p) {
    if (!d.ready()) return;
    const ListFrameCounts frames(p.course);
    TickInput in;
    in.screen = ScreenSize{d.width(), d.height()};
    in.fps = steadyFps(s.substeps);
    in.frames = &frames;
    FrameRecord record;
    gameTick(s, rules, in, fx, record);
    drawTick(s, rules, record, d, p);
}

}  // namespace orbigolf
