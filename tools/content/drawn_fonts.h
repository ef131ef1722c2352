#pragma once
// The fonts drawn with Cairo: the panel's number font, the big message font and the
// score-card font. Each is one row of equal cells in the order the game indexes them.

#include "art_context.h"
#include "media/dib.h"

namespace orbigolf::content {

inline constexpr int kNumberCellWidth = 8;   // the game steps one pixel more per glyph
inline constexpr int kNumberCellHeight = 14;
// The game centres a big message as if its letters stood 23 pixels apart, and draws the
// first letter one advance right of that: with 21-pixel cells the longest message, the
// exit question, still ends inside a 640-pixel screen and the words stay near the centre.
inline constexpr int kBigCellWidth = 21;
inline constexpr int kBigCellHeight = 32;
inline constexpr int kCardCellWidth = 8;
inline constexpr int kCardCellHeight = 13;

// Segment digits "0123456789o-" ("o", the sign of a score of zero or more, is a plus).
media::Bitmap buildNumberFont(const ArtContext& art);
// Codes 32 to 92, bold with a soft glow on black (the game blends it).
media::Bitmap buildBigFont(const ArtContext& art);
// The 67 label characters, anti-aliased against the score card's cell colour.
media::Bitmap buildCardFont(const ArtContext& art);

}  // namespace orbigolf::content
