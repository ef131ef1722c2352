#pragma once
// The game screen: owns the game state, the display, the sound device, the game timer
// and the picture and sound lists, and orders the steps of a tick. Start-up, hole set-up,
// the tick, the mouse and key handlers live in their own files (start_up.cpp,
// hole_init.cpp, tmain.cpp, commands.cpp); the rules they call live elsewhere in game/.
//
// The launch pad's controls are read live through the LaunchPadControls it is given.
// A TMainObserver sees every handler call and every tick, which is how replays are
// recorded: whatever reaches the game screen can be written down and played back.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/effects.h"
#include "game/game_pictures.h"
#include "game/game_tick.h"
#include "game/launch_pad_controls.h"
#include "game/state.h"
#include "media/image_list.h"
#include "media/wave_list.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace orbigolf {

class TMainObserver {
public:
    virtual ~TMainObserver() = default;
    // A handler of the game screen is about to run for `event`.
    virtual void onEvent(const platform::InputEvent& event) = 0;
    // A tick is about to run with measured frame rate `fps`.
    virtual void onTick(int fps) = 0;
};

class TMain {
public:
    // `audio` may be null: the mixer then only mixes on request (headless runs).
    // `seed` replaces the clock as the random generator's seed.
    TMain(platform::Window& window, platform::AudioOutput* audio, std::string dataDir, LaunchPadControls& controls,
          std::optional<uint64_t> seed = std::nullopt);
    ~TMain();
    TMain(const TMain&) = delete;
    TMain& operator=(const TMain&) = delete;

    // Creation (with DXSoundInitialize), then showing, which brings up the display and
    // runs DXDrawInitialize. Failures of the display, the sound device and the
    // interface lists go to the caller.
    void FormCreate();
    void show();

    // The game timer's tick; reads the measured frame rate at its end.
    void GengineTimer();
    // One tick of the game timer with the given measured frame rate (replays); does
    // nothing while the timer is off or once the game screen has closed. Returns whether
    // the tick ran.
    bool runTick(int fps);

    // Handlers, named after the controls and events they serve.
    void FormKeyDown(int key);
    void FormKeyUp(int key);
    void DXDrawMouseDown(platform::MouseButton button, int x, int y);
    void DXDrawMouseUp(platform::MouseButton button, int x, int y);
    void DXDrawMouseMove(int x, int y);
    void DXDrawClick();
    void DXDrawDblClick();

    // An event from the event loop or a replay, passed to its handler. The event loop
    // reports a click before the release that makes it (clickBeforeRelease); the click
    // is then held back until the release has been handled, as the game's handlers
    // expect. A Close event leaves the game screen.
    void handleEvent(const platform::InputEvent& event, bool clickBeforeRelease = false);

    // Sets up the hole named by holeName (loading picture, files, resets, start card).
    void HoleInit();

    // Stops the timer, shuts the display and the sound down and closes the form.
    void leave();
    bool closed() const { return closed_; }

    void setObserver(TMainObserver* observer) { observer_ = observer; }
    // Starts the game on this hole (its stem in the data folder) instead of the first
    // hole of the chosen course; set before show().
    void setFirstHole(std::string holeName) { firstHole_ = std::move(holeName); }

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    platform::Display& display() { return display_; }
    platform::TDXTimer& timer() { return timer_; }
    const platform::TDXTimer& timer() const { return timer_; }
    platform::TDXSound& sound() { return sound_; }
    TDXImageList& gui() { return gui_; }
    TDXImageList& course() { return course_; }
    TDXWaveList& sounds() { return sounds_; }
    TDXWaveList& bgsounds() { return bgsounds_; }
    const LaunchPadControls& controls() const { return controls_; }
    GamePictures pictures() const { return {&gui_, &menu_, &course_}; }
    // Where a data file of this name is.
    std::string dataPath(const std::string& name) const;

private:
    class GameEffects;
    class NextHole;

    void DXSoundInitialize();
    void DXDrawInitialize();
    void applySkin();
    void loadBallTextures();
    void waitForDisplay();
    void report(const std::string& message);

    // Commands.
    void clickSound();
    void switchPuttMethod();
    void startBackgroundLoop();
    void stopBackgroundLoop();
    void toggleSound();
    void toggleBackgroundSound();
    void cycleFrameLimit();
    // The game timer's pace: an interval in milliseconds and a cap in ticks a second.
    void setFrameLimit(int intervalMs, int maxRate) {
        timer_.setInterval(intervalMs);
        timer_.setMaxRate(maxRate);
    }
    // The pace of "60fps" and of F5's "FRAME LIMITING 60 FPS": a tick waits out a
    // sixtieth of a second, however fast the machine draws.
    static constexpr int kLimitedRate = 60;
    void parkCursorHere();

    platform::Window& window_;
    platform::AudioOutput* audio_;
    std::string dataDir_;
    LaunchPadControls& controls_;
    std::optional<uint64_t> seed_;
    std::optional<std::string> firstHole_;

    GameState s_;
    platform::Display display_;
    platform::TDXSound sound_;
    platform::TDXTimer timer_;
    TDXImageList menu_, gui_, course_;
    TDXWaveList sounds_, bgsounds_;
    std::unique_ptr<Effects> fx_;
    TMainObserver* observer_ = nullptr;

    int fps_ = 0;  // measured frame rate of the running tick
    FrameRecord record_;  // kept between ticks so that a tick allocates nothing
    bool clickPending_ = false;
    platform::InputEvent pendingClick_;
    bool closed_ = false;
};

}  // namespace orbigolf
