#pragma once
// One simulation pass of one ball, and the simulation step of the game tick.

#include "game/effects.h"
#include "game/rules.h"
#include "game/screen_size.h"
#include "game/state.h"

namespace orbigolf {

// One pass of the ball of `player`: stuck-ball watch, motion, rolling texture,
// friction, flight, ramp edges, the per-pass reset, collisions, the rest test and
// the area pass; then `anyMoving` is recomputed, and the stroke ends (EndOfStroke)
// in the pass in which the last ball in play comes to rest.
void simulatePass(GameState& s, int player, const Rules& rules, ScreenSize screen, Effects& fx);

// Every player's ball makes `substeps` + 1 passes, player by player.
void simulateBalls(GameState& s, const Rules& rules, ScreenSize screen, Effects& fx);

// Whether any ball in play is moving.
bool anyBallMoving(const GameState& s);

// Steps of a pass, exposed for tests.
void stuckBallWatch(GameState& s, playerrec& b, Effects& fx);
void moveBall(playerrec& b);
void applyFriction(GameState& s, playerrec& b, Effects& fx);
void fly(GameState& s, playerrec& b, Effects& fx);
void rampEdges(playerrec& b);
void areaPass(GameState& s, int player, const Rules& rules, Effects& fx);

}  // namespace orbigolf
