// The intro form against small movies made for the test: the order of the two movies,
// their pacing on the program clock, their placement, the cursor, the sound track, and
// what happens when a movie is missing or damaged.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../support/built_content.h"
#include "fake_form_host.h"
#include "frontend/intro.h"
#include "platform/headless/headless_sound.h"
#include "platform/movie/movie_writer.h"
#include "platform/vk.h"

namespace orbigolf::frontend {
namespace {

namespace fs = std::filesystem;
using testing::FakeFormHost;
using testing::review;

constexpr platform::Pixel565 kLogoColour = platform::toRgb565(248, 0, 0);
constexpr platform::Pixel565 kIntroColour = platform::toRgb565(0, 248, 0);

// Logo: 64 x 48, 5 frames at 10 a second, silent. Intro: 48 x 32, 8 frames at 10 a second,
// with a tone as its sound track.
class IntroTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new fs::path(fs::temp_directory_path() /
                            ("orbigolf_intro_test_" + std::to_string(::getpid())));
        fs::create_directories(*dir_ / "both");
        fs::create_directories(*dir_ / "logo_only");
        fs::create_directories(*dir_ / "none");
        platform::MovieWriterOptions logo;
        logo.width = 64;
        logo.height = 48;
        logo.framesPerSecond = 10;
        logo.frameCount = 5;
        platform::writeMovie((*dir_ / "both" / kLogoMovieName).string(), logo,
                             [](int, platform::Surface& f) { f.fill(kLogoColour); });
        fs::copy_file(*dir_ / "both" / kLogoMovieName, *dir_ / "logo_only" / kLogoMovieName);
        platform::MovieWriterOptions intro;
        intro.width = 48;
        intro.height = 32;
        intro.framesPerSecond = 10;
        intro.frameCount = 8;
        for (int i = 0; i < 22050 * 8 / 10; ++i)
            intro.sound.push_back(static_cast<int16_t>(i % 50 < 25 ? 8000 : -8000));
        platform::writeMovie((*dir_ / "both" / kIntroMovieName).string(), intro,
                             [](int, platform::Surface& f) { f.fill(kIntroColour); });
    }
    static void TearDownTestSuite() {
        fs::remove_all(*dir_);
        delete dir_;
    }

    void useData(const char* folder) { host.dataDir = *dir_ / folder; }
    const platform::Surface& screen() const { return host.win.lastFrame(); }

    // Pixels inside `r` are `colour`, the ones just outside it are black.
    void expectPictureAt(const platform::Rect& r, platform::Pixel565 colour) const {
        const platform::Surface& s = screen();
        EXPECT_EQ(s.pixel(r.x, r.y), colour);
        EXPECT_EQ(s.pixel(r.x + r.w - 1, r.y + r.h - 1), colour);
        EXPECT_EQ(s.pixel(r.x - 1, r.y), 0);
        EXPECT_EQ(s.pixel(r.x, r.y - 1), 0);
        EXPECT_EQ(s.pixel(r.x + r.w, r.y + r.h - 1), 0);
        EXPECT_EQ(s.pixel(r.x + r.w - 1, r.y + r.h), 0);
    }
    bool allBlack() const {
        for (platform::Pixel565 p : screen().pixels())
            if (p != 0) return false;
        return !screen().empty();
    }

    static fs::path* dir_;
    FakeFormHost host;
};

fs::path* IntroTest::dir_ = nullptr;

