#pragma once
// Searches putts that hole the ball of player 1 with the real game tick: each putt is one
// a player could strike with the pull putt (heading 0..255, speed k/40 for k 4..160), struck
// kPuttLead ticks after the ball has come to rest, the stroke has ended and the view has
// settled on the ball (the hole's start counts as a rest at tick 0), exactly as --putt
// arguments would strike it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim_options.h"

namespace orbigolf::sim {

// The ticks a player needs once the view shows the resting ball: press on the ball and
// pull back (aimed for at least one tick), release, and the club's swing of at most 10
// ticks, the last of which strikes; the ball moves from the tick after.
constexpr int64_t kPuttLead = 13;

struct SolvedPutt {
    int32_t heading = 0;
    int speedSteps = 0;  // speed = speedSteps / 40
    int64_t tick = 1;
};

struct SolveResult {
    bool solved = false;
    std::vector<SolvedPutt> putts;
    int strokes = 0;  // the ball's stroke count at the hole-out
    std::optional<std::string> readError;  // why the hole file could not be read
};

struct SolveLimits {
    int maxStrokes = 4;
    int threads = 2;
    int64_t maxTicksPerPutt = 4000;  // a putt whose ball is not at rest by then is dropped
};

SolveResult solve(const Options& o, const SolveLimits& limits);

// "1:H:S@T" for one putt, speed with at most three decimals.
std::string puttText(const SolvedPutt& p);
// The command's JSON line.
std::string solveJson(const SolveResult& r);

}  // namespace orbigolf::sim
