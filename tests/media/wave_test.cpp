#include "media/wave.h"

#include <gtest/gtest.h>

#include "test_bytes.h"

namespace orbigolf::media {
namespace {

using test::ByteBuilder;
using test::errorOf;

ByteBuilder fmtChunk(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    ByteBuilder b;
    const uint16_t align = uint16_t(channels * bits / 8);
    b.text("fmt ").u32(16).u16(tag).u16(channels).u32(rate).u32(rate * align).u16(align).u16(bits);
    return b;
}

// "RIFF" + size + "WAVE" + body; size 0 means the right one.
Bytes riff(const Bytes& body, uint32_t size = 0) {
    return ByteBuilder().text("RIFF").u32(size ? size : uint32_t(4 + body.size())).text("WAVE").raw(body).bytes;
}

TEST(Wave, EncoderRoundTrips) {
    const std::vector<int16_t> samples{0, 1000, -1000, 32767, -32768};
    const Wave w = decodePlayableWave(encodeWave16Mono(22050, samples));
    EXPECT_EQ(w.format.samplesPerSec, 22050u);
    EXPECT_EQ(w.format.bitsPerSample, 16);
    EXPECT_EQ(w.format.channels, 1);
    EXPECT_EQ(w.frames(), 5u);
    EXPECT_EQ(w.samples[2], 0xE8);
    EXPECT_EQ(w.samples[3], 0x03);
    // A stored format record and odd sample data survive a second trip.
    Wave odd;
    odd.format = pcmFormat(11025, 8, 1);
    odd.samples = {1, 2, 3};
    const Bytes bytes = encodeWave(odd);
    EXPECT_EQ(bytes.size() % 2, 0u);  // pad byte written
    const Wave back = decodeWave(bytes);
    EXPECT_EQ(back.samples, odd.samples);
    EXPECT_EQ(encodeWave(back), bytes);
}

TEST(Wave, OtherChunksAreSkippedByTheirLength) {
    // An odd LIST chunk with its pad byte before "data".
    ByteBuilder body = fmtChunk(1, 1, 8000, 8);
    body.text("LIST").u32(5).text("INFOx").u8(0);
    body.text("data").u32(3).raw({10, 20, 30}).u8(0);
    Wave w = decodePlayableWave(riff(body.bytes));
    EXPECT_EQ(w.samples, (Bytes{10, 20, 30}));

    // The same without the pad byte, as some writers leave it.
    ByteBuilder noPad = fmtChunk(1, 1, 8000, 8);
    noPad.text("LIST").u32(5).text("INFOx");
    noPad.text("data").u32(3).raw({10, 20, 30});  // and no final pad byte either
    EXPECT_EQ(decodePlayableWave(riff(noPad.bytes)).samples, (Bytes{10, 20, 30}));

    // Chunks before "fmt " too; the first "fmt " and "data" count.
    ByteBuilder early;
    early.text("bext").u32(2).raw({1, 2});
    early.raw(fmtChunk(1, 2, 44100, 16).bytes);
    early.text("data").u32(4).raw({1, 0, 2, 0});
    early.text("data").u32(4).raw({9, 9, 9, 9});
    w = decodePlayableWave(riff(early.bytes));
    EXPECT_EQ(w.frames(), 1u);
    EXPECT_EQ(w.samples, (Bytes{1, 0, 2, 0}));
}

TEST(Wave, SizesThatLieAreCutToTheData) {
    // RIFF size far too large; data length past the end: whole frames that are there.
    ByteBuilder body = fmtChunk(1, 1, 8000, 16);
    body.text("data").u32(1000).raw({1, 0, 2, 0, 3});
    const Wave w = decodePlayableWave(riff(body.bytes, 0x7FFFFFFF));
    EXPECT_EQ(w.frames(), 2u);
    EXPECT_EQ(w.samples.size(), 4u);

    // A chunk header cut short ends the scan.
    ByteBuilder cut = fmtChunk(1, 1, 8000, 8);
    cut.text("data").u32(1).u8(7).u8(0).text("LI");
    EXPECT_EQ(decodeWave(riff(cut.bytes)).samples, (Bytes{7}));

    // No "data" at all: an empty sound.
    EXPECT_TRUE(decodePlayableWave(riff(fmtChunk(1, 1, 8000, 8).bytes)).empty());
}

TEST(Wave, FaultsGiveWaveIsInvalid) {
    const Bytes good = encodeWave16Mono(8000, {1, 2, 3});
    auto error = [](const Bytes& b) { return errorOf([&] { decodePlayableWave(b); }); };
    Bytes b = good;
    b[0] = 'X';
    EXPECT_EQ(error(b), kWaveIsInvalid);
    b = good;
    b[8] = 'X';
    EXPECT_EQ(error(b), kWaveIsInvalid);
    EXPECT_EQ(error(riff(ByteBuilder().text("data").u32(2).u16(0).bytes)), kWaveIsInvalid);  // no fmt
    EXPECT_EQ(error(riff(ByteBuilder().text("fmt ").u32(4).u32(1).bytes)), kWaveIsInvalid);
    // Formats the mixer cannot play.
    EXPECT_EQ(error(riff(fmtChunk(1, 1, 8000, 24).bytes)), kWaveIsInvalid);
    EXPECT_EQ(error(riff(fmtChunk(3, 1, 8000, 32).bytes)), kWaveIsInvalid);  // float
    EXPECT_EQ(error(riff(fmtChunk(7, 1, 8000, 8).bytes)), kWaveIsInvalid);   // mu-law
    EXPECT_EQ(error(riff(fmtChunk(1, 3, 8000, 16).bytes)), kWaveIsInvalid);
    // Rates: what the mixer plays, no more.
    for (const uint32_t rate : {0u, 1u, 99u, 1000001u, 0x80000000u}) {
        EXPECT_EQ(error(riff(fmtChunk(1, 1, rate, 16).bytes)), kWaveIsInvalid) << rate;
    }
    for (const uint32_t rate : {100u, 1000000u}) EXPECT_EQ(error(riff(fmtChunk(1, 1, rate, 16).bytes)), "") << rate;
    // Every cut of a good file reads or fails cleanly.
    for (size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        const std::string e = error(cut);
        EXPECT_TRUE(e.empty() || e == kWaveIsInvalid) << n;
    }
}

TEST(Wave, ExtensiblePcmPlays) {
    ByteBuilder body;
    body.text("fmt ").u32(40).u16(0xFFFE).u16(2).u32(44100).u32(44100 * 4).u16(4).u16(16);
    body.u16(22).u16(16).u32(3);
    body.u16(1).raw({0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    body.text("data").u32(4).u32(0);
    const Wave w = decodePlayableWave(riff(body.bytes));
    EXPECT_EQ(w.format.record.size(), 40u);
    EXPECT_EQ(w.frames(), 1u);
    body.bytes[8 + 24] = 3;  // float sub-format
    EXPECT_EQ(errorOf([&] { decodePlayableWave(riff(body.bytes)); }), kWaveIsInvalid);
}

}  // namespace
}  // namespace orbigolf::media
