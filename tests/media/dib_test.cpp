#include "media/dib.h"

#include <gtest/gtest.h>

#include "test_bytes.h"

namespace orbigolf::media {
namespace {

using test::ByteBuilder;
using test::errorOf;
using test::infoHeader;

constexpr Rgb kRed = makeRgb(255, 0, 0);
constexpr Rgb kGreen = makeRgb(0, 255, 0);
constexpr Rgb kBlue = makeRgb(0, 0, 255);
constexpr Rgb kWhite = makeRgb(255, 255, 255);

Bitmap sample(int32_t w, int32_t h) {
    Bitmap b = makeBitmap(w, h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) b.pixel(x, y) = makeRgb(uint8_t(x * 40), uint8_t(y * 50), uint8_t(x + y));
    }
    return b;
}

TEST(Dib, EncodersRoundTrip) {
    const Bitmap b = sample(5, 3);  // 5 pixels: rows need padding
    const Bitmap d24 = decodeDib(encodeDib24(b));
    EXPECT_EQ(d24.width, 5);
    EXPECT_EQ(d24.height, 3);
    EXPECT_EQ(d24.bitsPerPixel, 24);
    EXPECT_EQ(d24.pixels, b.pixels);
    EXPECT_EQ(decodeBmp(encodeBmp24(b)).pixels, b.pixels);

    const std::vector<Rgb> palette{kRed, kGreen, kBlue};
    const std::vector<uint8_t> indices{0, 1, 2, 2, 1, 0};
    const Bitmap d8 = decodeBmp(encodeBmp8(3, 2, palette, indices));
    EXPECT_EQ(d8.bitsPerPixel, 8);
    EXPECT_EQ(d8.palette, palette);
    EXPECT_EQ(d8.pixels, (std::vector<Rgb>{kRed, kGreen, kBlue, kBlue, kGreen, kRed}));
    EXPECT_THROW(encodeDib8(3, 2, palette, {0, 1, 2, 3, 0, 0}), std::invalid_argument);

    const Bitmap none = decodeDib({});
    EXPECT_TRUE(none.empty());
}

TEST(Dib, SixteenBitPicturesHoldTheDisplayColoursExactly) {
    // 5 pixels: rows of 10 bytes padded to 12; bottom-up rows.
    const Bitmap b = sample(5, 3);
    const Bytes dib = encodeDib565(b);
    const platform::Surface direct = decodeDibSurface(dib);  // rows copied as they stand
    const Bitmap wide = decodeDib(dib);                      // through 8-bit channels
    EXPECT_EQ(wide.bitsPerPixel, 16);
    ASSERT_EQ(direct.width(), 5);
    ASSERT_EQ(direct.height(), 3);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            const Rgb c = b.pixel(x, y);
            const platform::Pixel565 expected = platform::toRgb565(redOf(c), greenOf(c), blueOf(c));
            EXPECT_EQ(direct.pixel(x, y), expected) << x << "," << y;
            const Rgb w = wide.pixel(x, y);
            EXPECT_EQ(platform::toRgb565(redOf(w), greenOf(w), blueOf(w)), expected)
                << x << "," << y;
        }
    }
}

