#pragma once
// The SDL back end: the game's window and sound output. Only this folder includes SDL;
// callers get the platform-neutral interfaces.
//
// The window takes the whole desktop unless WindowOptions say otherwise (Alt+Enter
// switches at any time). The display mode is the logical size: the back buffer is shown
// letterboxed, scaled by whole factors when it fits, and mouse positions come back in
// mode pixels.

#include <memory>

#include "platform/sound.h"
#include "platform/window.h"

namespace orbigolf::platform {

// Throws DisplayError when SDL's video cannot start or the window cannot be made.
std::unique_ptr<Window> createSdlWindow(const WindowOptions& options);

// An output that opens the default audio device (signed 16-bit at the mixer's primary
// rate and channels) and pulls the mixer from SDL's audio thread.
std::unique_ptr<AudioOutput> createSdlAudioOutput();

}  // namespace orbigolf::platform
