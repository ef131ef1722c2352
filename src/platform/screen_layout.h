#pragma once
// Where the display mode's picture goes in a window of another size: as large as fits
// with its shape kept, centred, with black bars (letterbox). When the mode fits at least
// once it is scaled by the largest whole factor that fits, so pixels stay square and
// sharp; a window smaller than the mode scales it down smoothly.

#include "platform/frames.h"

namespace orbigolf::platform {

Rect fitMode(int windowWidth, int windowHeight, int modeWidth, int modeHeight);

struct ModePoint {
    int x = 0;
    int y = 0;
};

// The mode pixel under window point (wx, wy) for a picture shown in `placed`; points
// on the bars map to the nearest edge pixel.
ModePoint windowToMode(int wx, int wy, const Rect& placed, int modeWidth, int modeHeight);
// The window point at the centre of mode pixel (x, y).
ModePoint modeToWindow(int x, int y, const Rect& placed, int modeWidth, int modeHeight);

}  // namespace orbigolf::platform
