#pragma once
// The one loop that plays a replay's lines into a game screen, for version 1 replays
// (one game) and for each game of a whole-program replay alike.
//
// "tick N" first runs every tick before N not yet run; tick N itself runs when the next
// tick or end line is read or the lines run out, at the frame rate of the last fps line
// before its tick line (other ticks run at the last fps line read before they run).
// Events reach the game screen as they are read.

#include <cstdint>
#include <functional>
#include <vector>

#include "frontend/replay.h"

namespace orbigolf::replay {

// Where the replay's ticks stand; a whole run carries it from game to game.
struct TickCount {
    int fps = 60;          // the last fps line read
    int64_t nextTick = 1;  // the number of the next tick to run
    int64_t ran = 0;       // ticks that ran
};

struct PlayHooks {
    // After every tick that ran; false stops the replay.
    std::function<bool(const TMain& game, int64_t ran)> afterTick;
    // After every event; false stops the replay.
    std::function<bool()> afterEvent;
    // Events meant for the program rather than the game (closing the window, Alt+Enter),
    // before the game sees them.
    std::function<void(const platform::InputEvent&)> programEvent;
    // Lines the game screen does not take (a whole run's seed of the next game).
    std::function<void(const Line&)> otherLine;
};

enum class PlayEnd {
    Closed,    // the game screen closed
    EndLine,   // an end line was reached
    LinesOut,  // the lines ran out
    Stopped,   // a hook stopped the replay
};

// Plays lines[pos...] into a created and shown game screen until one of the ends above;
// `pos` is left after the last line read. Control lines change `controls`.
PlayEnd playGame(const std::vector<Line>& lines, size_t& pos, TMain& game, LaunchPadControls& controls,
                 TickCount& count, const PlayHooks& hooks);

}  // namespace orbigolf::replay