TEST(Dib, PalettisedDepthsAndCoreHeader) {
    // 1 bit, 9 wide (two bytes a row, padded to four), bottom-up.
    ByteBuilder one = infoHeader(9, 2, 1);
    one.u32(0x000000).u32(0xFFFFFF);
    one.raw({0x80, 0x80, 0, 0});   // bottom row: x=0 and x=8 white
    one.raw({0x7F, 0x00, 0, 0});   // top row: x=1..7 white
    const Bitmap b1 = decodeDib(one.bytes);
    EXPECT_EQ(b1.pixel(0, 1), kWhite);
    EXPECT_EQ(b1.pixel(8, 1), kWhite);
    EXPECT_EQ(b1.pixel(1, 1), 0u);
    EXPECT_EQ(b1.pixel(0, 0), 0u);
    EXPECT_EQ(b1.pixel(7, 0), kWhite);

    // 4 bits with a used-colour count of 2: index 3 lies outside the table and shows black.
    ByteBuilder four = infoHeader(3, 1, 4, 0, 2);
    four.u32(0x0000FF).u32(0x00FF00);
    four.raw({0x10, 0x30, 0, 0});
    const Bitmap b4 = decodeDib(four.bytes);
    EXPECT_EQ(b4.pixels, (std::vector<Rgb>{kGreen, kBlue, 0}));

    // 12-byte core header: 3-byte table entries, 2^bits of them.
    ByteBuilder core;
    core.u32(12).u16(2).u16(1).u16(1).u16(8);
    for (int i = 0; i < 256; ++i) core.u8(i).u8(0).u8(255 - i);  // blue, green, red
    core.raw({0, 255, 0, 0});
    const Bitmap bc = decodeDib(core.bytes);
    EXPECT_EQ(bc.header.headerSize, 12u);
    EXPECT_EQ(bc.pixels, (std::vector<Rgb>{makeRgb(255, 0, 0), makeRgb(0, 0, 255)}));

    // More stored entries than 2^bits: the rows still start after the whole table.
    ByteBuilder over = infoHeader(1, 1, 1, 0, 3);
    over.u32(0).u32(0xFFFFFF).u32(0x123456);
    over.raw({0x80, 0, 0, 0});
    EXPECT_EQ(decodeDib(over.bytes).pixels, (std::vector<Rgb>{kWhite}));
}

TEST(Dib, DirectColourDepthsAndBitFields) {
    // 16 bits plain is 5-5-5.
    ByteBuilder p16 = infoHeader(2, 1, 16);
    p16.u16(0x7C00).u16(0x001F);
    EXPECT_EQ(decodeDib(p16.bytes).pixels, (std::vector<Rgb>{kRed, kBlue}));

    // 16 bits with 5-6-5 masks: a 5-bit value expands to the nearest 8-bit one.
    ByteBuilder f16 = infoHeader(2, 1, 16, 3);
    f16.u32(0xF800).u32(0x07E0).u32(0x001F);
    f16.u16(0x07E0).u16(0x8410);
    const Bitmap b16 = decodeDib(f16.bytes);
    EXPECT_EQ(b16.pixel(0, 0), kGreen);
    EXPECT_EQ(b16.pixel(1, 0), makeRgb(132, 130, 132));

    // 32 bits plain ignores the top byte; top-down rows.
    ByteBuilder p32 = infoHeader(1, -2, 32);
    p32.u32(0xFF00FF00).u32(0x000000FF);
    const Bitmap b32 = decodeDib(p32.bytes);
    EXPECT_TRUE(b32.header.topDown);
    EXPECT_EQ(b32.pixels, (std::vector<Rgb>{kGreen, kBlue}));

    // Masks inside a 56-byte header (BMP files only), alpha ignored.
    ByteBuilder v3 = infoHeader(1, 1, 32, 3, 0, 56);
    for (size_t i = 0; i < 4; ++i) v3.bytes[40 + 4 * i] = 0;
    v3.bytes[40 + 1] = 0xFF;                 // red   0x0000FF00
    v3.bytes[44 + 2] = 0xFF;                 // green 0x00FF0000
    v3.bytes[48 + 3] = 0xFF;                 // blue  0xFF000000
    v3.u32(0x00FF0000);
    const Bitmap bv3 = decodeBmp(bmpFromDib(v3.bytes));
    EXPECT_EQ(bv3.pixels, (std::vector<Rgb>{kGreen}));
    // A list's "TDIB" takes only the two classic header sizes.
    EXPECT_EQ(errorOf([&] { decodeDib(v3.bytes); }), kDibIsInvalid);
}

