#pragma once
// Where a display's finished back buffer goes: the window (SDL texture upload) in the
// game, memory in headless runs.

#include <stdexcept>

#include "platform/surface.h"

namespace orbigolf::platform {

// Raised when a display mode cannot be entered or shown.
class DisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Presenter {
public:
    virtual ~Presenter() = default;
    // The display enters a width x height mode; throws DisplayError when it cannot.
    virtual void beginMode(int width, int height) = 0;
    virtual void endMode() = 0;
    // Shows the finished back buffer.
    virtual void present(const Surface& backBuffer) = 0;
    // Whether showing waits for the vertical blank.
    virtual void setVsync(bool on) { (void)on; }
};

}  // namespace orbigolf::platform
