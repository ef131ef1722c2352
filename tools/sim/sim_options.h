#pragma once
// Command line of orbigolf-sim.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/rules.h"

namespace orbigolf::sim {

struct BallPlacement {
    int player = 1;
    double x = 0, y = 0;
};

struct Putt {
    int player = 1;
    int32_t heading = 0;
    double speed = 0;
    int64_t tick = 1;
};

struct Options {
    std::string holeFile;
    int players = 1;
    uint64_t seed = 1;
    int substeps = 1;
    int32_t courseWidth = 1600, courseHeight = 1200;
    bool courseSizeGiven = false;  // else the hole's course picture gives it, when it can be read
    int screenWidth = 640, screenHeight = 480;
    std::optional<int> fps;  // measured frame rate; by default the one that keeps --substeps
    std::optional<std::string> holeName;
    std::vector<BallPlacement> balls;
    std::vector<Putt> putts;
    Rules rules;
    bool sound = false;
    int64_t ticks = 2000;
    bool trace = false;
    bool solve = false;   // search putts that hole the ball instead of playing given ones
    int maxStrokes = 4;   // putts the search may use
    std::optional<std::string> replayFile;  // with --solve: the solution as a game replay
};

// The command line: fills `options`, or reports on `out` (--help) or `err` (one line) and
// returns the exit status to stop with (0 after --help, 2 after an error).
std::optional<int> parseCommandLine(int argc, const char* const* argv, Options& options, std::ostream& out,
                                    std::ostream& err);

// The same for the arguments after the program name, as tests use it.
struct ParseResult {
    std::optional<Options> options;
    std::string error;  // one line, when options is empty and help was not asked
    bool help = false;
};
ParseResult parseOptions(const std::vector<std::string>& args);

}  // namespace orbigolf::sim
