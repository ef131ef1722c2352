#pragma once
// Debris particles: each tick an active particle moves on the squashed floor,
// bounces on the ground until its bounces are used up, and glances off the wall
// strips of the hole.

#include "game/state.h"

namespace orbigolf {

// Moves one active particle by a tick; it may die (active cleared).
void moveParticle(const GameState& s, particlerec& q);

}  // namespace orbigolf
