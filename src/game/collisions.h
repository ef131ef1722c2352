#pragma once

#include "game/effects.h"
#include "game/rules.h"
#include "game/state.h"

namespace orbigolf {

// Lets the ball of `player` strike every other ball in play that it touches. Runs
// only when balls collide; a holed ball or a ball out of play never takes part.
void collideWithOtherBalls(GameState& s, int player, const Rules& rules, Effects& fx);

}  // namespace orbigolf
