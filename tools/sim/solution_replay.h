#pragma once
// A solved hole as a game replay (version 1): the game screen starts on the hole with the
// solver's seed, screen and rules, and each putt is a pull putt made with the mouse
// (press on the ball, pull back, release) timed so that the club strikes in the same tick
// as the solver's stroke. The replay ends on the tick the ball holes out.

#include <optional>
#include <string>

#include "sim_options.h"
#include "solver.h"

namespace orbigolf::sim {

struct ReplayText {
    std::string text;   // the replay, when it could be written
    std::string error;  // why not, otherwise
};

ReplayText solutionReplay(const Options& o, const SolveResult& solution);

}  // namespace orbigolf::sim