TEST(Dib, RunLengthEncodings) {
    // RLE8, 4 x 3, bottom-up: a run, an absolute run, a delta, end of line, end of bitmap.
    ByteBuilder r8 = infoHeader(4, 3, 8, 1, 3);
    r8.u32(0x000000).u32(0xFF0000).u32(0x00FF00);  // black, red, green
    r8.raw({3, 1});                                // bottom row: 3 x red
    r8.raw({0, 0});                                // end of line
    r8.raw({0, 3, 2, 1, 2, 0});                    // middle row: green red green, pad byte
    r8.raw({0, 2, 1, 1});                          // delta: right 1, up 1 (x = 4, top row)
    r8.raw({6, 2});                                // past the right edge: cut
    r8.raw({0, 1});
    const Bitmap b8 = decodeDib(r8.bytes);
    const Rgb k = 0;
    EXPECT_EQ(b8.pixels, (std::vector<Rgb>{k, k, k, k, kGreen, kRed, kGreen, k, kRed, kRed, kRed, k}));

    // RLE4: runs alternate the two nibbles; absolute runs are padded to 16 bits.
    ByteBuilder r4 = infoHeader(6, 1, 4, 2, 2);
    r4.u32(0xFF0000).u32(0x0000FF);
    r4.raw({3, 0x01});             // red blue red
    r4.raw({0, 3, 0x10, 0x10});    // blue red blue
    r4.raw({0, 1});
    EXPECT_EQ(decodeDib(r4.bytes).pixels, (std::vector<Rgb>{kRed, kBlue, kRed, kBlue, kRed, kBlue}));

    // Run-length data may claim at most 256 pixels per byte, or a 256 x 256 picture.
    auto blank = [](int32_t w, int32_t h, size_t bytes) {
        ByteBuilder b = infoHeader(w, h, 8, 1, 1);
        b.u32(0).zeros(bytes - 2).raw({0, 1});
        return errorOf([&] { decodeDib(b.bytes); });
    };
    EXPECT_EQ(blank(256, 256, 2), "");
    EXPECT_EQ(blank(257, 256, 2), kDibIsInvalid);
    EXPECT_EQ(blank(1024, 1024, 4096), "");
    EXPECT_EQ(blank(1025, 1024, 4096), kDibIsInvalid);
    EXPECT_EQ(maxRlePixels(0), 65536);

    // A stream cut short leaves the rest at colour 0.
    ByteBuilder cut = infoHeader(2, 1, 8, 1, 2);
    cut.u32(0).u32(0xFFFFFF);
    cut.raw({0, 4, 1});
    EXPECT_EQ(decodeDib(cut.bytes).pixels, (std::vector<Rgb>{kWhite, 0}));
}

