#pragma once
// Scenery that some holes carry beyond their hole files, chosen by the hole's name:
// drifting, falling and rising motes, a thunderstorm, obstacles that come and go on a
// cycle (switching their areas with them) and falling rocks.
//
// sceneryStep moves everything and changes the state; drawScenery then draws the motes
// and the lightning over the scene. The obstacles are sprite slots and the rocks are
// debris particles, which the scene of the next tick draws.

#include <string_view>

#include "game/effects.h"
#include "game/frame_counts.h"
#include "game/game_pictures.h"
#include "game/state.h"
#include "platform/display.h"

namespace orbigolf {

// Scenery scripts, in the order they run.
enum SceneryScript : unsigned {
    kDriftingMotes = 1u << 0,   // A
    kFallingMotes = 1u << 1,    // B
    kThunderstorm = 1u << 2,    // C
    kRisingBubbles = 1u << 3,   // D
    kThreeObstacles = 1u << 4,  // E1
    kBlinkingObstacle = 1u << 5,  // E2
    kFourObstacles = 1u << 6,   // E3
    kFallingRocks = 1u << 7,    // F
};

// The scripts of a hole by its name (0 for most holes).
unsigned sceneryScriptsOf(std::string_view holeName);

// The mixer's quietest volume, in hundredths of a decibel: distant sounds stop there.
inline constexpr int kQuietestVolume = -10000;
// A sound's volume scaled by distance: -factor * distance, never below the quietest.
int distanceVolume(int factor, int32_t distance);

// Scatters the 40 motes over the screen (over the course picture when it is lower than
// the screen), as a game starts.
void scatterMotes(GameState& s, int screenW, int screenH, int courseH);

struct SceneryFrame {
    unsigned scripts = 0;
    int flash = 0;  // lightning strength drawn this tick
};

// One tick of the hole's scenery.
SceneryFrame sceneryStep(GameState& s, Effects& fx, const FrameCounts& frames, int screenW, int screenH);

// The motes and the lightning of this tick.
void drawScenery(platform::Display& d, const GameState& s, const GamePictures& p, const SceneryFrame& frame);

// The timed obstacles for the current phase (part of sceneryStep; exposed for tests).
void placeObstacles(GameState& s, unsigned scripts);

}  // namespace orbigolf
