// The bitmap fonts on pictures whose glyph cells each carry their own colour, so a pixel
// tells which pattern was drawn where.

#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "game/fonts.h"

namespace orbigolf {
namespace {

using testing::at;
using testing::initDisplay;
using testing::pictureItem;

// Pattern p of a font picture is w x h pixels whose red and blue hold p + 1.
media::PictureListItem fontItem(int patterns, int w, int h) {
    return pictureItem(
        w * patterns, h,
        [&](int x, int) {
            const int code = x / w + 1;
            return media::makeRgb(static_cast<uint8_t>((code & 31) << 3), 100, static_cast<uint8_t>((code >> 5) << 3));
        },
        w, h, true);
}
// Which pattern covers the screen pixel (-1 for black).
int patternAt(const platform::Display& d, int x, int y) {
    const platform::Rgb c = at(d, x, y);
    if (c == platform::Rgb{}) return -1;
    return (c.r >> 3) + 32 * (c.b >> 3) - 1;
}

struct FontTest : ::testing::Test {
    void SetUp() override {
        initDisplay(display, 200, 20);
        testing::fillList(gui, 9);
        testing::fillList(menu, 6);
        testing::setItem(gui, 7, fontItem(67, 2, 3));   // small
        testing::setItem(gui, 8, fontItem(12, 3, 4));   // numbers
        testing::setItem(menu, 0, fontItem(61, 2, 2));  // big
        testing::setItem(menu, 5, fontItem(67, 4, 3));  // score card
        pics = GamePictures{&gui, &menu, nullptr};
    }
    platform::Display display;
    TDXImageList gui, menu;
    GamePictures pics;
};

TEST_F(FontTest, SetFontGlyphsStartOneAdvanceRightAndFollowTheCharacterSet) {
    DrawSmallText(display, pics, "A=B", 10, 5);
    EXPECT_EQ(patternAt(display, 10, 5), -1);
    EXPECT_EQ(patternAt(display, 12, 5), 0);
    EXPECT_EQ(patternAt(display, 14, 5), 43);
    EXPECT_EQ(patternAt(display, 16, 5), 1);
    EXPECT_EQ(patternAt(display, 18, 5), -1);

    EXPECT_EQ(setFontPattern(' '), 29);
    EXPECT_EQ(setFontPattern('a'), 27);
    EXPECT_EQ(setFontPattern('t'), 28);
    EXPECT_EQ(setFontPattern('b'), 30);
    EXPECT_EQ(setFontPattern('0'), 31);
    EXPECT_EQ(setFontPattern('.'), 58);
    EXPECT_EQ(setFontPattern('$'), 60);
    EXPECT_EQ(setFontPattern(197), 62);
    EXPECT_EQ(setFontPattern(196), 64);
    EXPECT_EQ(setFontPattern('*'), 66);
    EXPECT_EQ(setFontPattern('['), 30);
}

TEST_F(FontTest, CardFontUsesItsOwnPatternWidth) {
    DrawCardText(display, pics, "ZZ", 0, 0);
    EXPECT_EQ(patternAt(display, 3, 0), -1);
    EXPECT_EQ(patternAt(display, 4, 0), 25);
    EXPECT_EQ(patternAt(display, 8, 2), 25);
    EXPECT_EQ(patternAt(display, 12, 0), -1);
}

TEST_F(FontTest, NumberFontAdvancesOnePixelMoreAndSkipsUnknownCharacters) {
    DrawNumberText(display, pics, "o-3", 0, 0);
    EXPECT_EQ(patternAt(display, 4, 0), 10);
    EXPECT_EQ(patternAt(display, 7, 0), -1);  // the gap column
    EXPECT_EQ(patternAt(display, 8, 0), 11);
    EXPECT_EQ(patternAt(display, 12, 0), 3);
    display.fill(0);
    DrawNumberText(display, pics, "+3", 0, 0);
    EXPECT_EQ(patternAt(display, 4, 0), -1);
    EXPECT_EQ(patternAt(display, 8, 0), 3);
}

TEST_F(FontTest, BigFontIsAlphaBlendedAndMapsCodes32To92) {
    EXPECT_EQ(bigFontPattern('a'), 0);
    EXPECT_EQ(bigFontPattern('\\'), 60);
    EXPECT_EQ(bigFontPattern(']'), 0);
    EXPECT_EQ(bigFontPattern('A'), 33);
    DrawBigText(display, pics, "!", 0, 0, 255);
    EXPECT_EQ(patternAt(display, 2, 0), 1);
    display.fill(0);
    DrawBigText(display, pics, "!", 0, 0, 128);
    const platform::Rgb half = at(display, 2, 0);
    EXPECT_GT(half.g, 40);
    EXPECT_LT(half.g, 60);
}

TEST_F(FontTest, EmptyTextAndMissingPicturesDrawNothing) {
    DrawSmallText(display, pics, "", 0, 0);
    GamePictures none{};
    DrawSmallText(display, none, "ABC", 0, 0);
    DrawBigText(display, none, "ABC", 0, 0, 255);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(patternAt(display, x, 1), -1);
}

TEST(UpperCase, LatinOneLettersAndOthersUnchanged) {
    EXPECT_EQ(upperCase("player 2 (a)"), "PLAYER 2 (A)");
    EXPECT_EQ(upperCase("\xe5\xf6\xe4\xf7"), "\xc5\xd6\xc4\xf7");
}

}  // namespace
}  // namespace orbigolf
