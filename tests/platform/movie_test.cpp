// Movies: real AVI files decode frame by frame at their own size, their sound track comes in
// the mixer's format, and files that cannot be played are refused with a message.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>

#include "platform/movie/movie.h"
#include "platform/movie/movie_writer.h"
#include "scratch_dir.h"

namespace orbigolf::platform {
namespace {

namespace fs = std::filesystem;

fs::path corpus(const std::string& rel) { return fs::path(ORBIGOLF_CORPUS_DIR) / "avi" / rel; }

#define REQUIRE_MOVIE_CORPUS()                                                           \
    do {                                                                                 \
        if (!fs::is_directory(fs::path(ORBIGOLF_CORPUS_DIR) / "avi")) GTEST_SKIP() << "no corpus"; \
    } while (0)

std::string openError(const std::function<void()>& f) {
    try {
        f();
    } catch (const MovieError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Movie, CinepakWithSoundDecodesEveryFrame) {
    REQUIRE_MOVIE_CORPUS();
    Movie m = Movie::open(corpus("go-audio/sample.avi").string());
    EXPECT_EQ(m.info().width, 80);
    EXPECT_EQ(m.info().height, 60);
    EXPECT_EQ(m.info().frameCount, 50);
    EXPECT_EQ(m.info().codec, "cinepak");
    EXPECT_NEAR(m.info().framesPerSecond, 15.0, 0.01);
    Surface s;
    int frames = 0;
    uint64_t sum = 0;
    while (m.nextFrame(s)) {
        ++frames;
        ASSERT_EQ(s.width(), 80);
        for (Pixel565 p : s.pixels()) sum += p;
    }
    EXPECT_EQ(frames, 50);
    EXPECT_GT(sum, 0u);  // something was drawn
    EXPECT_FALSE(m.nextFrame(s));

    ASSERT_TRUE(m.info().hasSound);
    EXPECT_EQ(m.info().soundRate, 22050);
    const std::vector<int16_t> sound = m.soundTrack();
    // 50 frames at 15 per second: about 3.3 seconds of sound.
    EXPECT_NEAR(double(sound.size()) / kMovieSoundRate, 50.0 / 15.0, 0.5);
    EXPECT_TRUE(std::any_of(sound.begin(), sound.end(), [](int16_t v) { return v > 1000 || v < -1000; }));

    // Rewinding plays the same first frame again.
    m.rewind();
    Surface first, again;
    Movie fresh = Movie::open(corpus("go-audio/sample.avi").string());
    ASSERT_TRUE(fresh.nextFrame(first));
    ASSERT_TRUE(m.nextFrame(again));
    EXPECT_TRUE(std::equal(first.pixels().begin(), first.pixels().end(), again.pixels().begin()));
}

TEST(Movie, PalettedRunLengthMovie) {
    REQUIRE_MOVIE_CORPUS();
    Movie m = Movie::open(corpus("win32xx/upload.avi").string());
    EXPECT_EQ(m.info().width, 272);
    EXPECT_EQ(m.info().height, 60);
    EXPECT_EQ(m.info().codec, "msrle");
    EXPECT_FALSE(m.info().hasSound);
    EXPECT_TRUE(m.soundTrack().empty());
    Surface s;
    int frames = 0;
    while (m.nextFrame(s)) ++frames;
    EXPECT_EQ(frames, m.info().frameCount);
    EXPECT_EQ(frames, 34);
}

TEST(Movie, UnplayableMoviesAreRefusedWithAMessage) {
    REQUIRE_MOVIE_CORPUS();
    const std::string empty = corpus("small/AudioVideoInterleave.avi").string();
    EXPECT_EQ(openError([&] { Movie::open(empty); }), "Cannot open movie " + empty + ": it holds no frames");
    EXPECT_EQ(openError([] { Movie::open("/nonexistent/vexlo.avi"); }),
              "Cannot open movie /nonexistent/vexlo.avi: the file cannot be read");
    const std::string garbage = openError([] { Movie::fromBytes({'R', 'I', 'F', 'F', 1, 2, 3}, "x.avi"); });
    EXPECT_EQ(garbage.rfind("Cannot open movie x.avi: ", 0), 0u) << garbage;

    // Every cut of a real movie opens and plays to its end or is refused; none crashes.
    std::ifstream in(corpus("go-audio/sample.avi"), std::ios::binary);
    const std::vector<uint8_t> whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t cut : {size_t{100}, size_t{2000}, size_t{9000}, whole.size() / 2}) {
        try {
            Movie m = Movie::fromBytes(std::vector<uint8_t>(whole.begin(), whole.begin() + long(cut)), "cut.avi");
            Surface s;
            while (m.nextFrame(s)) {
            }
            m.soundTrack();
        } catch (const MovieError& e) {
            EXPECT_NE(std::string(e.what()).find("cut.avi"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace orbigolf::platform

namespace orbigolf::platform {
namespace {

std::vector<uint8_t> fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MovieWriter, WritesTheSameBytesEveryTimeAndReadsBack) {
    const ScratchDir dir("movie");
    for (const char* codec : {"msvideo1", "cinepak"}) {
        MovieWriterOptions o;
        o.width = 64;
        o.height = 48;
        o.frameCount = 20;
        o.codec = codec;
        o.sound.resize(22050);
        for (size_t i = 0; i < o.sound.size(); ++i) o.sound[i] = int16_t((i % 50) * 400 - 10000);
        auto draw = [](int index, Surface& s) {
            for (int y = 0; y < s.height(); ++y)
                for (int x = 0; x < s.width(); ++x)
                    s.setPixel(x, y, x < index * 3 ? toRgb565(255, 160, 40) : toRgb565(10, 20, 80));
        };
        const fs::path a = dir / "a.avi", b = dir / "b.avi";
        writeMovie(a.string(), o, draw);
        writeMovie(b.string(), o, draw);
        EXPECT_EQ(fileBytes(a), fileBytes(b)) << codec;

        Movie m = Movie::open(a.string());
        EXPECT_EQ(m.info().codec, codec);
        EXPECT_EQ(m.info().frameCount, 20);
        EXPECT_EQ(m.info().width, 64);
        Surface s;
        int frames = 0;
        while (m.nextFrame(s)) ++frames;
        EXPECT_EQ(frames, 20);
        // The last frame is mostly orange on its left, blue on its right.
        const Rgb left = fromRgb565(s.pixel(10, 24)), right = fromRgb565(s.pixel(62, 24));
        EXPECT_GT(left.r, 180) << codec;
        EXPECT_LT(right.r, 60) << codec;
        const std::vector<int16_t> sound = m.soundTrack();
        EXPECT_EQ(sound.size(), o.sound.size());
        EXPECT_TRUE(std::equal(sound.begin(), sound.end(), o.sound.begin()));
    }
}

TEST(Movie, ASoundTrackAtAnImpossibleRateIsLeftOut) {
    const ScratchDir dir("movie-rate");
    MovieWriterOptions o;
    o.width = 16;
    o.height = 16;
    o.frameCount = 3;
    o.sound.assign(22050, 1000);
    writeMovie((dir / "m.avi").string(), o, [](int, Surface&) {});
    std::vector<uint8_t> bytes = fileBytes(dir / "m.avi");
    // The sound stream's format: PCM, one channel, 22050 samples a second; the rate becomes
    // about 755 million.
    const uint8_t pcm[8] = {0x01, 0x00, 0x01, 0x00, 0x22, 0x56, 0x00, 0x00};
    const auto at = std::search(bytes.begin(), bytes.end(), pcm, pcm + 8);
    ASSERT_NE(at, bytes.end());
    const uint8_t rate[4] = {0x22, 0x1F, 0x00, 0x2D};
    std::copy(rate, rate + 4, at + 4);

    // The mixer could not play it: the track is left out and the pictures still play.
    Movie m = Movie::fromBytes(bytes, "rate.avi");
    EXPECT_FALSE(m.info().hasSound);
    EXPECT_TRUE(m.soundTrack().empty());
    Surface s;
    EXPECT_TRUE(m.nextFrame(s));
}

}  // namespace
}  // namespace orbigolf::platform
