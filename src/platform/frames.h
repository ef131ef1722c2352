#pragma once
// A picture cut into a grid of equal cells (frames, also called patterns).
//
// With cell width w (the pattern width, or the picture width when it is 0) and height h,
// steps sx = w + skip width and sy = h + skip height, a picture of P x Q pixels holds
// (P + skip width) div sx columns and (Q + skip height) div sy rows. Frame i sits at
// column i mod columns, row i div columns, top-left corner (sx * column, sy * row),
// size w x h. A picture whose cell size equals its own size is one frame.
//
// Values read from files can be anything; every combination that would divide by zero,
// overflow or put a cell outside the picture (negative pattern sizes, a step of 0 or
// less, a cell larger than the picture) yields no frames instead.

#include <cstdint>

#include "platform/surface.h"

namespace orbigolf::platform {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The cell rules as stored with a picture list item.
struct FrameLayout {
    int32_t patternWidth = 0;   // 0: the picture's width
    int32_t patternHeight = 0;  // 0: the picture's height
    int32_t skipWidth = 0;      // horizontal gap between cells
    int32_t skipHeight = 0;     // vertical gap between cells

    // Frame size for a picture of the given size (0 when the stored size is negative).
    int frameWidth(int pictureWidth) const;
    int frameHeight(int pictureHeight) const;
    int columns(int pictureWidth) const;
    int rows(int pictureHeight) const;
    int frameCount(int pictureWidth, int pictureHeight) const;
    // Where frame `index` lies in the picture; an empty rectangle when index is outside
    // 0..frameCount-1.
    Rect frameRect(int index, int pictureWidth, int pictureHeight) const;

    friend bool operator==(const FrameLayout&, const FrameLayout&) = default;
};

// What the display draws from: one picture (with its colour key) and its cell rules.
struct Picture {
    Surface surface;
    FrameLayout layout;

    int frameWidth() const { return layout.frameWidth(surface.width()); }
    int frameHeight() const { return layout.frameHeight(surface.height()); }
    int frameCount() const { return layout.frameCount(surface.width(), surface.height()); }
    Rect frameRect(int index) const { return layout.frameRect(index, surface.width(), surface.height()); }
};

}  // namespace orbigolf::platform
