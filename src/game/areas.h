#pragma once
// What each kind of area does to a ball that is inside it.

#include "game/effects.h"
#include "game/rules.h"
#include "game/state.h"

namespace orbigolf {

// Lets area h act on the ball of `player`. Kinds without an action do nothing.
void areaAction(GameState& s, int player, int h, const Rules& rules, Effects& fx);

}  // namespace orbigolf
