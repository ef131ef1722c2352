#pragma once
// The running program as its forms see it (FormHost): the window, the sound output, the
// data folder, the screen, and the modal shows of forms and games. Two kinds: a live
// run takes the window's events and time (and may record them); a replay run feeds the
// forms the lines of a whole-program replay on a clock of its own.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/form.h"
#include "frontend/launch_pad_settings.h"
#include "game/launch_pad_controls.h"
#include "platform/events.h"

namespace orbigolf::frontend {

class ProgramHost : public FormHost {
public:
    ProgramHost(platform::Window& window, platform::AudioOutput* audio, std::string dataDir, int screenWidth,
                int screenHeight);

    platform::Window& window() override { return window_; }
    platform::AudioOutput* audio() override { return audio_; }
    void soundUnavailable(const std::string& why) override;
    int screenWidth() override { return screenWidth_; }
    int screenHeight() override { return screenHeight_; }
    std::string dataPath(const std::string& name) override;
    void showError(const std::string& message) override;
    void messageBox(const std::string& text, const std::string& caption) override;

    // Runs one game screen with the given controls, modally, and destroys it.
    virtual void runGame(LaunchPadControls& controls) = 0;
    // The stored settings the launch pad starts from: read from `store` (a live run
    // records them), or those a replay holds.
    virtual std::vector<StoredSetting> startSettings(TAMReg& store) { return readLaunchPadSettings(store); }

    // The window was closed: every modal run ends and the program with them.
    bool closing() const { return closing_; }
    int gamesPlayed() const { return games_; }
    // Game ticks that ran, over all games.
    int64_t ticks() const { return ticks_; }
    // The summary of the last game screen, when one ran.
    const std::optional<std::string>& lastGameSummary() const { return lastGame_; }
    const std::vector<std::string>& errors() const { return errors_; }

protected:
    // Whether an event may reach a form: only those a replay can hold, so that every run
    // can be recorded and played back alike. A Close marks the program as closing.
    bool admit(const platform::InputEvent& event);
    // Alt+Enter: switches the window between full screen and a window.
    void toggleFullscreen() { window_.setFullscreen(!window_.fullscreen()); }

    platform::Window& window_;
    platform::AudioOutput* audio_;
    std::string dataDir_;
    int screenWidth_;
    int screenHeight_;
    bool closing_ = false;
    int games_ = 0;
    int64_t ticks_ = 0;
    std::optional<std::string> lastGame_;
    std::vector<std::string> errors_;
};

}  // namespace orbigolf::frontend
