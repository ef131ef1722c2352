#pragma once
// Plays one hole headlessly with the game's own tick.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "game/effects.h"
#include "game/frame_counts.h"
#include "game/game_tick.h"
#include "game/state.h"
#include "sim_options.h"

namespace orbigolf::sim {

// The hole's pictures as the rules need them: the frame count of each picture and the
// size of the course picture. Read from NAME.dxg beside the hole file; without it every
// picture has one frame and the course has the --course-size size.
struct CoursePictures {
    bool loaded = false;
    StoredFrameCounts counts;
    OneFrameEach oneEach;
    int32_t width = 0, height = 0;
    const FrameCounts& frames() const { return loaded ? static_cast<const FrameCounts&>(counts) : oneEach; }
};
CoursePictures loadCoursePictures(const Options& o);

// Game start and hole set-up as the game does them (the motes scattered over the screen,
// the pointer and the putting anchor at its centre), then the --ball placements and the
// putts due at tick 1 or before. Returns why the hole file could not be read (the default
// hole is then played).
std::optional<std::string> setUpHole(GameState& s, const Options& o, const CoursePictures& pictures);

// The frame rate of every tick: --fps, or the one that keeps --substeps.
int tickFps(const Options& o);

// One tick. A putt due at tick T is struck by the putting step of tick T - 1, where the
// game's pull putt strikes, so that the ball starts moving in tick T (a putt due at tick
// 1 or before is struck by setUpHole). The headless player plays one hole: once the
// hole is over it stays there, as the game does until it sets up the next hole.
void runTick(GameState& s, const Options& o, const CoursePictures& pictures, int64_t tick, Effects& fx);

// One JSON line for one player.
void writeBallLine(std::ostream& out, const GameState& s, int64_t tick, int player, bool final);

// The whole run, printing as the command does (a hole file that cannot be read
// is reported on `err`). Returns the exit status.
int run(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace orbigolf::sim
