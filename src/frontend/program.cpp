#include "frontend/program.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <thread>

#include "frontend/replay.h"
#include "game/tmain.h"
#include "platform/event_loop.h"
#include "platform/headless/headless_window.h"
#include "platform/screenshot.h"

namespace orbigolf::frontend {
namespace {

using platform::InputEvent;

// Keys that a replay cannot name do not reach the game screen, so that every game can be
// recorded and played back alike.
bool reachesGame(const InputEvent& e) {
    if (e.type != InputEvent::Type::KeyDown && e.type != InputEvent::Type::KeyUp) return true;
    return replay::keyName(e.key).has_value();
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text << '\n';
    if (!out) throw std::runtime_error("Cannot write file " + path);
}

uint64_t clockSeed() { return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()); }

int runLive(const ProgramOptions& o, const WindowBackend& backend, std::ostream& err) {
    platform::WindowOptions wo;
    wo.fullscreen = !o.windowed;
    wo.title = kApplicationTitle;
    std::unique_ptr<platform::Window> window = backend.createWindow(wo);
    std::unique_ptr<platform::AudioOutput> audio = backend.createAudio ? backend.createAudio() : nullptr;

    LaunchPadControls controls;
    const uint64_t seed = clockSeed();
    std::ofstream recordFile;
    std::optional<replay::Recorder> recorder;
    if (o.record) {
        recordFile.open(*o.record, std::ios::binary | std::ios::trunc);
        if (!recordFile) throw std::runtime_error("Cannot create file " + *o.record);
        recorder.emplace(recordFile, seed, controls);
    }

    auto game = std::make_unique<TMain>(*window, audio.get(), o.dataDir, controls, seed);
    if (recorder) game->setObserver(&*recorder);
    try {
        game->FormCreate();
    } catch (const platform::SoundError& e) {
        // No sound device: the game is played without sound rather than not at all.
        err << e.what() << " (playing without sound)\n";
        game.reset();
        audio.reset();
        game = std::make_unique<TMain>(*window, nullptr, o.dataDir, controls, seed);
        if (recorder) game->setObserver(&*recorder);
        game->FormCreate();
    }
    game->show();

    platform::EventLoop loop(*window);
    loop.setErrorReporter([&](const std::string& message) { window->showError(message); });
    TMain& g = *game;
    loop.pushHandler([&](const InputEvent& e) {
        if (reachesGame(e)) g.handleEvent(e, true);
    });
    loop.addTimer(&g.timer());
    loop.runUntil([&] { return g.closed(); });
    loop.removeTimer(&g.timer());
    if (recorder) recorder->finish();
    return 0;
}

int runReplay(const ProgramOptions& o, const WindowBackend* backend, std::ostream& err) {
    const std::vector<replay::Line> lines = replay::parseFile(*o.replay);
    replay::StartValues start = replay::startValues(lines);

    platform::HeadlessWindow headless;
    // Without a screenshot to save, no presented frame is ever looked at: keep none.
    if (!o.screenshot) headless.setKeepFrames(0);
    std::unique_ptr<platform::Window> shown;
    std::unique_ptr<platform::AudioOutput> audio;
    platform::Window* window = &headless;
    if (!o.headless) {
        platform::WindowOptions wo;
        wo.fullscreen = !o.windowed;
        wo.title = kApplicationTitle;
        shown = backend->createWindow(wo);
        window = shown.get();
        try {
            if (backend->createAudio) audio = backend->createAudio();
        } catch (const std::exception&) {
            audio.reset();
        }
    }
    std::ofstream trace;
    if (o.trace) {
        trace.open(*o.trace, std::ios::binary | std::ios::trunc);
        if (!trace) throw std::runtime_error("Cannot create file " + *o.trace);
    }

    TMain game(*window, audio.get(), o.dataDir, start.controls, start.seed);
    try {
        game.FormCreate();
    } catch (const platform::SoundError& e) {
        err << e.what() << '\n';
        return 1;
    }
    game.show();

    auto started = std::chrono::steady_clock::now();
    const auto afterTick = [&](int64_t tick) {
        if (trace.is_open()) trace << replay::traceJson(game, tick) << '\n';
        if (shown) {
            // Played back at the pace it was recorded, roughly; closing the window stops it.
            InputEvent e;
            while (shown->pollEvent(e))
                if (e.type == InputEvent::Type::Close) return false;
            started += std::chrono::milliseconds(16);
            std::this_thread::sleep_until(started);
        }
        return true;
    };
    const int64_t ticks = replay::play(lines, game, start.controls, afterTick);

    if (o.summary) writeText(*o.summary, replay::summaryJson(game, ticks));
    if (o.screenshot) {
        const platform::Surface& last = o.headless ? headless.lastFrame() : game.display().backBuffer();
        if (last.empty()) throw std::runtime_error("No picture was shown to save in " + *o.screenshot);
        platform::savePng(last, *o.screenshot);
    }
    if (trace.is_open() && !trace) throw std::runtime_error("Cannot write file " + *o.trace);
    return 0;
}

}  // namespace

std::string programFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
    return exe.parent_path().string();
}

int runProgram(const ProgramOptions& o, const WindowBackend* backend, std::ostream& err) {
    try {
        if (o.replay) {
            if (!o.headless && backend == nullptr) {
                err << "orbigolf: this build has no window; use --headless\n";
                return 2;
            }
            return runReplay(o, backend, err);
        }
        if (backend == nullptr) {
            err << "orbigolf: this build has no window; only --replay FILE --headless runs\n";
            return 2;
        }
        return runLive(o, *backend, err);
    } catch (const std::exception& e) {
        err << "orbigolf: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace orbigolf::frontend
