// The fonts' glyph orders are the contract with the game's text drawing: a character must
// select the pattern that shows it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "built_set.h"
#include "character_sets.h"
#include "media/image_list.h"
#include "pixel_font.h"

namespace orbigolf::content::test {
namespace {

TEST(GlyphOrder, LabelCharactersSelectTheirPatterns) {
    EXPECT_EQ(labelGlyphIndex('A'), 0);
    EXPECT_EQ(labelGlyphIndex('Z'), 25);
    EXPECT_EQ(labelGlyphIndex('"'), 26);
    EXPECT_EQ(labelGlyphIndex('a'), 27);
    EXPECT_EQ(labelGlyphIndex('t'), 28);
    EXPECT_EQ(labelGlyphIndex(' '), 29);
    EXPECT_EQ(labelGlyphIndex('0'), 31);
    EXPECT_EQ(labelGlyphIndex('9'), 40);
    EXPECT_EQ(labelGlyphIndex('='), 43);  // the first of its two places
    EXPECT_EQ(labelGlyphIndex('-'), 46);
    EXPECT_EQ(labelGlyphIndex('.'), 58);
    EXPECT_EQ(labelGlyphIndex('#'), 61);
    EXPECT_EQ(labelGlyphIndex(197), 62);  // Å
    EXPECT_EQ(labelGlyphIndex(196), 64);  // Ä
    EXPECT_EQ(labelGlyphIndex('*'), 66);
    for (unsigned char c : std::string("bz[]~;:,"))  // not in the set: the blank
        EXPECT_EQ(labelGlyphIndex(c), 30) << c;
    EXPECT_EQ(labelCharacterSet().size(), 67u);
}

// Each small-font pattern is the drawing of its character in the font source, at the top
// left of its cell: ink where the source has "X", nothing or shadow elsewhere.
TEST(GlyphOrder, SmallFontPatternsReproduceTheirSourceDrawings) {
    const PixelFont source = PixelFont::load(sourcesDir() / "fonts" / "small_font.txt");
    TDXImageList gui;
    gui.loadFromFile((builtSet() / "gui.dxg").string());
    const auto& font = gui.item(7);
    const auto& set = labelCharacterSet();
    for (size_t i = 0; i < set.size(); ++i) {
        if (set[i] == kBlankGlyph) continue;
        const auto r = font.frameRect(static_cast<int>(i));
        uint32_t shadow = 0;  // the colour one pixel below and right of ink with none there
        for (int row = 0; row < kPixelGlyphRows; ++row) {
            for (int col = 0; col < kPixelGlyphWidth; ++col) {
                const uint32_t p = font.pixel(r.x + col, r.y + row);
                if (source.ink(set[i], row, col)) {
                    EXPECT_NE(p, 0u) << "pattern " << i << " row " << row << " column " << col;
                    if (shadow == 0 && !source.ink(set[i], row + 1, col + 1))
                        shadow = font.pixel(r.x + col + 1, r.y + row + 1);
                }
            }
        }
        for (int row = 0; row < kPixelGlyphRows; ++row)
            for (int col = 0; col < kPixelGlyphWidth; ++col)
                if (!source.ink(set[i], row, col)) {
                    const uint32_t p = font.pixel(r.x + col, r.y + row);
                    EXPECT_TRUE(p == 0 || p == shadow) << "pattern " << i << " row " << row << " column " << col;
                }
    }
}

// Where a big-font glyph has its ink tells which character it is: a full stop sits low, a
// minus in the middle, a quote high. An order shifted by one would move them.
TEST(GlyphOrder, BigFontPatternsFollowCharacterCodes) {
    TDXImageList menu;
    menu.loadFromFile((builtSet() / "menu.dxg").string());
    const auto& font = menu.item(0);
    auto inkMiddleRow = [&](char c) {
        const auto r = font.frameRect(c - kBigFirst);
        double sum = 0, n = 0;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) {
                const uint32_t p = font.pixel(r.x + x, r.y + y);
                const double bright = (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF);
                sum += bright * y;
                n += bright;
            }
        return sum / n;
    };
    EXPECT_GT(inkMiddleRow('.'), inkMiddleRow('-') + 4);
    EXPECT_GT(inkMiddleRow('-'), inkMiddleRow('"') + 4);
    EXPECT_NEAR(inkMiddleRow('-'), inkMiddleRow('='), 2);
    EXPECT_NEAR(inkMiddleRow('H'), inkMiddleRow('-'), 3);
}

// The number font: the minus lights only the middle bar, the plus stands taller.
TEST(GlyphOrder, NumberFontSignsAreWhereTheGameLooksForThem) {
    TDXImageList gui;
    gui.loadFromFile((builtSet() / "gui.dxg").string());
    const auto& font = gui.item(8);
    auto brightRows = [&](int pattern) {
        const auto r = font.frameRect(pattern);
        int top = r.h, bottom = -1;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x)
                if (const uint32_t p = font.pixel(r.x + x, r.y + y); (p & 0xFF) > 160) {  // lit, not ghost
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return std::pair{top, bottom};
    };
    const auto minus = brightRows(11), plus = brightRows(10), eight = brightRows(8);
    EXPECT_LE(minus.second - minus.first, 3);
    EXPECT_GE(plus.second - plus.first, 5);
    EXPECT_GE(eight.second - eight.first, 10);
}

}  // namespace
}  // namespace orbigolf::content::test
