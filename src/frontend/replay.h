#pragma once
// Replays: a text file holding the seed, the launch pad's control values, and for every
// tick its measured frame rate and the events that reached the game screen before it.
// The recorder writes one while a game is played; the runner plays one back through
// the same handlers, so a replay is a whole game as the game screen sees it.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/launch_pad_controls.h"
#include "game/tmain.h"
#include "platform/events.h"

namespace orbigolf::replay {

// A replay that cannot be read, with the file name and line number in the message.
class ReplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Coordinates beyond this distance from the screen's origin are refused.
constexpr int kCoordinateLimit = 8192;

// Key names of the format and their virtual-key codes.
std::optional<int> keyCode(std::string_view name);
std::optional<std::string> keyName(int code);

struct Line {
    enum class Kind { Seed, Control, Fps, Tick, Event, End };
    Kind kind = Kind::Tick;
    int number = 0;           // line number in the file, from 1
    uint64_t seed = 0;
    std::string name, value;  // control
    int64_t n = 0;            // fps, tick, end
    platform::InputEvent event;
};

// Reads and checks a whole replay; throws ReplayError("FILE:LINE: reason").
std::vector<Line> parse(std::istream& in, const std::string& fileName);
std::vector<Line> parseFile(const std::string& path);

// The seed and the control values read before the game screen is created.
struct StartValues {
    uint64_t seed = 1;
    LaunchPadControls controls;
};
StartValues startValues(const std::vector<Line>& lines);

// Plays the lines after the start values into a created and shown game screen.
// `afterTick` runs after every tick that ran (trace lines, pacing a window);
// returning false stops the replay. Returns the number of ticks that ran.
int64_t play(const std::vector<Line>& lines, TMain& game, LaunchPadControls& controls,
             const std::function<bool(int64_t tick)>& afterTick = {});

// Writes a replay as the game is played: the header, the seed and every control, then
// per tick its frame rate (when it changed) and the events that arrived before it.
class Recorder final : public TMainObserver {
public:
    Recorder(std::ostream& out, uint64_t seed, const LaunchPadControls& controls);
    void onEvent(const platform::InputEvent& event) override;
    void onTick(int fps) override;
    // Writes the events still waiting for a tick and the end line; called once the game
    // screen has closed.
    void finish();

private:
    std::ostream& out_;
    std::vector<std::string> pending_;
    int64_t ticks_ = 0;
    int lastFps_ = -1;
    bool finished_ = false;
};

// The text line of an event, or nothing for events the format does not hold.
std::optional<std::string> eventLine(const platform::InputEvent& event);

// The end-of-run summary and the per-tick trace line, as JSON text.
std::string summaryJson(const TMain& game, int64_t ticks);
std::string traceJson(const TMain& game, int64_t tick);

}  // namespace orbigolf::replay
