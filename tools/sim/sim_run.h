#pragma once
// Plays one hole headlessly with the game's own rules code.

#include <optional>
#include <ostream>
#include <string>

#include "game/effects.h"
#include "game/state.h"
#include "sim_options.h"

namespace orbigolf::sim {

// Game start and hole set-up as the game does them, then the --ball placements.
// Returns why the hole file could not be read (the default hole is then played).
std::optional<std::string> setUpHole(GameState& s, const Options& o);

// One tick: the putts due, every ball's passes, the sprite slots, the ball rules pass.
void runTick(GameState& s, const Options& o, int64_t tick, Effects& fx);

// One JSON line for one player.
void writeBallLine(std::ostream& out, const GameState& s, int64_t tick, int player, bool final);

// The whole run, printing as the command does (a hole file that cannot be read
// is reported on `err`). Returns the exit status.
int run(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace orbigolf::sim
