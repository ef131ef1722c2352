#pragma once
// A live run of the program: the forms take the window's events and time through one
// event loop; each modal show runs a nested loop with only the shown form's timers.
// With a recorder, everything that reaches a form is written as a whole-program replay.

#include <memory>
#include <vector>

#include "frontend/program_host.h"
#include "frontend/replay.h"
#include "platform/event_loop.h"

namespace orbigolf::frontend {

class LiveHost final : public ProgramHost {
public:
    LiveHost(platform::Window& window, platform::AudioOutput* audio, std::string dataDir,
             replay::Recorder* recorder = nullptr);

    uint64_t nowMs() override { return window_.nowMs(); }
    void busyWait(int ms) override;
    void showModal(Form& form) override;
    void runGame(LaunchPadControls& controls) override;

private:
    // Runs the loop with these timers (and no others) until `done`.
    void runNested(const std::vector<platform::TDXTimer*>& timers, const std::function<bool()>& done);
    // The program's clock without the time spent in games, which a replay does not count.
    uint64_t formTime() { return nowMs() - gameMs_; }

    platform::EventLoop loop_;
    replay::Recorder* recorder_;
    std::vector<platform::TDXTimer*> active_;
    uint64_t gameMs_ = 0;
};

}  // namespace orbigolf::frontend
