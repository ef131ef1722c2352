#include "frontend/program.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <thread>

#include "frontend/data_folder.h"
#include "frontend/extro.h"
#include "frontend/intro.h"
#include "frontend/launch_pad.h"
#include "frontend/live_host.h"
#include "frontend/replay.h"
#include "frontend/replay_host.h"
#include "frontend/tick_times.h"
#include "game/tmain.h"
#include "platform/headless/headless_window.h"
#include "platform/registry_file.h"
#include "platform/screenshot.h"

namespace orbigolf::frontend {
namespace {

void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text << '\n';
    if (!out) throw std::runtime_error("Cannot write file " + path);
}

std::ofstream createFile(const std::optional<std::string>& path) {
    std::ofstream out;
    if (path) {
        out.open(*path, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error("Cannot create file " + *path);
    }
    return out;
}

// Start-up: the launch pad is created first (its creation sequence runs now), then the
// intro and the closing screen; then the launch pad is shown and the program runs until
// it ends.
struct Forms {
    Tintro intro;
    Textro extro;
    Tlaunchpad launchpad;

    Forms(ProgramHost& host, const std::filesystem::path& settings)
        : intro(host), extro(host), launchpad(host, intro, extro, [&host](LaunchPadControls& c) { host.runGame(c); },
                                              settings) {}

    void run(ProgramHost& host, bool skipIntro) {
        launchpad.setSettingsSource([&host](TAMReg& store) { return host.startSettings(store); });
        try {
            launchpad.FormCreate();
        } catch (const std::exception& e) {
            host.showError(e.what());
        }
        if (skipIntro) launchpad.setIntroShown(true);
        host.showModal(launchpad);
    }
};

// The state of a whole run at its end, live or replayed.
std::string programSummaryJson(ProgramHost& host, Tlaunchpad& launchpad) {
    using Json = nlohmann::ordered_json;
    Json j;
    j["version"] = 2;
    j["ticks"] = host.ticks();
    j["games"] = host.gamesPlayed();
    // Closing the window ends the program as "Exit" does.
    j["ended"] = launchpad.modalDone() || host.closing();
    j["panel"] = panelName(launchpad.panel());
    j["introShown"] = launchpad.introshown();
    Json controls = Json::object();
    const LaunchPadControls c = launchpad.controls();
    for (const std::string& name : LaunchPadControls::names()) controls[name] = *c.get(name);
    j["controls"] = controls;
    j["errors"] = host.errors();
    j["lastGame"] = host.lastGameSummary() ? Json::parse(*host.lastGameSummary()) : Json();
    // The controls and messages hold what was typed; a byte that is not UTF-8 becomes U+FFFD.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

int runLive(const ProgramOptions& o, const WindowBackend& backend, std::ostream& err) {
    platform::WindowOptions wo;
    wo.fullscreen = !o.windowed;
    wo.title = kApplicationTitle;
    std::unique_ptr<platform::Window> window = backend.createWindow(wo);
    std::unique_ptr<platform::AudioOutput> audio;
    try {
        if (backend.createAudio) audio = backend.createAudio();
    } catch (const std::exception& e) {
        err << e.what() << " (playing without sound)\n";
    }

    std::ofstream recordFile = createFile(o.record);
    std::ofstream trace = createFile(o.trace);
    int screenWidth = 640, screenHeight = 480;
    window->screenSize(screenWidth, screenHeight);
    std::optional<replay::Recorder> recorder;
    if (o.record) recorder.emplace(recordFile, screenWidth, screenHeight, o.skipIntro, o.windowed);
    const auto afterTick = [&trace](const TMain& game, int64_t tick) {
        if (trace.is_open()) trace << replay::traceJson(game, tick) << '\n';
    };

    LiveHost host(*window, audio.get(), o.dataDir, recorder ? &*recorder : nullptr, afterTick);
    const std::filesystem::path settings = o.settings ? std::filesystem::path(*o.settings) : platform::defaultSettingsFile();
    std::string summary;
    {
        Forms forms(host, settings);
        forms.run(host, o.skipIntro);
        summary = programSummaryJson(host, forms.launchpad);
    }
    if (recorder) recorder->finish();
    if (o.record && !recordFile) throw std::runtime_error("Cannot write file " + *o.record);
    if (o.summary) writeText(*o.summary, summary);
    if (trace.is_open() && !trace) throw std::runtime_error("Cannot write file " + *o.trace);
    return 0;
}

// Where a replay is played: in memory, or in a shown window at roughly the pace it was
// recorded, which closing the window stops.
class ReplayWindow {
public:
    ReplayWindow(const ProgramOptions& o, const WindowBackend* backend, bool windowed = false) {
        // Without a screenshot to save, no presented frame is ever looked at: keep none.
        if (!o.screenshot) headless_.setKeepFrames(0);
        if (o.headless) return;
        platform::WindowOptions wo;
        wo.fullscreen = !o.windowed && !windowed;
        wo.title = kApplicationTitle;
        shown_ = backend->createWindow(wo);
    }
    platform::Window& window() { return shown_ ? *shown_ : headless_; }
    bool shown() const { return shown_ != nullptr; }
    const platform::Surface& lastFrame() const { return headless_.lastFrame(); }

    // Waits for the next frame's turn; false when the window was closed.
    bool pace() {
        if (!shown_) return true;
        platform::InputEvent e;
        while (shown_->pollEvent(e)) {
            if (e.type == platform::InputEvent::Type::Close) return false;
            if (e.type == platform::InputEvent::Type::ToggleFullscreen) shown_->setFullscreen(!shown_->fullscreen());
        }
        next_ += std::chrono::milliseconds(16);
        std::this_thread::sleep_until(next_);
        return true;
    }

private:
    platform::HeadlessWindow headless_;
    std::unique_ptr<platform::Window> shown_;
    std::chrono::steady_clock::time_point next_ = std::chrono::steady_clock::now();
};

// A version 1 replay: one game screen with the control values it gives.
int runGameReplay(const ProgramOptions& o, const WindowBackend* backend, const std::vector<replay::Line>& lines,
                  std::ostream& err) {
    replay::StartValues start = replay::startValues(lines);

    ReplayWindow place(o, backend);
    std::unique_ptr<platform::AudioOutput> audio;
    try {
        if (place.shown() && backend->createAudio) audio = backend->createAudio();
    } catch (const std::exception&) {
        audio.reset();
    }
    std::ofstream trace = createFile(o.trace);

    TMain game(place.window(), audio.get(), o.dataDir, start.controls, start.seed);
    if (start.hole) game.setFirstHole(*start.hole);
    try {
        game.FormCreate();
    } catch (const platform::SoundError& e) {
        err << e.what() << '\n';
        return 1;
    }
    game.show();

    TickTimes times;
    const auto afterTick = [&](int64_t tick) {
        times.tickEnded(tick);
        if (trace.is_open()) trace << replay::traceJson(game, tick) << '\n';
        return place.pace();
    };
    const int64_t ticks = replay::play(lines, game, start.controls, afterTick);

    if (o.summary) writeText(*o.summary, replay::summaryJson(game, ticks));
    if (o.tickTimes) writeText(*o.tickTimes, times.json());
    if (o.screenshot) {
        const platform::Surface& last = o.headless ? place.lastFrame() : game.display().backBuffer();
        if (last.empty()) throw std::runtime_error("No picture was shown to save in " + *o.screenshot);
        platform::savePng(last, *o.screenshot);
    }
    if (trace.is_open() && !trace) throw std::runtime_error("Cannot write file " + *o.trace);
    return 0;
}

// A version 2 replay: the whole program from the launch pad on.
int runProgramReplay(const ProgramOptions& o, const WindowBackend* backend, const replay::ReplayFile& file) {
    const bool windowed = std::any_of(file.lines.begin(), file.lines.end(),
                                      [](const replay::Line& l) { return l.kind == replay::Line::Kind::Windowed; });
    ReplayWindow place(o, backend, windowed);
    std::ofstream trace = createFile(o.trace);
    TickTimes times;
    const auto afterTick = [&](const TMain& game, int64_t tick) {
        times.tickEnded(tick);
        if (trace.is_open()) trace << replay::traceJson(game, tick) << '\n';
    };
    ReplayHost host(place.window(), o.dataDir, file, [&place] { return place.pace(); }, afterTick);
    // A replay never touches the player's own settings: it starts from the settings it
    // holds, and without --settings what the launch pad saves lives in memory for this
    // run only.
    const std::filesystem::path settings = o.settings ? std::filesystem::path(*o.settings) : std::filesystem::path();
    std::string summary;
    {
        Forms forms(host, settings);
        forms.run(host, o.skipIntro || host.skipIntro());
        summary = programSummaryJson(host, forms.launchpad);
    }
    if (o.summary) writeText(*o.summary, summary);
    if (o.tickTimes) writeText(*o.tickTimes, times.json());
    if (o.screenshot) {
        const platform::Surface& last = place.lastFrame();
        if (!place.shown() && last.empty()) throw std::runtime_error("No picture was shown to save in " + *o.screenshot);
        if (!place.shown()) platform::savePng(last, *o.screenshot);
    }
    if (trace.is_open() && !trace) throw std::runtime_error("Cannot write file " + *o.trace);
    return 0;
}

// A folder without the game's data is refused before any window opens: one message, not
// a box for every file the forms would miss one after the other.
bool dataFolderUsable(const std::string& dataDir, std::ostream& err) {
    const std::optional<std::string> refused = missingGameData(dataDir);
    if (refused) err << "orbigolf: " << *refused << '\n';
    return !refused;
}

}  // namespace

int runProgram(const ProgramOptions& o, const WindowBackend* backend, std::ostream& err) {
    try {
        if (o.replay) {
            if (!o.headless && backend == nullptr) {
                err << "orbigolf: this build has no window; use --headless\n";
                return 2;
            }
            const replay::ReplayFile file = replay::readReplay(*o.replay);
            if (file.version == 1) return runGameReplay(o, backend, file.lines, err);
            if (!dataFolderUsable(o.dataDir, err)) return 1;
            return runProgramReplay(o, backend, file);
        }
        if (backend == nullptr) {
            err << "orbigolf: this build has no window; only --replay FILE --headless runs\n";
            return 2;
        }
        if (!dataFolderUsable(o.dataDir, err)) return 1;
        return runLive(o, *backend, err);
    } catch (const std::exception& e) {
        err << "orbigolf: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace orbigolf::frontend
