// Turning drawn canvases into stored bitmaps: the 5-6-5 grid, the colour key, the choice
// of 8 or 24 bits, and the text sources.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "built_set.h"
#include "canvas.h"
#include "finish.h"
#include "media/dib.h"
#include "pixel_font.h"
#include "sources.h"

namespace orbigolf::content::test {
namespace {

bool onGrid(media::Rgb c) {
    auto ok = [](uint8_t v, int bits) { return widenLevel(nearestLevel(v, bits), bits) == v; };
    return ok(media::redOf(c), 5) && ok(media::greenOf(c), 6) && ok(media::blueOf(c), 5);
}

TEST(Finish, GradientsAreDitheredOntoTheSixteenBitGrid) {
    Canvas c(64, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 64, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.1, 0.2, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.25, 0.5);
    cairo_set_source(c.cr(), g);
    cairo_paint(c.cr());
    cairo_pattern_destroy(g);
    const media::Bitmap b = finishCanvas(c, {.keyed = false});
    std::set<media::Rgb> colours;
    for (media::Rgb p : b.pixels) {
        EXPECT_TRUE(onGrid(p));
        colours.insert(p);
    }
    // Neighbouring levels are mixed, so a column of the gradient is not one flat band.
    EXPECT_GT(colours.size(), 10u);
}

TEST(Finish, ColoursOnTheGridStayExactly) {
    Canvas c(4, 4);
    c.fill(colourFromRgb(0x101839));
    const media::Bitmap b = finishCanvas(c);
    for (media::Rgb p : b.pixels) EXPECT_EQ(p, media::makeRgb(0x10, 0x18, 0x39));
}

TEST(Finish, KeyedPicturesUseBlackOnlyForEmptyPixels) {
    Canvas c(3, 1);
    c.setArgb(0, 0, 0x00000000);  // empty
    c.setArgb(1, 0, 0xFF010101);  // drawn, nearly black
    c.setArgb(2, 0, 0x05050505);  // a trace of coverage: counts as empty
    c.markDirty();
    const media::Bitmap keyed = finishCanvas(c);
    EXPECT_EQ(keyed.pixel(0, 0), 0u);
    EXPECT_EQ(keyed.pixel(1, 0), kDarkestNonKey);
    EXPECT_EQ(keyed.pixel(2, 0), 0u);
    const media::Bitmap plain = finishCanvas(c, {.keyed = false});
    EXPECT_EQ(plain.pixel(1, 0), 0u);
}

TEST(Finish, PartlyCoveredPixelsBlendIntoTheMatte) {
    Canvas c(1, 1);
    c.setArgb(0, 0, 0x80800000);  // half-covered pure red, premultiplied
    c.markDirty();
    FinishOptions o;
    o.matte = colourFromRgb(0x0000FF);
    o.dither = false;
    const media::Bitmap b = finishCanvas(c, o);
    EXPECT_NEAR(media::redOf(b.pixel(0, 0)), 128, 8);
    EXPECT_NEAR(media::blueOf(b.pixel(0, 0)), 127, 8);
}

TEST(Finish, FewColoursAreStoredWithEightBitsManyWithSixteen) {
    media::Bitmap few = media::makeBitmap(20, 20, media::makeRgb(8, 8, 8));
    few.pixel(3, 3) = media::makeRgb(255, 0, 0);
    media::PictureListItem item;
    storePicture(item, few);
    EXPECT_EQ(item.bitmap.bitsPerPixel, 8);
    EXPECT_EQ(item.bitmap.pixels, few.pixels);
    media::Bitmap many = media::makeBitmap(20, 20);
    for (int i = 0; i < 400; ++i) many.pixels[static_cast<size_t>(i)] = static_cast<media::Rgb>(i * 97);
    storePicture(item, many);
    EXPECT_EQ(item.bitmap.bitsPerPixel, 16);
    // The game shows exactly what it showed of the 24-bit colours.
    const platform::Surface shown = media::decodeDibSurface(item.pictureData);
    for (int i = 0; i < 400; ++i) {
        const media::Rgb c = many.pixels[static_cast<size_t>(i)];
        ASSERT_EQ(shown.pixel(i % 20, i / 20),
                  platform::toRgb565(media::redOf(c), media::greenOf(c), media::blueOf(c)))
            << i;
    }
}

TEST(Finish, TiledFramesLandInTheirCells) {
    std::vector<media::Bitmap> frames;
    for (int i = 0; i < 5; ++i) frames.push_back(media::makeBitmap(3, 2, static_cast<media::Rgb>(i + 1)));
    const media::Bitmap t = tileFrames(frames, 2);
    EXPECT_EQ(t.width, 6);
    EXPECT_EQ(t.height, 6);
    EXPECT_EQ(t.pixel(4, 3), 4u);  // frame 3: column 1, row 1
    EXPECT_EQ(t.pixel(1, 5), 5u);
    EXPECT_EQ(t.pixel(4, 5), 0u);  // the unused sixth cell
}

std::filesystem::path writeSource(const char* name, const char* text) {
    static const auto dir = scratchDir("sources");
    const auto f = dir / name;
    FILE* out = std::fopen(f.string().c_str(), "w");
    std::fputs(text, out);
    std::fclose(out);
    return f;
}

TEST(Sources, PalettesReadColoursAndNameTheMissingOne) {
    const Palette p = Palette::load(writeSource("p.txt", "# comment\nglass #1a2240  # trailing\n"));
    EXPECT_EQ(p.rgb("glass"), 0x182042u);  // taken to the nearest 5-6-5 colour
    EXPECT_THROW(p.rgb("rim"), SourceError);
    EXPECT_THROW(Palette::load(writeSource("bad.txt", "glass 1a2240\n")), SourceError);
    EXPECT_THROW(Palette::load(writeSource("bad2.txt", "glass #12345g\n")), SourceError);
}

TEST(Sources, CommentsStartAtAHashFollowedByABlankButColoursStay) {
    const auto lines = readSourceLines(writeSource("c.txt", "# whole line\nrim #8a93a6 # note\nx #\n\n"));
    ASSERT_EQ(lines.size(), 4u);  // blank lines are kept so line numbers stay right
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "rim #8a93a6");
    EXPECT_EQ(lines[2], "x");
}

TEST(Sources, RecipeSettingsAreKeyValueWordsWithNumbersAndLists) {
    const Params p(splitWords("0 name 2 notes notes=60,64,67 step=0.1 wave=bell"), 4, "here");
    EXPECT_EQ(p.number("step", 1), 0.1);
    EXPECT_EQ(p.number("decay", 0.3), 0.3);
    EXPECT_EQ(p.numbers("notes"), (std::vector<double>{60, 64, 67}));
    EXPECT_EQ(p.text("wave", "sine"), "bell");
    EXPECT_THROW(Params(splitWords("a b c d loose"), 4, "here"), SourceError);
    EXPECT_THROW(Params(splitWords("a b c d step=fast"), 4, "here").number("step", 0), SourceError);
}

TEST(Sources, PixelGlyphsNeedSevenOrNineRowsOfFive) {
    const char* seven = "glyph 65\n.XXX.\nX...X\nX...X\nXXXXX\nX...X\nX...X\nX...X\n";
    const PixelFont f = PixelFont::load(writeSource("f.txt", seven));
    EXPECT_TRUE(f.ink(65, 2, 1));   // seven rows sit below the two accent rows
    EXPECT_FALSE(f.ink(65, 0, 1));
    EXPECT_THROW(PixelFont::load(writeSource("short.txt", "glyph 65\n.X.X.\n")), SourceError);
    EXPECT_THROW(PixelFont::load(writeSource("wide.txt", "glyph 65\n.X.X..\n.X.X..\n.X.X..\n"
                                                         ".X.X..\n.X.X..\n.X.X..\n.X.X..\n")),
                 SourceError);
}

}  // namespace
}  // namespace orbigolf::content::test