TEST(Dib, DamagedHeadersAreRejected) {
    auto dibError = [](const Bytes& b) { return errorOf([&] { decodeDib(b); }); };
    ByteBuilder ok = infoHeader(1, 1, 24);
    ok.raw({1, 2, 3, 0});
    ASSERT_EQ(dibError(ok.bytes), "");

    Bytes bad = ok.bytes;
    bad[0] = 41;  // header size
    EXPECT_EQ(dibError(bad), kDibIsInvalid);
    EXPECT_EQ(dibError(infoHeader(1, 1, 24, 4).raw({0, 0, 0, 0}).bytes), kDibIsInvalid);  // JPEG
    EXPECT_EQ(dibError(infoHeader(1, 1, 24, 1).raw({0, 0, 0, 0}).bytes), kDibIsInvalid);  // RLE8 at 24
    EXPECT_EQ(dibError(infoHeader(1, 1, 2).zeros(20).bytes), kDibIsInvalid);              // 2 bits
    EXPECT_EQ(dibError(infoHeader(-1, 1, 24).zeros(4).bytes), kDibIsInvalid);
    EXPECT_EQ(dibError(infoHeader(1, -1, 8, 1, 1).zeros(8).bytes), kDibIsInvalid);  // top-down RLE
    bad = ok.bytes;
    bad[12] = 2;  // planes
    EXPECT_EQ(dibError(bad), kDibIsInvalid);

    // Sizes that lie: no allocation beyond what the data can fill.
    EXPECT_EQ(dibError(infoHeader(100000, 1, 24).bytes), kDibIsInvalid);
    EXPECT_EQ(dibError(infoHeader(16000, 16000, 1).zeros(100).bytes), kDibIsInvalid);
    EXPECT_EQ(dibError(infoHeader(4000, 4000, 24).zeros(100).bytes), kDibIsInvalid);
    EXPECT_EQ(dibError(infoHeader(8000, 4000, 4, 2, 1).zeros(8).bytes), kDibIsInvalid);
    EXPECT_EQ(dibError(infoHeader(1, 1, 8, 0, 0xFFFFFFF0).zeros(8).bytes), kDibIsInvalid);

    // Every cut of a good DIB either decodes or is rejected, never read past.
    const Bytes good = encodeDib8(7, 5, {kRed, kGreen}, std::vector<uint8_t>(35, 1));
    for (size_t n = 1; n + 1 < good.size(); ++n) {  // (the last row may lack its pad byte)
        Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        EXPECT_EQ(dibError(cut), kDibIsInvalid) << n;
    }
}

TEST(Dib, BmpFilesGiveClearMessages) {
    const Bytes good = encodeBmp24(sample(3, 2));
    EXPECT_EQ(readBmpHeader(good).dataOffset, 54u);

    Bytes noMagic = good;
    noMagic[0] = 'X';
    EXPECT_EQ(errorOf([&] { decodeBmp(noMagic); }), "Bitmap is invalid: not a BMP file (no \"BM\" signature)");
    Bytes farOffset = good;
    farOffset[10] = 0xFF;
    farOffset[11] = 0xFF;
    EXPECT_EQ(errorOf([&] { decodeBmp(farOffset); }),
              "Bitmap is invalid: the pixel data offset lies outside the file");
    Bytes shortFile(good.begin(), good.end() - 8);
    EXPECT_EQ(errorOf([&] { decodeBmp(shortFile); }), "Bitmap is invalid: the pixel data is cut short");
    EXPECT_EQ(errorOf([&] { loadBmpFile("/nonexistent/x.bmp"); }), "Cannot open file /nonexistent/x.bmp");

    // The last row may lack its padding.
    Bytes unpadded(good.begin(), good.end() - 3);
    EXPECT_EQ(decodeBmp(unpadded).pixels, sample(3, 2).pixels);
    // An offset of 0 means the rows follow the colour table.
    Bytes zeroOffset = good;
    zeroOffset[10] = 0;
    EXPECT_EQ(decodeBmp(zeroOffset).pixels, sample(3, 2).pixels);
}

// The display's pixels of a decoded picture, converted colour by colour.
std::vector<platform::Pixel565> displayPixels(const Bitmap& b) {
    std::vector<platform::Pixel565> out;
    for (Rgb c : b.pixels) out.push_back(platform::toRgb565(redOf(c), greenOf(c), blueOf(c)));
    return out;
}

// decodeDibSurface gives what decodeDib gives converted to display pixels, or the same error.
void expectSurfaceMatches(const Bytes& dib, const std::string& what) {
    SCOPED_TRACE(what);
    const std::string error = errorOf([&] { decodeDib(dib); });
    EXPECT_EQ(errorOf([&] { decodeDibSurface(dib); }), error);
    if (!error.empty()) return;
    const Bitmap b = decodeDib(dib);
    const platform::Surface s = decodeDibSurface(dib);
    EXPECT_EQ(s.width(), b.width);
    EXPECT_EQ(s.height(), b.height);
    const auto px = s.pixels();
    EXPECT_EQ(std::vector<platform::Pixel565>(px.begin(), px.end()), displayPixels(b));
}

