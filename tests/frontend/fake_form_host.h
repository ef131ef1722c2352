#pragma once
// A program host for forms in tests: a headless window whose clock the test advances, the
// event loop of the real program, errors kept instead of shown, and screenshots written
// to $ORBIGOLF_REVIEW_DIR for a look when that is set.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/form.h"
#include "platform/event_loop.h"
#include "platform/headless/headless_window.h"
#include "platform/screenshot.h"

namespace orbigolf::frontend::testing {

// Counts the cursor's hide and show steps.
class CountingWindow : public platform::HeadlessWindow {
public:
    void setCursorVisible(bool visible) override {
        ++(visible ? shows : hides);
        HeadlessWindow::setCursorVisible(visible);
    }
    int hides = 0;
    int shows = 0;
};

class FakeFormHost : public FormHost {
public:
    CountingWindow win;
    platform::AudioOutput* audioOut = nullptr;
    int width = 640;
    int height = 480;
    std::filesystem::path dataDir;
    std::vector<std::string> errors;
    std::vector<int> busyWaits;

    platform::Window& window() override { return win; }
    platform::AudioOutput* audio() override { return audioOut; }
    uint64_t nowMs() override { return win.nowMs(); }
    void busyWait(int ms) override {
        busyWaits.push_back(ms);
        win.advance(static_cast<uint64_t>(ms));
    }
    int screenWidth() override { return width; }
    int screenHeight() override { return height; }
    std::string dataPath(const std::string& name) override { return (dataDir / name).string(); }
    void showError(const std::string& message) override { errors.push_back(message); }
    void messageBox(const std::string& text, const std::string& caption) override {
        errors.push_back(caption + ": " + text);
    }
    void soundUnavailable(const std::string& why) override {
        errors.push_back(why);
        audioOut = nullptr;
    }
    void showModal(Form& form) override {
        Modal run(*this, form);
        run.runFor(600000);
        form.hide();
    }

    // A form shown modally, stepped by the test one millisecond of clock at a time.
    class Modal {
    public:
        Modal(FakeFormHost& host, Form& form) : host_(host), form_(form), loop_(host.win) {
            host.win.setWaitAdvancesClock(false);
            loop_.setErrorReporter([&host](const std::string& m) { host.showError(m); });
            loop_.pushHandler([&form](const platform::InputEvent& e) { form.handleEvent(e); });
            form.show();
            for (platform::TDXTimer* t : form.timers()) loop_.addTimer(t);
        }
        ~Modal() {
            for (platform::TDXTimer* t : form_.timers()) loop_.removeTimer(t);
        }
        // Delivers what is queued and runs the timers, without the clock moving.
        void step() { loop_.step(false); }
        // Lets `ms` milliseconds pass, stepping after each one; stops early when the form
        // ends its run. Returns whether it did.
        bool runFor(uint64_t ms) {
            step();
            for (uint64_t i = 0; i < ms && !form_.modalDone(); ++i) {
                host_.win.advance(1);
                step();
            }
            return form_.modalDone();
        }

    private:
        FakeFormHost& host_;
        Form& form_;
        platform::EventLoop loop_;
    };
};

// Writes the surface as <name>.png into $ORBIGOLF_REVIEW_DIR when that is set.
inline void review(const platform::Surface& surface, const std::string& name) {
    if (const char* dir = std::getenv("ORBIGOLF_REVIEW_DIR"); dir != nullptr && !surface.empty())
        platform::savePng(surface, (std::filesystem::path(dir) / (name + ".png")).string());
}

}  // namespace orbigolf::frontend::testing
