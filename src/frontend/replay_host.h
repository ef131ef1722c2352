#pragma once
// A whole-program replay: the lines of a version 2 replay reach the active form in order,
// on a clock of the replay's own ("time" lines move it on, running the active form's
// timers as they fall due), and each game screen takes its ticks, frame rates and events
// as a version 1 replay gives them. Nothing is read from or written to the player's own
// settings; no sound is played.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/program_host.h"
#include "frontend/replay.h"

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

    bool skipIntro() const { return skipIntro_; }
    // Game ticks that ran, over all games.
    int64_t ticks() const { return ran_; }
    // The replay reached its end (its last line, an end line, or a stop by `pace`).
    bool finished() const { return finished_; }
    // The summary of the last game screen, when one ran.
    const std::optional<std::string>& lastGameSummary() const { return lastGame_; }

private:
    void advanceClock(uint64_t to, Form& form);
    // The next line, or null (and the replay finished) at the end of the file.
    const replay::Line* nextLine();
    [[noreturn]] void fail(const replay::Line& line, const std::string& why) const;

    const std::vector<replay::Line>& lines_;
    std::string fileName_;
    size_t pos_ = 0;
    uint64_t clock_ = 0;
    uint64_t seed_ = 1;
    int fps_ = 60;
    int64_t nextTick_ = 1;
    int64_t ran_ = 0;
    bool skipIntro_ = false;
    bool finished_ = false;
    std::function<bool()> pace_;
    std::function<void(const TMain&, int64_t)> afterTick_;
    std::optional<std::string> lastGame_;
};

}  // namespace orbigolf::frontend
