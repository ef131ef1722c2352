#pragma once
// Plays one hole headlessly with the game's own rules code.

#include <ostream>

#include "game/effects.h"
#include "game/state.h"
#include "sim_options.h"

namespace orbigolf::sim {

// Game start and hole set-up as the game does them, then the --ball placements.
void setUpHole(GameState& s, const Options& o);

// One tick: the putts due, every ball's passes, the sprite slots, the ball rules pass.
void runTick(GameState& s, const Options& o, int64_t tick, Effects& fx);

// One JSON line for one player.
void writeBallLine(std::ostream& out, const GameState& s, int64_t tick, int player, bool final);

// The whole run, printing as the command does. Returns the exit status.
int run(const Options& o, std::ostream& out);

}  // namespace orbigolf::sim
