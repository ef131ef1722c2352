#include "frontend/replay_host.h"

#include <algorithm>

#include "game/tmain.h"

namespace orbigolf::frontend {

using replay::Line;

ReplayHost::ReplayHost(platform::Window& window, std::string dataDir, const replay::ReplayFile& file,
                       std::function<bool()> pace, std::function<void(const TMain&, int64_t)> afterTick)
    : ProgramHost(window, nullptr, std::move(dataDir), 640, 480),
      lines_(file.lines),
      pace_(std::move(pace)),
      afterTick_(std::move(afterTick)) {
    // What the run started from, before the first event.
    for (const Line& l : lines_) {
        if (l.kind == Line::Kind::Screen) {
            screenWidth_ = static_cast<int>(l.n);
            screenHeight_ = static_cast<int>(l.n2);
        } else if (l.kind == Line::Kind::SkipIntro) {
            skipIntro_ = true;
        } else if (l.kind == Line::Kind::Windowed) {
            windowed_ = true;
        } else if (l.kind == Line::Kind::Settings) {
            settings_ = &l;
        } else if (l.kind == Line::Kind::Setting) {
            stored_.push_back(l.setting);
        }
    }
}

std::vector<StoredSetting> ReplayHost::startSettings(TAMReg& store) {
    // A replay without settings lines starts from the store it was given.
    if (settings_ == nullptr) return readLaunchPadSettings(store);
    if (settings_->settings == Line::Settings::Unreadable) throw EAMRegError(settings_->value);
    return stored_;
}

void ReplayHost::fail(const Line& line, const std::string& why) const {
    throw replay::ReplayError("line " + std::to_string(line.number) + ": " + why);
}

void ReplayHost::advanceClock(uint64_t to, Form& form) {
    while (clock_ < to) {
        int64_t step = -1;
        const std::vector<platform::TDXTimer*> timers = form.timers();
        for (platform::TDXTimer* t : timers) {
            const int64_t d = t->msUntilDue();
            if (d >= 0 && (step < 0 || d < step)) step = d;
        }
        if (step < 0 || clock_ + static_cast<uint64_t>(step) > to) {
            clock_ = to;
            break;
        }
        // A timer due at once still lets the clock move, so the loop always ends.
        clock_ += static_cast<uint64_t>(step > 0 ? step : 1);
        for (platform::TDXTimer* t : timers) {
            try {
                t->idle();
            } catch (const std::exception& e) {
                showError(e.what());
            }
        }
        if (form.modalDone()) break;
    }
}

const Line* ReplayHost::nextLine() {
    if (pos_ >= lines_.size()) {
        finished_ = true;
        return nullptr;
    }
    return &lines_[pos_++];
}

void ReplayHost::showModal(Form& form) {
    form.show();
    while (!form.modalDone() && !finished_ && !closing_) {
        // Time that a form ended partway through (an intro whose movies ran out) goes on
        // for the form shown next, before its next event.
        if (clock_ < target_) {
            advanceClock(target_, form);
            continue;
        }
        const Line* next = nextLine();
        if (next == nullptr) break;
        const Line& l = *next;
        switch (l.kind) {
            case Line::Kind::Seed: seed_ = l.seed; break;
            case Line::Kind::Fps: count_.fps = static_cast<int>(l.n); break;
            case Line::Kind::Time:
                target_ = std::max(target_, static_cast<uint64_t>(l.n));
                advanceClock(target_, form);
                break;
            case Line::Kind::Event:
                if (!admit(l.event)) break;
                if (l.event.type == platform::InputEvent::Type::ToggleFullscreen) {
                    toggleFullscreen();
                    break;
                }
                // A failure in a handler is shown in the error box and the replay goes on.
                try {
                    form.handleEvent(l.event);
                } catch (const std::exception& e) {
                    showError(e.what());
                }
                if (pace_ && !pace_()) finished_ = true;
                break;
            case Line::Kind::End: finished_ = true; break;
            case Line::Kind::Tick: fail(l, "tick " + std::to_string(l.n) + " while no game screen is shown");
            default: break;
        }
    }
    form.hide();
}

void ReplayHost::runGame(LaunchPadControls& controls) {
    ++games_;
    // The recording names the game's seed (and its first frame rate) after the event that
    // started it.
    while (pos_ < lines_.size() && (lines_[pos_].kind == Line::Kind::Seed || lines_[pos_].kind == Line::Kind::Fps)) {
        const Line& l = lines_[pos_++];
        if (l.kind == Line::Kind::Seed) seed_ = l.seed;
        else count_.fps = static_cast<int>(l.n);
    }
    TMain game(window_, nullptr, dataDir_, controls, seed_);
    game.FormCreate();
    game.show();
    replay::PlayHooks hooks;
    hooks.afterTick = [this](const TMain& g, int64_t ran) {
        if (afterTick_) afterTick_(g, ran);
        return !pace_ || pace_();
    };
    hooks.afterEvent = [this] { return !pace_ || pace_(); };
    hooks.programEvent = [this](const platform::InputEvent& e) {
        if (e.type == platform::InputEvent::Type::Close) closing_ = true;
        if (e.type == platform::InputEvent::Type::ToggleFullscreen) toggleFullscreen();
    };
    hooks.otherLine = [this](const Line& l) {
        if (l.kind == Line::Kind::Seed) seed_ = l.seed;
    };
    const replay::PlayEnd end = replay::playGame(lines_, pos_, game, controls, count_, hooks);
    if (end != replay::PlayEnd::Closed) finished_ = true;
    ticks_ = count_.ran;
    lastGame_ = replay::summaryJson(game, ticks_);
    if (!game.closed()) game.leave();
}

}  // namespace orbigolf::frontend
