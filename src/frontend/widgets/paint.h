#pragma once
// Drawing helpers of the widget set: flat rectangles, one-pixel frames, the dotted focus
// rectangle and small glyphs, in BGR colour numbers, always clipped to a rectangle.

#include <cstdint>

#include "platform/frames.h"
#include "platform/surface.h"

namespace orbigolf::widgets {

// Colours of the flat look beyond the form's own (BGR).
inline constexpr uint32_t clBorder = 0x808080;      // one-pixel frames
inline constexpr uint32_t clDarkBorder = 0x404040;  // the default button's frame, glyphs
inline constexpr uint32_t clDisabledText = 0xA8A8A8;
inline constexpr uint32_t clHighlight = 0x6A240A;   // selected text background (dark blue)
inline constexpr uint32_t clHighlightText = 0xFFFFFF;
inline constexpr uint32_t clTabGrey = 0xB4B8BC;     // unselected tabs
inline constexpr uint32_t clInfoBk = 0xE1FFFF;      // hint window (pale yellow)
inline constexpr uint32_t clFieldText = 0x000000;   // text typed into fields and lists

platform::Pixel565 pixelOf(uint32_t bgr);

// Intersection of two rectangles (empty when they do not meet).
platform::Rect intersect(const platform::Rect& a, const platform::Rect& b);
bool contains(const platform::Rect& r, int x, int y);

void fillRect(platform::Surface& s, const platform::Rect& r, uint32_t bgr, const platform::Rect& clip);
// A one-pixel frame just inside `r`.
void frameRect(platform::Surface& s, const platform::Rect& r, uint32_t bgr, const platform::Rect& clip);
// Every other pixel of a frame just inside `r` (the focus rectangle).
void dottedRect(platform::Surface& s, const platform::Rect& r, uint32_t bgr, const platform::Rect& clip);
void putPixel(platform::Surface& s, int x, int y, uint32_t bgr, const platform::Rect& clip);
// A solid triangle pointing down (or up) whose top row is `width` pixels wide, centred on cx.
void arrowGlyph(platform::Surface& s, int cx, int top, int width, bool down, uint32_t bgr,
                const platform::Rect& clip);

}  // namespace orbigolf::widgets
