#pragma once
// The size of the display surface in pixels. The state steps need it where the game
// works in screen coordinates: the view, the scenery, the heads-up display and the
// cursor parked at the centre of the screen.

namespace orbigolf {

struct ScreenSize {
    int width = 640;
    int height = 480;
};

}  // namespace orbigolf
