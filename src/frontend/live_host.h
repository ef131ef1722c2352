#pragma once
// A live run of the program: the forms take the window's events and time through one
// event loop; each modal show runs a nested loop with only the shown form's timers.
// With a recorder, everything the run depends on is written as a whole-program replay:
// the settings it started from, every event that reached a form, and each game's seed,
// ticks and events.

#include <functional>
#include <memory>
#include <vector>

#include "frontend/program_host.h"
#include "frontend/replay.h"
#include "platform/event_loop.h"

namespace orbigolf {
class TMain;
}

namespace orbigolf::frontend {

class LiveHost final : public ProgramHost {
public:
    // `afterTick` runs after every game tick (a live run's trace).
    LiveHost(platform::Window& window, platform::AudioOutput* audio, std::string dataDir,
             replay::Recorder* recorder = nullptr, std::function<void(const TMain&, int64_t)> afterTick = {});

    uint64_t nowMs() override { return window_.nowMs(); }
    void busyWait(int ms) override;
    void showModal(Form& form) override;
    void runGame(LaunchPadControls& controls) override;
    std::vector<StoredSetting> startSettings(TAMReg& store) override;

private:
    class GameWatch;

    // Runs the loop with these timers (and no others) until `done`.
    void runNested(const std::vector<platform::TDXTimer*>& timers, const std::function<bool()>& done);
    // The program's clock without the time spent in games, which a replay does not count.
    uint64_t formTime() { return nowMs() - gameMs_; }
    std::unique_ptr<TMain> createGame(LaunchPadControls& controls, uint64_t seed, GameWatch& watch);

    platform::EventLoop loop_;
    replay::Recorder* recorder_;
    std::function<void(const TMain&, int64_t)> afterTick_;
    std::vector<platform::TDXTimer*> active_;
    uint64_t gameMs_ = 0;
};

}  // namespace orbigolf::frontend
