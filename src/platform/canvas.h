#pragma once
// A drawing context on a surface: pixels and lines in 24-bit colours, stored as the
// surface's RGB565. Lines follow the pen from its position to the target and leave the
// target pixel itself undrawn, so joined lines do not draw their joints twice.

#include "platform/surface.h"

namespace orbigolf::platform {

class Canvas {
public:
    explicit Canvas(Surface& surface) : surface_(&surface) {}

    // The colour of a pixel (the stored RGB565 expanded to 8 bits); black outside.
    Rgb pixel(int x, int y) const { return fromRgb565(surface_->pixel(x, y)); }
    void setPixel(int x, int y, Rgb colour) { surface_->setPixel(x, y, toRgb565(colour)); }

    void setPenColor(Rgb colour) { pen_ = colour; }

    int penX() const { return penX_; }
    int penY() const { return penY_; }
    void moveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }
    // Draws from the pen position towards (x, y) in the pen colour, clipped to the
    // surface, and moves the pen there.
    void lineTo(int x, int y);

private:
    Surface* surface_;
    Rgb pen_{};
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace orbigolf::platform
