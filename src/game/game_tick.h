#pragma once
// One game tick: every change it makes to the game state, in the tick's order.
//
//  1. every ball in play makes its passes;
//  2. the view moves;
//  3. the sprite slots (pulsed, advanced) and the particles (moved), then the balls from
//     the back of the course to the front, each handled by the ball rules pass in turn;
//  4. the change to the next hole once the between-holes screen has faded;
//  5. putting;
//  6. the hole's scenery;
//  7. the heads-up display;
//  8. the number of passes per tick, from the measured frame rate.
//
// The game screen, the headless player, the solver, the tests and the fuzz targets all
// run this one function, so a drawn game and a simulated one cannot drift apart. The
// drawing of a tick (drawTick) comes after it and only reads the state: where the game
// shows something as it was part way through the tick (a ball before its rules pass, a
// sprite before its animation advances, the club before the stroke), the tick notes it
// in the FrameRecord.

#include <array>
#include <span>

#include "game/ball_picture.h"
#include "game/effects.h"
#include "game/frame_counts.h"
#include "game/hud.h"
#include "game/putting.h"
#include "game/rules.h"
#include "game/scenery.h"
#include "game/screen_size.h"
#include "game/state.h"

namespace orbigolf {

// Sets up the hole named by `holeName` when the between-holes step asks for it (the game
// screen loads its files). Returns false when the game cannot go on (the game screen
// closed); the tick then stops there.
class HoleSetUp {
public:
    virtual ~HoleSetUp() = default;
    virtual bool setUpHole(GameState& s) = 0;
};

// A stroke given directly instead of by the putting control (the headless player, the
// solver): the current player becomes `player`, whose ball comes into play and is struck
// as the pull putt strikes it.
struct DirectStroke {
    int player = 1;
    int32_t heading = 0;
    double speed = 0;
};

struct TickInput {
    ScreenSize screen;
    // The game timer's measured frame rate, read at the end of the tick.
    int fps = 60;
    // Frame counts of the hole's pictures; null counts every picture as one frame.
    const FrameCounts* frames = nullptr;
    // Null: there is no next hole to set up, and the between-holes step does not run.
    HoleSetUp* holeSetUp = nullptr;
    // Struck at the point of the tick where the putting control strikes.
    std::span<const DirectStroke> strokes;
};

void strikeDirectly(GameState& s, const DirectStroke& stroke, Effects& fx);

// What the drawing of the tick shows as it was part way through the tick.
struct FrameRecord {
    // The next hole was set up in this tick: its loading screen has replaced the scene.
    bool holeSetUp = false;
    int spriteCount = 0;  // slots drawn, from slot 50 down, before their animation advanced
    std::array<spriterec, kMaxSprites> sprites{};
    int particleCount = 0;  // particles still active after their move
    std::array<particlerec, kMaxParticles> particles{};
    int ballCount = 0;  // balls in depth order, each before its rules pass
    std::array<int, kMaxPlayers> ballPlayers{};
    std::array<BallLook, kMaxPlayers> balls{};
    PuttDrawing putt;
    SceneryFrame scenery;
    HudFrame hud;
};

// The scene step (sprite slots, particles) and the ball step (balls drawn in depth order,
// each followed by its rules pass) alone, for tests.
void sceneStep(GameState& s, const FrameCounts& frames, FrameRecord& record);
void ballStep(GameState& s, const Rules& rules, Effects& fx, FrameRecord& record);

// The frame rate at which `substeps` keeps its value (for callers that have no timer).
int steadyFps(int32_t substeps);

// Runs one tick. Returns false when the hole set-up stopped the game part way.
bool gameTick(GameState& s, const Rules& rules, const TickInput& input, Effects& fx, FrameRecord& record);

// The same without keeping the record, for the headless players.
bool gameTick(GameState& s, const Rules& rules, const TickInput& input, Effects& fx);

}  // namespace orbigolf
