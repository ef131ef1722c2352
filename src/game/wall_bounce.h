#pragma once

#include "game/effects.h"
#include "game/state.h"

namespace orbigolf {

// Wall angle for the bent walls (19 and 109), which depends on the direction the
// ball arrives from; other angles are returned unchanged.
int32_t arrivalWallAngle(int32_t a, int32_t heading);

// Bounces the ball of `player` off a wall of angle a (0, 19, 32, 64, 96 or 109):
// impact picture and sound, mirrored heading, and `bounced` set so that the area
// pass slows the ball and puts it back at its last position.
void wallBounce(GameState& s, int32_t a, int player, Effects& fx);

}  // namespace orbigolf
