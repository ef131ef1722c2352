#pragma once
// Drawing of picture frames onto a surface: plain (colour-keyed when the picture is
// transparent) and blended (additive, alpha, subtractive) with stretching. Every call
// clips to the destination; frames outside the picture's frame range draw nothing.
//
// Blend arithmetic, per channel of RGB565 with strength k in 0..255 and
// div255(v) = v / 255 rounded to nearest:
//   additive     d + div255(s * k), saturating at the channel's maximum
//   alpha        div255(s * k + d * (255 - k))
//   subtractive  d - div255(s * k), floored at 0
// so strength 0 leaves the destination as it was and 255 uses the source in full.
// Strengths above 255 count as 255; 0 or less draw nothing.

#include "platform/frames.h"
#include "platform/surface.h"

namespace orbigolf::platform {

enum class BlendMode { Add, Alpha, Subtract };

// Frame `index` of `picture` with its top-left corner at (x, y).
void drawFrame(Surface& dst, const Picture& picture, int index, int x, int y);

// Frame `index` scaled (nearest pixel) into `dest` and combined with `dst` by `mode`.
void drawFrameBlended(Surface& dst, const Picture& picture, int index, const Rect& dest, BlendMode mode,
                      int strength);

// The part `src` of `source` (clipped to it) copied to (x, y), keyed when the source is
// transparent. drawFrame is this with the frame's rectangle.
void blit(Surface& dst, const Surface& source, const Rect& src, int x, int y);
// The part `src` of `source` scaled into `dest` and blended.
void blitBlended(Surface& dst, const Surface& source, const Rect& src, const Rect& dest, BlendMode mode,
                 int strength);

// Alpha-blends `colour` over `area` (clipped) with `strength`.
void fillBlended(Surface& dst, const Rect& area, Pixel565 colour, int strength);

// Rounded v / 255 for v in 0..65535.
constexpr unsigned div255(unsigned v) { return (v + 128u + ((v + 128u) >> 8)) >> 8; }

}  // namespace orbigolf::platform