TEST(Dib, DisplayPixelsDecodeStraightToTheSameColours) {
    expectSurfaceMatches(encodeDib24(sample(5, 3)), "24 bits, padded rows");
    expectSurfaceMatches(encodeDib8(3, 2, {kRed, kGreen, makeRgb(7, 130, 250)}, {0, 1, 2, 2, 1, 0}), "8 bits");
    expectSurfaceMatches({}, "no data");
    expectSurfaceMatches(infoHeader(0, 3, 24).bytes, "no pixels");

    ByteBuilder one = infoHeader(9, 2, 1);
    one.u32(0x000000).u32(0xFFFFFF).raw({0x80, 0x80, 0, 0, 0x7F, 0x00, 0, 0});
    expectSurfaceMatches(one.bytes, "1 bit");
    ByteBuilder four = infoHeader(3, 1, 4, 0, 2);
    four.u32(0x0000FF).u32(0x00FF00).raw({0x10, 0x30, 0, 0});
    expectSurfaceMatches(four.bytes, "4 bits, an index past the colour table");
    ByteBuilder core;
    core.u32(12).u16(2).u16(1).u16(1).u16(8);
    for (int i = 0; i < 256; ++i) core.u8(i).u8(0).u8(255 - i);
    core.raw({0, 255, 0, 0});
    expectSurfaceMatches(core.bytes, "core header");

    ByteBuilder f16 = infoHeader(3, 1, 16, 3);
    f16.u32(0xF800).u32(0x07E0).u32(0x001F).u16(0x07E0).u16(0x8410).u16(0xFFFF);
    expectSurfaceMatches(f16.bytes, "16 bits, bit fields");
    ByteBuilder p16 = infoHeader(2, 1, 16);
    p16.u16(0x7C00).u16(0x0421);
    expectSurfaceMatches(p16.bytes, "16 bits plain");
    ByteBuilder p32 = infoHeader(1, -2, 32);
    p32.u32(0xFF00FF00).u32(0x00123456);
    expectSurfaceMatches(p32.bytes, "32 bits, top-down");

    ByteBuilder r8 = infoHeader(4, 3, 8, 1, 3);
    r8.u32(0x102030).u32(0xFF0000).u32(0x00FF00);
    r8.raw({3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 2, 1, 1, 6, 2, 0, 1});
    expectSurfaceMatches(r8.bytes, "RLE8 with a delta, starting from a colour that is not black");
    ByteBuilder r4 = infoHeader(6, 1, 4, 2, 2);
    r4.u32(0xFF0000).u32(0x0000FF).raw({3, 0x01, 0, 3, 0x10, 0x10, 0, 1});
    expectSurfaceMatches(r4.bytes, "RLE4");

    // Damage is reported as decodeDib reports it, for every cut of a good picture.
    expectSurfaceMatches(infoHeader(100000, 1, 24).bytes, "too wide");
    expectSurfaceMatches(infoHeader(4000, 4000, 24).zeros(100).bytes, "too little data");
    const Bytes good = encodeDib24(sample(7, 5));
    for (size_t n = 1; n < good.size(); n += 3) {
        expectSurfaceMatches(Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)), "cut at " + std::to_string(n));
    }

    // BMP files alike, with their own messages.
    const Bytes bmp = encodeBmp24(sample(3, 2));
    const platform::Surface s = decodeBmpSurface(bmp);
    const auto px = s.pixels();
    EXPECT_EQ(std::vector<platform::Pixel565>(px.begin(), px.end()), displayPixels(sample(3, 2)));
    Bytes shortFile(bmp.begin(), bmp.end() - 8);
    EXPECT_EQ(errorOf([&] { decodeBmpSurface(shortFile); }), "Bitmap is invalid: the pixel data is cut short");
}

}  // namespace
}  // namespace orbigolf::media
