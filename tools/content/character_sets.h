#pragma once
// The glyph orders the game's text drawing expects.

#include <string>
#include <vector>

namespace orbigolf::content {

// The 67 entries of the small and score-card fonts, as character codes (Latin-1);
// kBlankGlyph marks the blank drawn for characters outside the set.
inline constexpr int kBlankGlyph = -1;
const std::vector<int>& labelCharacterSet();

// Pattern index a character selects in the small and score-card fonts.
int labelGlyphIndex(unsigned char c);

// The number font: digits, the sign drawn before a score of zero or more, minus.
inline constexpr const char* kNumberGlyphs = "0123456789o-";

// The big font covers character codes 32 to 92.
inline constexpr int kBigFirst = 32;
inline constexpr int kBigLast = 92;

}  // namespace orbigolf::content
