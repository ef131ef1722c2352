#pragma once
// The window without a screen, for tests and tools: presented frames are kept in memory,
// input events are injected by the caller, and time is whatever the caller says it is.
// Waiting for an event with none queued lets the clock run on by the wait, so a loop
// whose timers are due later still gets there.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/window.h"

namespace orbigolf::platform {

class HeadlessWindow : public Window {
public:
    HeadlessWindow() = default;

    // --- Presenter ---
    void beginMode(int width, int height) override;
    void endMode() override;
    void present(const Surface& backBuffer) override;
    void setVsync(bool on) override { vsync_ = on; }

    int modeWidth() const { return modeWidth_; }
    int modeHeight() const { return modeHeight_; }
    bool inMode() const { return inMode_; }
    bool vsync() const { return vsync_; }
    // Refuses the next beginMode() calls, as a screen without that mode would.
    void setRefuseModes(bool refuse) { refuseModes_ = refuse; }

    // Frames shown so far, the last `keep` of them kept (1 unless changed).
    int64_t frameCount() const { return frameCount_; }
    void setKeepFrames(size_t keep);
    const std::deque<Surface>& frames() const { return frames_; }
    // The last frame shown; an empty surface before the first.
    const Surface& lastFrame() const;

    // --- EventSource ---
    bool pollEvent(InputEvent& event) override;
    void waitEvent(int timeoutMs) override;
    uint64_t nowMs() override { return now_; }

    void setTime(uint64_t ms) { now_ = ms < now_ ? now_ : ms; }
    void advance(uint64_t ms) { now_ += ms; }
    // Whether waiting lets the clock run on (true unless changed).
    void setWaitAdvancesClock(bool on) { waitAdvances_ = on; }

    // Injection. Mouse events also move the cursor.
    void inject(const InputEvent& event);
    void keyDown(int key, ShiftState shift = 0);
    void keyUp(int key, ShiftState shift = 0);
    // Key down then up.
    void keyTap(int key, ShiftState shift = 0);
    void typeText(const std::string& text);
    void mouseMove(int x, int y, ShiftState shift = 0);
    void mouseDown(MouseButton button, int x, int y, ShiftState shift = 0);
    void mouseUp(MouseButton button, int x, int y, ShiftState shift = 0);
    // Press and release of one button at one point.
    void click(MouseButton button, int x, int y);
    // Two presses and releases, the second one marked as the double click.
    void doubleClick(int x, int y);
    void requestClose();

    // --- Window ---
    void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
    bool cursorVisible() const override { return cursorVisible_; }
    void setCursorPos(int x, int y) override;
    int cursorX() const override { return cursorX_; }
    int cursorY() const override { return cursorY_; }
    void setFullscreen(bool) override {}
    void setTitle(const std::string& title) override { title_ = title; }
    const std::string& title() const { return title_; }
    // Errors are kept and written to standard error.
    void showError(const std::string& message) override;
    const std::vector<std::string>& errors() const { return errors_; }

private:
    static ShiftState buttonFlag(MouseButton button);

    int modeWidth_ = 0;
    int modeHeight_ = 0;
    bool inMode_ = false;
    bool vsync_ = false;
    bool refuseModes_ = false;
    int64_t frameCount_ = 0;
    size_t keepFrames_ = 1;
    std::deque<Surface> frames_;

    std::deque<InputEvent> queue_;
    uint64_t now_ = 0;
    bool waitAdvances_ = true;
    ShiftState buttons_ = 0;

    bool cursorVisible_ = true;
    int cursorX_ = 0;
    int cursorY_ = 0;
    std::string title_;
    std::vector<std::string> errors_;
};

}  // namespace orbigolf::platform
