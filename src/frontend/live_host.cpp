#include "frontend/live_host.h"

#include <chrono>

#include "game/tmain.h"

namespace orbigolf::frontend {
namespace {

uint64_t clockSeed() { return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()); }

// Keys that a replay cannot name do not reach the game screen, so that every game can be
// recorded and played back alike.
bool reachesGame(const platform::InputEvent& e) {
    using Type = platform::InputEvent::Type;
    if (e.type == Type::Close) return true;
    if (e.type == Type::KeyPress) return false;
    if (e.type != Type::KeyDown && e.type != Type::KeyUp) return true;
    return replay::keyName(e.key).has_value();
}

}  // namespace

LiveHost::LiveHost(platform::Window& window, platform::AudioOutput* audio, std::string dataDir,
                   replay::Recorder* recorder)
    : ProgramHost(window, audio, std::move(dataDir), 0, 0), loop_(window), recorder_(recorder) {
    window.screenSize(screenWidth_, screenHeight_);
    loop_.setErrorReporter([this](const std::string& message) { showError(message); });
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
        form.handleEvent(e);
    });
    runNested(form.timers(), [&form] { return form.modalDone(); });
    form.hide();
}

void LiveHost::runGame(LaunchPadControls& controls) {
    ++games_;
    const uint64_t started = nowMs();
    const uint64_t seed = clockSeed();
    if (recorder_) recorder_->beginGame(seed);
    auto game = std::make_unique<TMain>(window_, audio_, dataDir_, controls, seed);
    if (recorder_) game->setObserver(recorder_);
    try {
        game->FormCreate();
    } catch (const platform::SoundError& e) {
        // No sound device: the game is played without sound rather than not at all.
        soundUnavailable(e.what());
        game = std::make_unique<TMain>(window_, nullptr, dataDir_, controls, seed);
        if (recorder_) game->setObserver(recorder_);
        game->FormCreate();
    }
    game->show();
    TMain& g = *game;
    loop_.pushHandler([this, &g](const platform::InputEvent& e) {
        if (e.type == platform::InputEvent::Type::Close) closing_ = true;
        if (reachesGame(e)) g.handleEvent(e, true);
    });
    runNested({&g.timer()}, [&g] { return g.closed(); });
    if (!g.closed()) g.leave();
    if (recorder_) recorder_->endGame();
    gameMs_ += nowMs() - started;
}

}  // namespace orbigolf::frontend
