#pragma once
// The full-screen display of a form (the game screen's DXDraw, the launch pad's
// DXinterface): a mode of W x H 16-bit pixels, a back buffer of that size that the form
// draws into, and a presenter that shows the buffer on flip().

#include <functional>
#include <optional>

#include "platform/blit.h"
#include "platform/canvas.h"
#include "platform/frames.h"
#include "platform/presenter.h"
#include "platform/surface.h"

namespace orbigolf::platform {

class Display {
public:
    static constexpr int kMaxSize = 8192;

    explicit Display(Presenter* presenter = nullptr) : presenter_(presenter) {}
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    void setPresenter(Presenter* presenter) { presenter_ = presenter; }

    // The mode entered by the next initialize() (640 x 480 until set).
    void setMode(int width, int height);
    int modeWidth() const { return modeWidth_; }
    int modeHeight() const { return modeHeight_; }

    // Whether flip() waits for the vertical blank.
    void setWaitVBlank(bool on);
    bool waitVBlank() const { return waitVBlank_; }

    // Enters the mode, creates the back buffer, then runs OnInitialize. Throws
    // DisplayError for a size outside 1..kMaxSize or when the presenter refuses the mode;
    // the display then stays uninitialised.
    void initialize();
    // Runs OnFinalize, leaves the mode and releases the back buffer.
    void finalize();
    bool initialized() const { return initialized_; }
    // True only while the back buffer can be drawn.
    bool ready() const { return initialized_ && !backBuffer_.empty(); }

    std::function<void()> OnInitialize;
    std::function<void()> OnFinalize;

    int width() const { return backBuffer_.width(); }
    int height() const { return backBuffer_.height(); }
    Surface& backBuffer() { return backBuffer_; }
    const Surface& backBuffer() const { return backBuffer_; }

    static Pixel565 nativePixel(int r, int g, int b);

    void fill(Pixel565 colour) { backBuffer_.fill(colour); }
    void fillBlended(const Rect& area, Pixel565 colour, int strength) {
        platform::fillBlended(backBuffer_, area, colour, strength);
    }
    // A frame of an opaque picture that covers the whole back buffer (the course behind
    // everything else) is copied only where the buffer was written since the same frame
    // was last drawn at the same place: the rest still holds it.
    void drawFrame(const Picture& picture, int index, int x, int y);
    void drawFrameBlended(const Picture& picture, int index, const Rect& dest, BlendMode mode, int strength) {
        platform::drawFrameBlended(backBuffer_, picture, index, dest, mode, strength);
    }
    Canvas canvas() { return Canvas(backBuffer_); }

    // Shows the back buffer; does nothing while not ready.
    void flip();

private:
    // The picture pixels under the whole back buffer at the last such drawing.
    struct Backdrop {
        uint64_t id = 0;
        uint64_t version = 0;
        int x = 0;  // the picture pixel at the buffer's top left corner
        int y = 0;
        friend bool operator==(const Backdrop&, const Backdrop&) = default;
    };

    Presenter* presenter_;
    Surface backBuffer_;
    std::optional<Backdrop> backdrop_;
    int modeWidth_ = 640;
    int modeHeight_ = 480;
    bool waitVBlank_ = false;
    bool initialized_ = false;
};

}  // namespace orbigolf::platform
