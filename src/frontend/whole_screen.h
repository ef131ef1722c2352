#pragma once
// The intro's and the closing screen's display: black forms that cover the whole screen.

#include "frontend/form.h"
#include "platform/display.h"

namespace orbigolf::frontend {

// Brings `display` up at the size of the whole screen. A display that cannot start is
// reported; the form then goes on without a picture, and a key still ends it.
inline void coverWholeScreen(platform::Display& display, FormHost& host) {
    display.setMode(host.screenWidth(), host.screenHeight());
    try {
        if (!display.initialized()) display.initialize();
    } catch (const platform::DisplayError& e) {
        host.showError(e.what());
    }
}

}  // namespace orbigolf::frontend