TEST_F(IntroTest, LogoThenIntroEachCentredAndPacedThenTheFormEnds) {
    useData("both");
    host.width = 645;  // odd sizes: the centre is found with truncating division
    host.height = 485;
    Tintro intro(host);
    EXPECT_STREQ(Tintro::Caption, "intro");
    FakeFormHost::Modal run(host, intro);

    // The black screen, 1.5 s of waiting, then the logo's first frame at once.
    ASSERT_EQ(host.busyWaits, std::vector<int>{1500});
    EXPECT_EQ(host.nowMs(), 1500u);
    EXPECT_EQ(host.win.modeWidth(), 645);
    EXPECT_EQ(host.win.modeHeight(), 485);
    EXPECT_EQ(intro.MediaPlayer1.framesShown(), 1);
    expectPictureAt({290, 218, 64, 48}, kLogoColour);
    review(screen(), "intro_logo");

    // Ten frames a second on the program clock.
    run.runFor(250);
    EXPECT_EQ(intro.MediaPlayer1.framesShown(), 3);
    run.runFor(249);  // 1999: the last logo frame's time has not passed yet
    EXPECT_EQ(intro.MediaPlayer1.framesShown(), 5);
    EXPECT_EQ(intro.MediaPlayer1.sourceRect().w, 64);

    // The logo's end starts the intro movie, at its own size, centred.
    run.runFor(1);
    EXPECT_EQ(fs::path(intro.MediaPlayer1.FileName).filename(), kIntroMovieName);
    EXPECT_EQ(intro.MediaPlayer1.DisplayRect, (platform::Rect{298, 226, 48, 32}));
    expectPictureAt({298, 226, 48, 32}, kIntroColour);
    EXPECT_EQ(screen().pixel(290, 218), 0) << "the logo's picture is gone";
    review(screen(), "intro_intro");

    // Eight frames: the form ends when the eighth frame's time has passed, not before.
    EXPECT_FALSE(run.runFor(795));
    EXPECT_EQ(intro.MediaPlayer1.framesShown(), 8);
    EXPECT_TRUE(run.runFor(10));
    EXPECT_GE(host.nowMs(), 2800u);
    EXPECT_TRUE(intro.MediaPlayer1.FileName.empty());
    EXPECT_FALSE(intro.MediaPlayer1.playing());
    EXPECT_EQ(host.win.hides, 1);
    EXPECT_EQ(host.win.shows, 1);
    EXPECT_TRUE(host.errors.empty());

    intro.hide();
    EXPECT_FALSE(host.win.inMode());
    EXPECT_EQ(host.win.shows, 1) << "hiding after the end shows the cursor no second time";
}

TEST_F(IntroTest, PointerStaysParkedAndAKeyDuringTheLogoEndsWithoutTheIntroMovie) {
    useData("both");
    host.win.setKeepFrames(100);
    Tintro intro(host);
    FakeFormHost::Modal run(host, intro);
    EXPECT_EQ(host.win.cursorX(), 640);
    EXPECT_EQ(host.win.cursorY(), 480);
    EXPECT_FALSE(host.win.cursorVisible());
    run.runFor(150);
    host.win.mouseMove(100, 200);
    run.step();
    EXPECT_EQ(host.win.cursorX(), 640);
    EXPECT_EQ(host.win.cursorY(), 480);
    ASSERT_FALSE(intro.modalDone()) << "moving the mouse does not end the intro";
    ASSERT_EQ(intro.MediaPlayer1.framesShown(), 2);

    host.win.keyDown('A');
    run.step();
    EXPECT_TRUE(intro.modalDone());
    EXPECT_TRUE(intro.MediaPlayer1.FileName.empty());
    EXPECT_FALSE(intro.MediaPlayer1.playing());

    // Nothing more is drawn, and the movie still open is the logo.
    const int64_t frames = host.win.frameCount();
    run.runFor(2000);
    EXPECT_EQ(host.win.frameCount(), frames);
    EXPECT_EQ(intro.MediaPlayer1.sourceRect().w, 64);
    for (const platform::Surface& f : host.win.frames()) EXPECT_NE(f.pixel(320, 240), kIntroColour);
    EXPECT_EQ(host.win.hides, 1);
    EXPECT_EQ(host.win.shows, 1);

    // A second key queued behind the first changes nothing.
    intro.FormKeyDown('B', 0);
    EXPECT_EQ(host.win.shows, 1);
}

TEST_F(IntroTest, SoundTrackStartsWithItsFirstFrameAndAButtonEndsIt) {
    useData("both");
    platform::HeadlessSound speaker;
    host.audioOut = &speaker;
    Tintro intro(host);
    speaker.attach(intro.sound());
    FakeFormHost::Modal run(host, intro);
    run.runFor(499);
    std::vector<int16_t> out(400);
    intro.sound().mix(out.data(), 400);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t s) { return s == 0; }))
        << "the logo is silent";

    run.runFor(1);
    ASSERT_EQ(intro.MediaPlayer1.framesShown(), 1);
    ASSERT_FALSE(speaker.calls().empty());
    EXPECT_EQ(speaker.calls().back().call, platform::SoundCall::Play);
    EXPECT_EQ(fs::path(speaker.calls().back().tag).filename(), kIntroMovieName);
    intro.sound().mix(out.data(), 400);
    EXPECT_TRUE(std::any_of(out.begin(), out.end(), [](int16_t s) { return s != 0; }));

    host.win.mouseDown(platform::MouseButton::Right, 5, 5);
    run.step();
    EXPECT_TRUE(intro.modalDone());
    EXPECT_EQ(intro.sound().playingCount(), 0) << "no sound goes on after the intro";
    EXPECT_EQ(host.win.shows, 1);
    intro.hide();
    EXPECT_FALSE(speaker.isOpen());
}

