#include "frontend/replay_host.h"

#include "game/tmain.h"

namespace orbigolf::frontend {

using replay::Line;

ReplayHost::ReplayHost(platform::Window& window, std::string dataDir, const replay::ReplayFile& file,
                       std::function<bool()> pace, std::function<void(const TMain&, int64_t)> afterTick)
    : ProgramHost(window, nullptr, std::move(dataDir), 640, 480),
      lines_(file.lines),
      pace_(std::move(pace)),
      afterTick_(std::move(afterTick)) {
    // The settings before the first event: the screen and the intro option.
    for (const Line& l : lines_) {
        if (l.kind == Line::Kind::Screen) {
            screenWidth_ = static_cast<int>(l.n);
            screenHeight_ = static_cast<int>(l.n2);
        } else if (l.kind == Line::Kind::SkipIntro) {
            skipIntro_ = true;
        }
    }
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
        const Line* next = nextLine();
        if (next == nullptr) break;
        const Line& l = *next;
        switch (l.kind) {
            case Line::Kind::Seed: seed_ = l.seed; break;
            case Line::Kind::Fps: fps_ = static_cast<int>(l.n); break;
            case Line::Kind::Time: advanceClock(static_cast<uint64_t>(l.n), form); break;
            case Line::Kind::Event:
                if (!admit(l.event)) break;
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
            case Line::Kind::Control:
            case Line::Kind::Screen:
            case Line::Kind::SkipIntro: break;
        }
    }
    form.hide();
}

void ReplayHost::runGame(LaunchPadControls& controls) {
    ++games_;
    TMain game(window_, nullptr, dataDir_, controls, seed_);
    game.FormCreate();
    game.show();
    int64_t named = 0;
    int namedFps = fps_;
    auto runUpTo = [&](int64_t last) {
        while (!finished_ && nextTick_ <= last && !game.closed()) {
            const int f = nextTick_ == named ? namedFps : fps_;
            if (game.runTick(f)) {
                ++ran_;
                if (afterTick_) afterTick_(game, ran_);
                if (pace_ && !pace_()) finished_ = true;
            }
            ++nextTick_;
        }
    };
    while (!game.closed() && !finished_) {
        const Line* next = nextLine();
        if (next == nullptr) {
            // Without an end line the replay stops after the tick of its last tick line.
            finished_ = false;
            runUpTo(named);
            finished_ = true;
            break;
        }
        const Line& l = *next;
        switch (l.kind) {
            case Line::Kind::Seed: seed_ = l.seed; break;
            case Line::Kind::Fps: fps_ = static_cast<int>(l.n); break;
            case Line::Kind::Tick:
                runUpTo(l.n - 1);
                named = l.n;
                namedFps = fps_;
                break;
            case Line::Kind::Event:
                if (l.event.type == platform::InputEvent::Type::Close) closing_ = true;
                game.handleEvent(l.event);
                break;
            case Line::Kind::End:
                runUpTo(l.n);
                finished_ = true;
                break;
            case Line::Kind::Time:
            case Line::Kind::Control:
            case Line::Kind::Screen:
            case Line::Kind::SkipIntro: break;
        }
    }
    lastGame_ = replay::summaryJson(game, ran_);
    if (!game.closed()) game.leave();
}

}  // namespace orbigolf::frontend
