#pragma once
// The steps every stroke shares, whichever putting method struck it.

#include "game/effects.h"
#include "game/state.h"

namespace orbigolf {

// Sets the current player's ball moving with the heading and speed already
// stored. The pull putt always counts the stroke and plays the stroke sound; the
// push putt counts it only when it moves the ball (a whiff costs nothing) and has
// played the sound before.
void commonStrokeSteps(GameState& s, bool pullPutt, Effects& fx);

}  // namespace orbigolf