TEST_F(IntroTest, MissingOrDamagedLogoIsReportedAndTheScreenStaysBlackUntilAKey) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        FakeFormHost h;
        h.dataDir = *dir_ / "none";
        if (damaged) std::ofstream(h.dataDir / kLogoMovieName) << "RIFF not really a movie";
        Tintro intro(h);
        FakeFormHost::Modal run(h, intro);
        ASSERT_EQ(h.errors.size(), 1u);
        EXPECT_NE(h.errors[0].find(kLogoMovieName), std::string::npos) << h.errors[0];
        EXPECT_FALSE(intro.MediaPlayer1.playing());
        const int64_t frames = h.win.frameCount();
        EXPECT_FALSE(run.runFor(5000));
        EXPECT_EQ(h.win.frameCount(), frames);
        const platform::Surface& s = h.win.lastFrame();
        EXPECT_TRUE(std::all_of(s.pixels().begin(), s.pixels().end(),
                                [](platform::Pixel565 p) { return p == 0; }));
        h.win.keyDown(platform::vk::VK_SPACE);
        EXPECT_TRUE(run.runFor(1));
        EXPECT_EQ(h.win.hides, 1);
        EXPECT_EQ(h.win.shows, 1);
        fs::remove(h.dataDir / kLogoMovieName);
    }
}

TEST_F(IntroTest, MissingIntroMovieAfterTheLogoLeavesBlack) {
    useData("logo_only");
    Tintro intro(host);
    FakeFormHost::Modal run(host, intro);
    EXPECT_FALSE(run.runFor(600));
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find(kIntroMovieName), std::string::npos) << host.errors[0];
    EXPECT_TRUE(allBlack());
    EXPECT_FALSE(run.runFor(3000));
    host.win.mouseDown(platform::MouseButton::Left, 1, 1);
    EXPECT_TRUE(run.runFor(1));
    EXPECT_EQ(host.win.shows, 1);
}

TEST_F(IntroTest, MovieLargerThanTheScreenIsCentredAndClipped) {
    useData("both");
    host.width = 40;
    host.height = 30;
    Tintro intro(host);
    FakeFormHost::Modal run(host, intro);
    EXPECT_EQ(intro.MediaPlayer1.DisplayRect, (platform::Rect{-12, -9, 64, 48}));
    EXPECT_EQ(screen().pixel(0, 0), kLogoColour);
    EXPECT_EQ(screen().pixel(39, 29), kLogoColour);
}

// The content set's own movies.
TEST_F(IntroTest, ContentSetMoviesPlayToTheEnd) {
    const fs::path content = orbigolf::testing::builtContentDir();
    ASSERT_TRUE(orbigolf::testing::haveFiles(content, {kLogoMovieName, kIntroMovieName}));
    host.dataDir = content;
    host.width = 800;
    host.height = 600;
    Tintro intro(host);
    FakeFormHost::Modal run(host, intro);
    // Something is drawn inside the movie's rectangle and nothing outside it.
    auto expectPictureOnlyInside = [&](const platform::Rect& r) {
        bool inside = false, outside = false;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const bool in = x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
                (in ? inside : outside) |= screen().pixel(x, y) != 0;
            }
        EXPECT_TRUE(inside);
        EXPECT_FALSE(outside);
    };
    run.runFor(1000);
    review(screen(), "content_logo");
    expectPictureOnlyInside(intro.MediaPlayer1.DisplayRect);
    run.runFor(5000);
    ASSERT_EQ(fs::path(intro.MediaPlayer1.FileName).filename(), kIntroMovieName);
    review(screen(), "content_intro");
    expectPictureOnlyInside(intro.MediaPlayer1.DisplayRect);
    EXPECT_TRUE(run.runFor(60000));
    EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace orbigolf::frontend
