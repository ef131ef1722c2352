#include "frontend/live_host.h"

#include <chrono>

#include "game/tmain.h"

namespace orbigolf::frontend {
namespace {

using Type = platform::InputEvent::Type;

uint64_t clockSeed() { return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()); }

}  // namespace

// Sees every tick and handler call of a game: counts the ticks, passes them to the
// recorder, and after each tick that ran calls the trace.
class LiveHost::GameWatch final : public TMainObserver {
public:
    GameWatch(replay::Recorder* recorder, int64_t& ticks) : recorder_(recorder), ticks_(ticks) {}
    void onEvent(const platform::InputEvent& event) override {
        if (recorder_) recorder_->onEvent(event);
    }
    void onTick(int fps) override {
        ++ticks_;
        ticked_ = true;
        if (recorder_) recorder_->onTick(fps);
    }
    // Whether a tick ran since the last call.
    bool takeTicked() {
        const bool t = ticked_;
        ticked_ = false;
        return t;
    }

private:
    replay::Recorder* recorder_;
    int64_t& ticks_;
    bool ticked_ = false;
};

LiveHost::LiveHost(platform::Window& window, platform::AudioOutput* audio, std::string dataDir,
                   replay::Recorder* recorder, std::function<void(const TMain&, int64_t)> afterTick)
    : ProgramHost(window, audio, std::move(dataDir), 0, 0),
      loop_(window),
      recorder_(recorder),
      afterTick_(std::move(afterTick)) {
    window.screenSize(screenWidth_, screenHeight_);
    loop_.setErrorReporter([this](const std::string& message) { showError(message); });
}

std::vector<StoredSetting> LiveHost::startSettings(TAMReg& store) {
    try {
        std::vector<StoredSetting> settings = readLaunchPadSettings(store);
        if (recorder_) recorder_->startSettings(settings);
        return settings;
    } catch (const std::exception& e) {
        if (recorder_) recorder_->unreadableSettings(e.what());
        throw;
    }
}

void LiveHost::busyWait(int ms) {
    // Nothing runs meanwhile; events wait in the window's queue.
    window_.pause(ms);
}

void LiveHost::runNested(const std::vector<platform::TDXTimer*>& timers, const std::function<bool()>& done) {
    const std::vector<platform::TDXTimer*> outer = active_;
    for (platform::TDXTimer* t : outer) loop_.removeTimer(t);
    active_ = timers;
    for (platform::TDXTimer* t : active_) loop_.addTimer(t);
    loop_.runUntil([&] { return closing_ || done(); });
    for (platform::TDXTimer* t : active_) loop_.removeTimer(t);
    active_ = outer;
    for (platform::TDXTimer* t : active_) loop_.addTimer(t);
    loop_.popHandler();
}

void LiveHost::showModal(Form& form) {
    form.show();
    loop_.pushHandler([this, &form](const platform::InputEvent& e) {
        if (!admit(e)) return;
        if (recorder_) recorder_->onFormEvent(e, formTime());
        if (e.type == Type::ToggleFullscreen) {
            toggleFullscreen();
            return;
        }
        form.handleEvent(e);
    });
    runNested(form.timers(), [&form] { return form.modalDone(); });
    form.hide();
}

std::unique_ptr<TMain> LiveHost::createGame(LaunchPadControls& controls, uint64_t seed, GameWatch& watch) {
    auto game = std::make_unique<TMain>(window_, audio_, dataDir_, controls, seed);
    game->setObserver(&watch);
    try {
        game->FormCreate();
    } catch (const platform::SoundError& e) {
        // No sound device: the game is played without sound rather than not at all.
        soundUnavailable(e.what());
        game = std::make_unique<TMain>(window_, nullptr, dataDir_, controls, seed);
        game->setObserver(&watch);
        game->FormCreate();
    }
    return game;
}

void LiveHost::runGame(LaunchPadControls& controls) {
    ++games_;
    const uint64_t started = nowMs();
    const uint64_t seed = clockSeed();
    if (recorder_) recorder_->beginGame(seed);
    GameWatch watch(recorder_, ticks_);
    std::unique_ptr<TMain> game = createGame(controls, seed, watch);
    TMain& g = *game;
    // The trace follows each tick that ran, with the state it left.
    platform::TDXTimer& timer = g.timer();
    const std::function<void()> tick = timer.OnTimer;
    timer.OnTimer = [this, &g, &watch, tick] {
        tick();
        if (watch.takeTicked() && afterTick_) afterTick_(g, ticks_);
    };
    g.show();
    loop_.pushHandler([this, &g](const platform::InputEvent& e) {
        if (!admit(e) || e.type == Type::KeyPress) return;
        // The game does not see these as handler calls; they are recorded as the game's
        // events all the same (a close even after the game has ended, as it ends the
        // program).
        if (e.type == Type::Close || (e.type == Type::ToggleFullscreen && !g.closed())) {
            if (recorder_) recorder_->onEvent(e);
        }
        if (g.closed()) return;
        if (e.type == Type::ToggleFullscreen) {
            toggleFullscreen();
            return;
        }
        g.handleEvent(e, true);
    });
    runNested({&g.timer()}, [&g] { return g.closed(); });
    if (!g.closed()) g.leave();
    if (recorder_) recorder_->endGame();
    lastGame_ = replay::summaryJson(g, ticks_);
    gameMs_ += nowMs() - started;
}

}  // namespace orbigolf::frontend
