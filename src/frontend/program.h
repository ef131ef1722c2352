#pragma once
// The orbigolf program without its command line: the whole program (intro, launch pad,
// games, closing screen; optionally recorded) or a replay of it or of one game screen, in
// a window or headless, with the summary, trace, screenshot and tick times a replay can
// leave behind.

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "platform/sound.h"
#include "platform/window.h"

namespace orbigolf::frontend {

struct ProgramOptions {
    bool windowed = false;
    std::string dataDir;  // found beside the program or in its installation unless given
    std::optional<std::string> record, replay, summary, screenshot, trace;
    std::optional<std::string> tickTimes;  // a replay's tick times as JSON (tick_times.h)
    bool headless = false;
    bool skipIntro = false;                 // start at the launch pad's menu
    std::optional<std::string> settings;    // the settings file instead of the player's own
};

// What a windowed run needs from the platform; without it only headless replays run.
struct WindowBackend {
    std::function<std::unique_ptr<platform::Window>(const platform::WindowOptions&)> createWindow;
    std::function<std::unique_ptr<platform::AudioOutput>()> createAudio;
};

// Runs the program; returns the exit status. Failures are written to `err` (and shown in
// the error box when a window is open).
int runProgram(const ProgramOptions& options, const WindowBackend* backend, std::ostream& err);

}  // namespace orbigolf::frontend
