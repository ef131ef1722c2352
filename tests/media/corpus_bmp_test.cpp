// Bitmaps made by other programs: the good ones decode to the pixels their siblings in other
// encodings give, the bad ones are refused with a message or decoded without harm.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

#include "corpus_test_support.h"
#include "media/dib.h"
#include "test_bytes.h"

namespace orbigolf::media {
namespace {

using test::corpusDir;
using test::corpusFile;

Bitmap load(const std::string& relative) { return loadBmpFile(corpusFile("bmp/" + relative)); }

void expectSamePixels(const std::string& reference, const std::vector<std::string>& others) {
    const Bitmap ref = load(reference);
    ASSERT_FALSE(ref.empty()) << reference;
    for (const auto& other : others) {
        const Bitmap b = load(other);
        EXPECT_EQ(b.width, ref.width) << other;
        EXPECT_EQ(b.height, ref.height) << other;
        EXPECT_TRUE(b.pixels == ref.pixels) << other << " differs from " << reference;
    }
}

TEST(CorpusBmp, GoodSuiteFilesAgreeAcrossEncodings) {
    ORBIGOLF_REQUIRE_CORPUS("bmp/bmpsuite-2.8/g");
    const std::string g = "bmpsuite-2.8/g/";
    const std::string q = "bmpsuite-2.8/q/";
    // Palettised 8 bits in every header size, row order, compression and table length.
    expectSamePixels(g + "pal8.bmp", {g + "pal8-0.bmp", g + "pal8os2.bmp", g + "pal8rle.bmp",
                                      g + "pal8topdown.bmp", g + "pal8v4.bmp", g + "pal8v5.bmp",
                                      q + "pal8offs.bmp", q + "pal8oversizepal.bmp", q + "pal8os2sp.bmp"});
    expectSamePixels(g + "pal4.bmp", {g + "pal4rle.bmp"});
    expectSamePixels(g + "pal1.bmp", {g + "pal1wb.bmp"});
    expectSamePixels(g + "rgb24.bmp", {g + "rgb24pal.bmp", g + "rgb32.bmp", g + "rgb32bf.bmp",
                                       g + "rgb32bfdef.bmp", q + "rgb32h52.bmp", q + "rgb32-xbgr.bmp",
                                       q + "rgb24prof.bmp", q + "rgb32fakealpha.bmp"});
    expectSamePixels(g + "rgb16.bmp", {g + "rgb16bfdef.bmp", q + "rgb16faketrns.bmp", q + "rgba16-5551.bmp"});
    expectSamePixels(g + "rgb16-565.bmp", {g + "rgb16-565pal.bmp"});
}

// The 16-bit suite files hold the 24-bit picture with each channel rounded to 5 or 6 bits;
// decoding scales them back to the nearest 8-bit value.
TEST(CorpusBmp, SixteenBitFilesAreTheTruePictureCutToFewerBits) {
    ORBIGOLF_REQUIRE_CORPUS("bmp/bmpsuite-2.8/g");
    const Bitmap full = load("bmpsuite-2.8/g/rgb24.bmp");
    const Bitmap b555 = load("bmpsuite-2.8/g/rgb16.bmp");
    const Bitmap b565 = load("bmpsuite-2.8/g/rgb16-565.bmp");
    auto expand = [](uint8_t v, int bits) {
        const uint32_t max = (1u << bits) - 1;
        const uint32_t stored = (v * max + 127) / 255;
        return uint8_t((stored * 255 + max / 2) / max);
    };
    ASSERT_EQ(full.pixels.size(), b555.pixels.size());
    ASSERT_EQ(full.pixels.size(), b565.pixels.size());
    size_t mismatches = 0;
    for (size_t i = 0; i < full.pixels.size(); ++i) {
        const Rgb c = full.pixels[i];
        mismatches += b555.pixels[i] != makeRgb(expand(redOf(c), 5), expand(greenOf(c), 5), expand(blueOf(c), 5));
        mismatches += b565.pixels[i] != makeRgb(expand(redOf(c), 5), expand(greenOf(c), 6), expand(blueOf(c), 5));
    }
    EXPECT_EQ(mismatches, 0u);

    // The 8-bit file is the same picture dithered to its palette: close to it on average
    // (a palette read with its channels swapped or shifted lands far off).
    const Bitmap pal8 = load("bmpsuite-2.8/g/pal8.bmp");
    int64_t distance = 0;
    for (size_t i = 0; i < full.pixels.size(); ++i) {
        const Rgb a = full.pixels[i], p = pal8.pixels[i];
        distance += std::abs(redOf(a) - redOf(p)) + std::abs(greenOf(a) - greenOf(p)) + std::abs(blueOf(a) - blueOf(p));
    }
    EXPECT_LT(distance / int64_t(full.pixels.size()), 60);
}

TEST(CorpusBmp, OtherWritersFilesAgree) {
    ORBIGOLF_REQUIRE_CORPUS("bmp/image-rs");
    // One 6 x 6 picture in every depth and both row orders.
    std::vector<std::string> same;
    for (const char* name : {"Info_4_Bit", "Info_8_Bit", "Info_A8_R8_G8_B8", "Info_R8_G8_B8", "Info_X1_R5_G5_B5",
                             "V3_A1_R5_G5_B5", "V3_A4_R4_G4_B4", "V3_R5_G6_B5", "V3_X4_R4_G4_B4", "V3_X8_R8_G8_B8"}) {
        same.push_back(std::string("image-rs/") + name + ".bmp");
        same.push_back(std::string("image-rs/") + name + "_Top_Down.bmp");
    }
    expectSamePixels("image-rs/Info_4_Bit.bmp", same);
    expectSamePixels("image-rs/Info_1_Bit.bmp", {"image-rs/Info_1_Bit_Top_Down.bmp"});
    expectSamePixels("file-tests/4x2x24-win3.bmp", {"file-tests/4x2x32-win95.bmp", "file-tests/4x2x32-win98.bmp"});
    // RLE8 runs that overflow a row are cut at the edge.
    expectSamePixels("pillow/hopper_rle8.bmp", {"pillow/hopper_rle8_row_overflow.bmp"});
    expectSamePixels("bmpsuite-2.8/g/rgb24.bmp", {"pillow/rgb32bf-abgr.bmp"});

    // Pixels read off the files' bytes: the one-pixel core-header file stores blue 0, green 0,
    // red 255; each row of the 4 x 2 files stores blue, green, red, white.
    const Bitmap small = load("small/bmp.bmp");
    EXPECT_EQ(small.header.headerSize, 12u);
    EXPECT_EQ(small.pixels, std::vector<Rgb>{makeRgb(255, 0, 0)});
    const Rgb b = makeRgb(0, 0, 255), gr = makeRgb(0, 255, 0), r = makeRgb(255, 0, 0), w = makeRgb(255, 255, 255);
    EXPECT_EQ(load("file-tests/4x2x24-win3.bmp").pixels, (std::vector<Rgb>{b, gr, r, w, b, gr, r, w}));
    for (const char* core : {"image-rs/Core_1_Bit.bmp", "image-rs/Core_4_Bit.bmp", "image-rs/Core_8_Bit.bmp"}) {
        const Bitmap b = load(core);
        EXPECT_EQ(b.width, 435) << core;
        EXPECT_EQ(b.height, 353) << core;
    }
    // A used-colour count below 2^bits (253 of 256; 3 of 16).
    EXPECT_EQ(load("sdl2/sample.bmp").palette.size(), 253u);
    EXPECT_EQ(load("sdl2/icon.bmp").palette.size(), 3u);
}

TEST(CorpusBmp, BadFilesAreRefusedOrReadHarmlessly) {
    ORBIGOLF_REQUIRE_CORPUS("bmp");
    // These must be refused: nothing sensible can be drawn from them.
    const std::vector<std::string> refused{
        "bmpsuite-2.8/b/badbitcount.bmp",  "bmpsuite-2.8/b/badheadersize.bmp",
        "bmpsuite-2.8/b/badpalettesize.bmp", "bmpsuite-2.8/b/badplanes.bmp",
        "bmpsuite-2.8/b/badwidth.bmp",     "bmpsuite-2.8/b/reallybig.bmp",
        "bmpsuite-2.8/b/rletopdown.bmp",   "bmpsuite-2.8/b/shortfile.bmp",
        "image-rs-bad/Bad_width.bmp",      "image-rs-bad/Bad_height.bmp",
        "image-rs-bad/Bad_clrsUsed.bmp",   "image-rs-bad/Bad_unusual_extend_buffer_usage.bmp",
        "file-tests/InstallerHeader.bmp",  "pillow/l2rgb_read.bmp",
        "bmpsuite-2.8/x/ba-bm.bmp",        "bmpsuite-2.8/q/rgb24jpeg.bmp",
        "bmpsuite-2.8/q/rgb24png.bmp",     "bmpsuite-2.8/q/pal2.bmp"};
    for (const auto& name : refused) {
        try {
            load(name);
            ADD_FAILURE() << name << " was accepted";
        } catch (const MediaError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with("Bitmap is invalid: ")) << name << ": " << e.what();
        }
    }
    EXPECT_EQ(test::errorOf([] { load("bmpsuite-2.8/q/rgb24png.bmp"); }),
              "Bitmap is invalid: unsupported compression (JPEG or PNG data)");
    // Every file of the corpus either decodes or fails with a MediaError.
    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir() / "bmp")) {
        if (!entry.is_regular_file()) continue;
        const auto ext = entry.path().extension();
        if (ext != ".bmp" && ext != ".dib") continue;
        ++files;
        try {
            const Bitmap b = loadBmpFile(entry.path().string());
            EXPECT_EQ(b.pixels.size(), size_t(b.width) * size_t(b.height)) << entry.path();
        } catch (const MediaError&) {
        }
    }
    EXPECT_GT(files, 100u);
}

}  // namespace
}  // namespace orbigolf::media
