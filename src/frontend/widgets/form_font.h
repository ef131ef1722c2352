#pragma once
// The forms' font: a sans serif metric-compatible with 8-point Arial (11 pixels high),
// rendered from Liberation Sans into a one-bit bitmap font when the program is built.
// Text is Windows-1252, one byte per character.

#include <cstdint>
#include <string>

#include "platform/frames.h"
#include "platform/surface.h"

namespace orbigolf::widgets {

// Line height of the font, in pixels.
int fontLineHeight();
// Advance of one character and of a whole text.
int charWidth(unsigned char c);
int textWidth(const std::string& text);

// Draws text with its top-left corner at (x, y) in `colour` (BGR), clipped to `clip`.
void drawText(platform::Surface& target, int x, int y, const std::string& text, uint32_t colour,
              const platform::Rect& clip);

}  // namespace orbigolf::widgets
