#pragma once
// A whole-program replay: the lines of a version 2 replay reach the active form in order,
// on a clock of the replay's own ("time" lines move it on, running the active form's
// timers as they fall due), and each game screen takes its ticks, frame rates and events
// through the same play loop as a version 1 replay. The launch pad starts from the
// settings the replay holds; no settings file is read, and one is written only when the
// program is given one. No sound is played.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/program_host.h"
#include "frontend/replay.h"
#include "frontend/replay_play.h"

namespace orbigolf {
class TMain;
}

namespace orbigolf::frontend {

class ReplayHost final : public ProgramHost {
public:
    // `pace` runs after every event and tick (a shown window keeps its pace there and
    // may stop the replay by returning false); `afterTick` after every game tick.
    ReplayHost(platform::Window& window, std::string dataDir, const replay::ReplayFile& file,
               std::function<bool()> pace = {}, std::function<void(const TMain&, int64_t)> afterTick = {});

    uint64_t nowMs() override { return clock_; }
    void busyWait(int ms) override { clock_ += static_cast<uint64_t>(ms < 0 ? 0 : ms); }
    void showModal(Form& form) override;
    void runGame(LaunchPadControls& controls) override;
    std::vector<StoredSetting> startSettings(TAMReg& store) override;

    bool skipIntro() const { return skipIntro_; }
    bool windowed() const { return windowed_; }
    // The replay reached its end (its last line, an end line, or a stop by `pace`).
    bool finished() const { return finished_; }

private:
    void advanceClock(uint64_t to, Form& form);
    // The next line, or null (and the replay finished) at the end of the file.
    const replay::Line* nextLine();
    [[noreturn]] void fail(const replay::Line& line, const std::string& why) const;

    const std::vector<replay::Line>& lines_;
    size_t pos_ = 0;
    uint64_t clock_ = 0;
    uint64_t target_ = 0;  // the time of the last time line
    uint64_t seed_ = 1;
    replay::TickCount count_;
    bool skipIntro_ = false;
    bool windowed_ = false;
    // The settings the run started from, when the replay holds them.
    const replay::Line* settings_ = nullptr;
    std::vector<StoredSetting> stored_;
    bool finished_ = false;
    std::function<bool()> pace_;
    std::function<void(const TMain&, int64_t)> afterTick_;
};

}  // namespace orbigolf::frontend
