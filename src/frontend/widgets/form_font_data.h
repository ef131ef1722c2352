#pragma once
// The forms' font as the build renders it (the generated form_font_data.cpp): one-bit
// glyphs of Windows-1252 characters 32..255, rows packed most significant bit first.

#include <cstdint>

namespace orbigolf::widgets::fontdata {

struct Glyph {
    int16_t advance;  // pixels to the next character's origin
    int16_t left;     // first column of the bitmap from the origin
    int16_t top;      // rows of the bitmap above the baseline
    int16_t width;
    int16_t height;
    uint32_t offset;  // first byte in kBits; each row takes (width + 7) / 8 bytes
};

extern const int kAscent;   // pixels above the baseline
extern const int kDescent;  // pixels below it
extern const Glyph kGlyphs[256];  // 0..31 are empty
extern const uint8_t kBits[];

}  // namespace orbigolf::widgets::fontdata
