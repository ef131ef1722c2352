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
#include <variant>
#include <vector>

#include "frontend/launch_pad_settings.h"
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

// Key names of the format and their virtual-key codes: every code 1..kLastKeyCode has a
// name ("Key" and the number for codes without a name of their own).
constexpr int kLastKeyCode = 254;
std::optional<int> keyCode(std::string_view name);
std::optional<std::string> keyName(int code);

// Whether a hole's name is a plain file stem of the data folder (no folders, no "..").
bool plainHoleName(std::string_view name);

struct Line {
    enum class Kind { Seed, Control, Fps, Tick, Event, End, Time, Screen, SkipIntro, Windowed, Hole, Settings, Setting };
    // What a settings line says about the settings the run started from.
    enum class Settings { Defaults, Stored, Unreadable };
    Kind kind = Kind::Tick;
    int number = 0;           // line number in the file, from 1
    uint64_t seed = 0;
    std::string name, value;  // control; the hole's name; an unreadable store's message
    int64_t n = 0;            // fps, tick, end, time; the screen's width
    int64_t n2 = 0;           // the screen's height
    platform::InputEvent event;
    Settings settings = Settings::Defaults;
    frontend::StoredSetting setting;
};

// A replay of either version: 1 holds one game screen (with its control values), 2 the
// whole program from the launch pad on.
struct ReplayFile {
    int version = 1;
    std::vector<Line> lines;
};

// Reads and checks a whole replay; throws ReplayError("FILE:LINE: reason").
ReplayFile parseReplay(std::istream& in, const std::string& fileName);
ReplayFile readReplay(const std::string& path);
// The same for version 1 replays only.
std::vector<Line> parse(std::istream& in, const std::string& fileName);
std::vector<Line> parseFile(const std::string& path);

// The seed, the control values and the first hole read before the game screen is
// created.
struct StartValues {
    uint64_t seed = 1;
    LaunchPadControls controls;
    std::optional<std::string> hole;
};
StartValues startValues(const std::vector<Line>& lines);

// Plays a version 1 replay into a game screen created and shown with its start values
// (see replay_play.h). `afterTick` runs after every tick that ran (trace lines, pacing a
// window); returning false stops the replay. Returns the number of ticks that ran.
int64_t play(const std::vector<Line>& lines, TMain& game, LaunchPadControls& controls,
             const std::function<bool(int64_t tick)>& afterTick = {});

// Writes a replay as the game is played: the header, the seed and every control, then
// per tick its frame rate (when it changed) and the events that arrived before it.
class Recorder final : public TMainObserver {
public:
    // A game screen's replay: the version 1 header, the seed and every control.
    Recorder(std::ostream& out, uint64_t seed, const LaunchPadControls& controls);
    // A whole program's replay: the version 2 header, the screen the forms cover,
    // whether the intro was skipped from the command line and whether the run started in
    // a window.
    Recorder(std::ostream& out, int screenWidth, int screenHeight, bool skipIntro, bool windowed = false);
    // Whole programs: the settings the launch pad started from (none: the form defaults),
    // or the message of a store that could not be read.
    void startSettings(const std::vector<frontend::StoredSetting>& settings);
    void unreadableSettings(const std::string& message);

    void onEvent(const platform::InputEvent& event) override;
    void onTick(int fps) override;
    // Whole programs: a game screen is created with this seed / has closed (the events
    // still waiting for a tick are written before the next tick, which does not run).
    void beginGame(uint64_t seed);
    void endGame();
    // Whole programs: an event reached a form other than the game screen at `timeMs` of
    // the program's clock.
    void onFormEvent(const platform::InputEvent& event, uint64_t timeMs);
    // Writes the events still waiting for a tick and the end line; called once the game
    // screen (or the program) has ended.
    void finish();

private:
    void writePending();

    std::ostream& out_;
    int version_ = 1;
    std::vector<std::string> pending_;
    int64_t ticks_ = 0;
    int lastFps_ = -1;
    int64_t lastTime_ = 0;
    int64_t lastWritten_ = 0;  // the last tick line written
    bool finished_ = false;
};

// The line of an event in a whole-program replay (typed characters, the shift state,
// closing the window, Alt+Enter), or nothing for events the format does not hold.
std::optional<std::string> programEventLine(const platform::InputEvent& event);

// The text line of an event, or nothing for events the format does not hold.
std::optional<std::string> eventLine(const platform::InputEvent& event);

// A setting line's text and back ("Players=1", "Player 1=Ann"; texts escape "\\", line
// breaks and carriage returns with a backslash).
std::string settingLine(const frontend::StoredSetting& setting);
// The setting, or the reason it cannot be read.
std::variant<frontend::StoredSetting, std::string> parseSetting(std::string_view text);

// The end-of-run summary and the per-tick trace line, as JSON text.
std::string summaryJson(const TMain& game, int64_t ticks);
std::string traceJson(const TMain& game, int64_t tick);

}  // namespace orbigolf::replay
