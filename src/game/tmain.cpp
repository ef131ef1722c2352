#include "game/tmain.h"

#include <filesystem>

#include "game/draw_tick.h"
#include "game/frame_counts.h"
#include "game/game_tick.h"
#include "media/file_lookup.h"

namespace orbigolf {

// Sounds from the game's lists and the system pointer, for the rules engine.
class TMain::GameEffects final : public Effects {
public:
    explicit GameEffects(TMain& m) : m_(m) {}
    void playSound(int n) override {
        if (n >= 0 && n < m_.sounds_.count()) m_.sounds_.item(n).play();
    }
    void playBackgroundSound(int n) override {
        if (n >= 0 && n < m_.bgsounds_.count()) m_.bgsounds_.item(n).play();
    }
    void parkCursor() override {
        if (m_.display_.ready()) m_.window_.setCursorPos(m_.display_.width() / 2, m_.display_.height() / 2);
    }
    void setSoundVolume(int n, int hundredthsDb) override {
        if (n >= 0 && n < m_.sounds_.count()) m_.sounds_.item(n).setVolume(hundredthsDb);
    }

private:
    TMain& m_;
};

TMain::TMain(platform::Window& window, platform::AudioOutput* audio, std::string dataDir,
             LaunchPadControls& controls, std::optional<uint64_t> seed)
    : window_(window),
      audio_(audio),
      dataDir_(std::move(dataDir)),
      controls_(controls),
      seed_(seed),
      display_(&window),
      timer_([this] { return window_.nowMs(); }),
      sounds_(&sound_),
      bgsounds_(&sound_),
      fx_(std::make_unique<GameEffects>(*this)) {
    sound_.setOutput(audio_);
    timer_.setEnabled(false);
    timer_.OnTimer = [this] { runTick(timer_.frameRate()); };
    display_.OnInitialize = [this] { DXDrawInitialize(); };
    sound_.OnInitialize = [this] { DXSoundInitialize(); };
}

TMain::~TMain() {
    timer_.setEnabled(false);
    sound_.finalize();
    display_.finalize();
}

std::string TMain::dataPath(const std::string& name) const {
    return media::resolveFileName((std::filesystem::path(dataDir_) / name).string());
}

void TMain::report(const std::string& message) { window_.showError(message); }

bool TMain::runTick(int fps) {
    if (closed_ || !timer_.enabled()) return false;
    if (observer_) observer_->onTick(fps);
    fps_ = fps;
    GengineTimer();
    return true;
}

// The next hole's files are the game screen's to load.
class TMain::NextHole final : public HoleSetUp {
public:
    explicit NextHole(TMain& m) : m_(m) {}
    bool setUpHole(GameState&) override {
        m_.HoleInit();
        return !m_.closed_ && m_.display_.ready();
    }

private:
    TMain& m_;
};

void TMain::GengineTimer() {
    if (closed_ || !display_.ready()) return;
    const Rules rules = controls_.rules();
    const ListFrameCounts frames(&course_);
    NextHole nextHole(*this);
    TickInput in;
    in.screen = ScreenSize{display_.width(), display_.height()};
    in.fps = fps_;
    in.frames = &frames;
    in.holeSetUp = &nextHole;
    if (!gameTick(s_, rules, in, *fx_, record_)) return;
    drawTick(s_, rules, record_, display_, pictures());
    display_.flip();
}

void TMain::handleEvent(const platform::InputEvent& e, bool clickBeforeRelease) {
    using Type = platform::InputEvent::Type;
    if (closed_) return;
    if (e.type == Type::Click && clickBeforeRelease) {
        clickPending_ = true;
        pendingClick_ = e;
        return;
    }
    if (e.type == Type::Close) {
        leave();
        return;
    }
    if (e.type == Type::KeyPress) return;
    if (observer_) observer_->onEvent(e);
    switch (e.type) {
        case Type::KeyDown: FormKeyDown(e.key); break;
        case Type::KeyUp: FormKeyUp(e.key); break;
        case Type::MouseDown: DXDrawMouseDown(e.button, e.x, e.y); break;
        case Type::MouseUp: DXDrawMouseUp(e.button, e.x, e.y); break;
        case Type::MouseMove: DXDrawMouseMove(e.x, e.y); break;
        case Type::Click: DXDrawClick(); break;
        case Type::DblClick: DXDrawDblClick(); break;
        default: break;
    }
    if (e.type == Type::MouseUp && clickPending_) {
        clickPending_ = false;
        if (closed_) return;
        if (observer_) observer_->onEvent(pendingClick_);
        DXDrawClick();
    }
}

void TMain::leave() {
    if (closed_) return;
    s_.exitAsked = 0;
    timer_.setEnabled(false);
    display_.finalize();
    sound_.finalize();
    closed_ = true;
}

}  // namespace orbigolf
