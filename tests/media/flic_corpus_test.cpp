// Real FLIC files made by others: every frame decoded by the player matches FFmpeg's
// decoding of the same file (indexes exactly, colours within the 64-level widening), and
// every damaged file is refused with a message.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "corpus_test_support.h"
#include "flic_test_files.h"
#include "media/flic_player.h"

namespace orbigolf::media::test {
namespace {

namespace fs = std::filesystem;

bool haveFfmpeg() {
    static const bool have = std::system("ffmpeg -version >/dev/null 2>&1") == 0;
    return have;
}

struct ReferenceFrame {
    std::vector<uint8_t> indexes;
    FlicPalette palette{};
};

// FFmpeg's frames as raw pal8: the indexes, then 256 native-endian 0xAARRGGBB entries.
std::vector<ReferenceFrame> ffmpegFrames(const std::string& file, int width, int height) {
    const std::string command = "ffmpeg -v error -i '" + file +
                                "' -f rawvideo -pix_fmt pal8 -fps_mode passthrough - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<ReferenceFrame> frames;
    if (!pipe) return frames;
    const size_t pixels = size_t(width) * size_t(height);
    std::vector<uint8_t> buffer(pixels + 1024);
    while (std::fread(buffer.data(), 1, buffer.size(), pipe.get()) == buffer.size()) {
        ReferenceFrame f;
        f.indexes.assign(buffer.begin(), buffer.begin() + std::ptrdiff_t(pixels));
        for (size_t i = 0; i < 256; ++i) {
            const uint8_t* e = buffer.data() + pixels + 4 * i;
            f.palette[i] = {e[2], e[1], e[0]};
        }
        frames.push_back(std::move(f));
    }
    return frames;
}

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<ReferenceFrame> frames;
    std::string error;
};

Decoded decodeAll(const std::string& file) {
    TestClock clock;
    TFliPlayerTimer player(clock.fn());
    player.setFileName(file);
    Decoded d;
    try {
        player.Play();
        d.width = player.animationWidth();
        d.height = player.animationHeight();
        for (int n = 1; n <= player.frameCount(); ++n) {
            if (!player.GotoFrame(n)) break;
            d.frames.push_back({player.picture().indexes, player.picture().palette});
        }
    } catch (const MediaError& e) {
        d.error = e.what();
    }
    if (d.error.empty()) d.error = player.errorMessage();
    return d;
}

void expectSameFrame(const ReferenceFrame& ours, const ReferenceFrame& ref, const std::string& what) {
    ASSERT_EQ(ours.indexes.size(), ref.indexes.size()) << what;
    size_t differing = 0;
    for (size_t i = 0; i < ref.indexes.size(); ++i) differing += ours.indexes[i] != ref.indexes[i];
    EXPECT_EQ(differing, 0u) << what << ": pixels differ";
    for (size_t i = 0; i < 256; ++i) {
        // 64-level components: 4 * c here, (c << 2) | (c >> 4) there.
        const auto near = [](uint8_t a, uint8_t b) { return std::abs(int(a) - int(b)) <= 3; };
        const platform::Rgb a = ours.palette[i], b = ref.palette[i];
        if (!near(a.r, b.r) || !near(a.g, b.g) || !near(a.b, b.b)) {
            ADD_FAILURE() << what << ": palette entry " << i << " differs";
            break;
        }
    }
}

TEST(FlicCorpus, EveryFrameMatchesFfmpeg) {
    ORBIGOLF_REQUIRE_CORPUS("flic/pillow");
    if (!haveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    for (const char* name : {"flic/pillow/a.fli", "flic/pillow/2422.flc", "flic/allegro-pas/intro.fli"}) {
        const std::string file = corpusFile(name);
        const Decoded ours = decodeAll(file);
        ASSERT_EQ(ours.error, "") << name;
        ASSERT_FALSE(ours.frames.empty()) << name;
        const std::vector<ReferenceFrame> ref = ffmpegFrames(file, ours.width, ours.height);
        // FFmpeg also shows the ring frame, which brings the picture back to frame 1.
        ASSERT_EQ(ref.size(), ours.frames.size() + 1) << name;
        for (size_t k = 0; k < ours.frames.size(); ++k)
            expectSameFrame(ours.frames[k], ref[k], std::string(name) + " frame " + std::to_string(k + 1));
        expectSameFrame(ours.frames[0], ref.back(), std::string(name) + " ring frame");
    }
}

TEST(FlicCorpus, PaletteChunkOrderDoesNotMatter) {
    ORBIGOLF_REQUIRE_CORPUS("flic/pillow");
    // The size field says one byte more than the file holds; the one frame is whole.
    const Decoded first = decodeAll(corpusFile("flic/pillow/hopper.fli"));
    const Decoded second = decodeAll(corpusFile("flic/pillow/hopper_palette_chunk_second.fli"));
    ASSERT_EQ(first.error, "");
    ASSERT_EQ(second.error, "");
    ASSERT_EQ(first.frames.size(), 1u);
    ASSERT_EQ(second.frames.size(), 1u);
    EXPECT_EQ(first.frames[0].indexes, second.frames[0].indexes);
    EXPECT_EQ(first.frames[0].palette, second.frames[0].palette);
    EXPECT_NE(first.frames[0].palette, FlicPalette{});
    EXPECT_NE(first.frames[0].indexes, std::vector<uint8_t>(first.frames[0].indexes.size(), 0));
}

TEST(FlicCorpus, DamagedFilesAreRefusedWithAMessage) {
    ORBIGOLF_REQUIRE_CORPUS("flic/pillow-bad");
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(corpusDir() / "flic/pillow-bad")) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        if (name == "notes" || name == "reproducing") continue;
        ++files;
        const Decoded d = decodeAll(entry.path().string());
        EXPECT_NE(d.error, "") << entry.path() << " decoded " << d.frames.size() << " frames without complaint";
    }
    EXPECT_GT(files, 40);
}

}  // namespace
}  // namespace orbigolf::media::test
