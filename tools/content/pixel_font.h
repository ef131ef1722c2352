#pragma once
// The hand-drawn pixel font (content/fonts/small_font.txt): the game's small font, and
// the labels printed into the panel art, so both read the same.

#include <array>
#include <filesystem>
#include <map>
#include <string>

#include "canvas.h"
#include "media/dib.h"
#include "sources.h"

namespace orbigolf::content {

inline constexpr int kPixelGlyphWidth = 5;
inline constexpr int kPixelGlyphRows = 9;  // two accent rows above seven capital rows
inline constexpr int kSmallCellWidth = 6;  // the advance the labels are laid out with
inline constexpr int kSmallCellHeight = 10;

class PixelFont {
public:
    static PixelFont load(const std::filesystem::path& file);

    bool has(int code) const { return glyphs_.count(code) != 0; }
    // Row 0..8 (0 and 1 the accent rows), column 0..4; false outside.
    bool ink(int code, int row, int column) const;

    // Draws text with the glyph of character k at x + 6k, the capital rows starting at
    // y + 2; unknown characters draw nothing. Ink gets a top-to-bottom gradient from
    // light to ink colour and a shadow one pixel to the lower right.
    void draw(const Canvas& canvas, const std::string& text, int x, int y, const Colour& light,
              const Colour& ink, const Colour& shadow) const;
    int textWidth(const std::string& text) const {
        return static_cast<int>(text.size()) * kSmallCellWidth;
    }

private:
    std::map<int, std::array<std::string, kPixelGlyphRows>> glyphs_;
};

// The 67-glyph small font picture, one row of 6 x 10 cells in the label character order.
media::Bitmap buildSmallFont(const PixelFont& font, const Palette& theme);

}  // namespace orbigolf::content
