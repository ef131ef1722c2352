#pragma once
// TFliPlayerTimer: a control that plays an 8-bit FLIC animation (FLI or FLC) inside its
// rectangle, paced by a message timer of its own and the millisecond tick count.
//
// The file is read frame by frame while it plays; one decoded frame is held in the frame
// buffer, one frame ahead of the shown one. A shown frame is copied into the frame picture
// (8-bit indexes and a 256-entry palette), which paints into the surface the control sits
// on (a display's back buffer), unscaled at its FliPos or stretched over the control.
//
// Time comes from the clock given at construction and the timer ticks from the event loop's
// idle step (add timer() to the loop), so tests drive both with injected time.
//
// A damaged file (a count or size that does not fit the file, the frame or the chunk) stops
// the animation: the player keeps the message in errorMessage() and throws MediaError with
// it, which the event loop shows in the error box. A missing file writes "Fatal Error: File
// does not exist!" on the control and raises nothing.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/flic_chunks.h"
#include "media/media_error.h"
#include "platform/surface.h"
#include "platform/timer.h"

namespace orbigolf::media {

enum class TFliPos { FliCentre, FliLeft, FliRight };

class TFliPlayerTimer;
using TFliEvent = std::function<void(TFliPlayerTimer& Sender, uint16_t FrameNo)>;

inline constexpr const char* kFlicFileDoesNotExist = "Fatal Error: File does not exist!";
inline constexpr const char* kFlicIsInvalid = "FLIC is invalid";

// The frame picture: what the control paints.
struct FlicPicture {
    int width = 320;
    int height = 200;
    std::vector<uint8_t> indexes = std::vector<uint8_t>(size_t(320) * 200, 0);
    FlicPalette palette{};
};

class TFliPlayerTimer {
public:
    using Clock = std::function<uint64_t()>;  // milliseconds, never decreasing

    enum class PlayState { Stopped, Playing, Paused };

    // The largest animation accepted: each side and the whole picture.
    static constexpr int kMaxSide = 8192;
    static constexpr int64_t kMaxPixels = int64_t{1} << 24;
    static constexpr size_t kFirstChunkBuffer = 60000;

    explicit TFliPlayerTimer(Clock clock);
    ~TFliPlayerTimer();
    TFliPlayerTimer(const TFliPlayerTimer&) = delete;
    TFliPlayerTimer& operator=(const TFliPlayerTimer&) = delete;

    // --- the control ---
    // The surface the control paints on (null: painting only fires OnFliPaint), and its
    // rectangle there. A new player is 320 x 200.
    void setSurface(platform::Surface* surface) { surface_ = surface; }
    void setBounds(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Visible = true;

    // --- published properties ---
    const std::string& FileName() const { return fileName_; }
    void setFileName(const std::string& name);
    void setFliPos(TFliPos pos);
    bool Loop = true;
    bool Stretch() const { return stretch_; }
    void setStretch(bool on);
    int32_t SpeedOverride = 0;
    void setTimerInterval(uint32_t ms);
    bool AutoSize = false;

    TFliEvent OnFliEnd;
    TFliEvent OnFliNextFrame;
    TFliEvent OnFliPaint;

    // --- operations ---
    void Play();
    void Stop();
    void Pause();
    void Resume();
    bool GotoFrame(int n);
    bool ShowFrame(int n);
    // One tick of the internal timer (the timer calls it; tests may too).
    void Tick();
    // Draws the control: fires OnFliPaint, then the picture once a frame has been shown.
    void Paint();
    // Erases the control's rectangle (black) and paints it again.
    void Invalidate();

    // --- state ---
    PlayState playState() const { return state_; }
    int frameCount() const { return frameCount_; }
    int animationWidth() const { return picture_.width; }
    int animationHeight() const { return picture_.height; }
    uint16_t magic() const { return magic_; }
    int16_t speed() const { return speed_; }
    // The frame delay in milliseconds set at Play (SpeedOverride not applied).
    int32_t delay() const { return delay_; }
    int decodedFrame() const { return decoded_; }
    int shownFrame() const { return shown_; }
    int paintedFrame() const { return painted_; }
    bool frameShown() const { return frameShownOnce_; }
    bool frameWaiting() const { return !needDecode_; }
    int64_t nextDue() const { return nextDue_; }
    const FlicPicture& picture() const { return picture_; }
    // Why the last play stopped on its own ("" when it did not).
    const std::string& errorMessage() const { return errorMessage_; }

    platform::TDXTimer& timer() { return timer_; }

private:
    struct File;

    void ReadNextFrame();
    void readFrame();
    bool resynchronise();
    void showDecodedFrame();
    void applyPalette();
    [[noreturn]] void fail(const std::string& what);
    int32_t frameDelay() const { return SpeedOverride != 0 ? SpeedOverride : delay_; }
    int64_t now() const { return static_cast<int64_t>(clock_()); }

    Clock clock_;
    platform::TDXTimer timer_;
    platform::Surface* surface_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 320;
    int height_ = 200;

    std::string fileName_;
    TFliPos fliPos_ = TFliPos::FliLeft;
    bool stretch_ = false;
    uint32_t timerInterval_ = 1;

    PlayState state_ = PlayState::Stopped;
    std::unique_ptr<File> file_;
    int64_t firstFramePos_ = 128;
    uint16_t magic_ = 0;
    int frameCount_ = 0;
    int16_t speed_ = 0;
    int32_t delay_ = 0;
    std::vector<uint8_t> frameBuffer_;
    std::vector<uint8_t> chunkBuffer_;
    FlicPalette palette_{};
    FlicPicture picture_;
    std::array<platform::Pixel565, 256> palette565_{};
    int decoded_ = 0;
    int shown_ = 0;
    int painted_ = 0;
    bool needDecode_ = true;
    bool frameShownOnce_ = false;
    bool seeking_ = false;
    int64_t nextDue_ = 0;
    std::string errorMessage_;
};

}  // namespace orbigolf::media
