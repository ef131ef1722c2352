// The FLIC writer and the launch pad's animations: what the writer stores is what the
// player (and FFmpeg, when installed) decodes, frame for frame.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "built_set.h"
#include "flic_encode.h"
#include "launch_backdrop.h"
#include "media/media_error.h"
#include "media/flic_player.h"

namespace orbigolf::content::test {
namespace {

namespace fs = std::filesystem;

struct Decoded {
    int width = 0, height = 0, frameCount = 0;
    uint16_t magic = 0;
    int32_t delay = 0;
    std::vector<std::vector<uint8_t>> frames;
    std::vector<media::FlicPalette> palettes;
};

Decoded decode(const fs::path& file) {
    media::TFliPlayerTimer player([] { return uint64_t{0}; });
    player.setFileName(file.string());
    player.Play();
    Decoded d{player.animationWidth(), player.animationHeight(), player.frameCount(), player.magic(), player.delay(), {}, {}};
    for (int n = 1; n <= player.frameCount(); ++n) {
        EXPECT_TRUE(player.GotoFrame(n)) << file << " frame " << n;
        d.frames.push_back(player.picture().indexes);
        d.palettes.push_back(player.picture().palette);
    }
    return d;
}

fs::path writeMovie(const FlicMovie& m, const char* name) {
    const fs::path file = scratchDir("flic") / name;
    media::writeFileBytes(file.string(), encodeFlic(m));
    return file;
}

// Frames with runs, noise, unchanged stretches longer than a skip byte reaches, a repeated
// frame and a frame that changes every other pixel.
FlicMovie sampleMovie(bool fli) {
    FlicMovie m;
    m.fli = fli;
    m.width = 600;
    m.height = 7;
    m.speed = fli ? 5 : 40;
    for (int i = 0; i < 256; ++i) m.palette[size_t(i)] = {uint8_t(i), uint8_t(255 - i), uint8_t(i * 4)};
    uint32_t seed = 7;
    auto rnd = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    std::vector<uint8_t> f(600 * 7, 3);
    m.frames.push_back(f);
    for (int k = 0; k < 6; ++k) {
        for (int i = 0; i < 20; ++i) f[rnd() % f.size()] = uint8_t(rnd());
        for (int x = 10; x < 200; ++x) f[600 * 2 + x] = uint8_t(k);  // a run
        f[600 * 4 + 590] = uint8_t(k + 50);                           // far from the row start
        m.frames.push_back(f);
    }
    m.frames.push_back(f);  // unchanged
    for (size_t i = 0; i < f.size(); i += 2) f[i] = uint8_t(i);
    m.frames.push_back(f);
    return m;
}

TEST(FlicWriter, PlayerDecodesEveryFrameAsWritten) {
    for (bool fli : {false, true}) {
        const FlicMovie m = sampleMovie(fli);
        const Decoded d = decode(writeMovie(m, fli ? "sample.fli" : "sample.flc"));
        EXPECT_EQ(d.magic, fli ? media::kFlicMagicFli : media::kFlicMagicFlc);
        EXPECT_EQ(d.delay, fli ? 71 : 40);
        ASSERT_EQ(d.frames.size(), m.frames.size());
        for (size_t k = 0; k < m.frames.size(); ++k) EXPECT_EQ(d.frames[k], m.frames[k]) << "frame " << k + 1;
        for (size_t i = 0; i < 256; ++i) {
            const platform::Rgb want = m.palette[i];
            const platform::Rgb got = d.palettes[0][i];
            const int mask = fli ? 0xFC : 0xFF;  // 64 levels keep the top six bits
            EXPECT_EQ(got, (platform::Rgb{uint8_t(want.r & mask), uint8_t(want.g & mask), uint8_t(want.b & mask)}));
        }
    }
}

TEST(FlicWriter, FfmpegReadsTheFramesAndTheRingFrame) {
    if (std::system("ffmpeg -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "ffmpeg is not installed";
    const FlicMovie m = sampleMovie(false);
    const fs::path file = writeMovie(m, "ring.flc");
    const std::string command = "ffmpeg -v error -i '" + file.string() +
                                "' -f rawvideo -pix_fmt pal8 -fps_mode passthrough - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::vector<uint8_t> buffer(600 * 7 + 1024);
    size_t k = 0;
    while (std::fread(buffer.data(), 1, buffer.size(), pipe.get()) == buffer.size()) {
        const std::vector<uint8_t> got(buffer.begin(), buffer.begin() + 600 * 7);
        const auto& want = k < m.frames.size() ? m.frames[k] : m.frames[0];  // the ring frame
        EXPECT_EQ(got, want) << "frame " << k + 1;
        ++k;
    }
    EXPECT_EQ(k, m.frames.size() + 1);
}

TEST(LaunchAnimations, BackdropLoopAndFlip) {
    const Decoded loop = decode(builtSet() / "interface_loop.flc");
    const Decoded flip = decode(builtSet() / "interface.flc");
    EXPECT_EQ(loop.width, 640);
    EXPECT_EQ(loop.height, 480);
    EXPECT_EQ(loop.magic, media::kFlicMagicFlc);
    EXPECT_EQ(loop.frameCount, kBackdropFrames);
    EXPECT_EQ(loop.delay, kBackdropSpeedMs);
    EXPECT_EQ(flip.width, 640);
    EXPECT_EQ(flip.frameCount, kFlipFrames);
    EXPECT_GE(flip.frameCount, 30);  // the launch pad plays frames 1 to 30
    // The flip starts on the backdrop's first frame, in the same colours.
    EXPECT_EQ(flip.frames[0], loop.frames[0]);
    EXPECT_EQ(flip.palettes[0], loop.palettes[0]);
    // The place of the panels stays still for the whole loop; elsewhere things move.
    size_t moving = 0;
    for (size_t k = 1; k < loop.frames.size(); ++k) {
        for (int y = kPanelTop; y < kPanelTop + kPanelHeight; ++y)
            for (int x = kPanelLeft; x < kPanelLeft + kPanelWidth; ++x) {
                const size_t i = size_t(y) * 640 + size_t(x);
                ASSERT_EQ(loop.frames[k][i], loop.frames[0][i]) << "frame " << k + 1 << " at " << x << "," << y;
            }
        moving += loop.frames[k] != loop.frames[k - 1];
    }
    EXPECT_EQ(moving, loop.frames.size() - 1);
    // Mid-flip the panel place shows space instead of the frame.
    EXPECT_NE(flip.frames[kFlipFrames / 2], loop.frames[kFlipFrames / 2]);
}

TEST(LaunchAnimations, LaterFramesAreDeltas) {
    // Real writers store the first frame whole and then differences: the file must be far
    // smaller than the frames themselves.
    const auto size = fs::file_size(builtSet() / "interface_loop.flc");
    EXPECT_LT(size, size_t(640) * 480 * kBackdropFrames / 4);
}

}  // namespace
}  // namespace orbigolf::content::test
