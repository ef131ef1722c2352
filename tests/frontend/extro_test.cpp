// The closing form: its picture from the top-left corner on black, the cursor, the keys
// and buttons that end it, and a picture that is missing or damaged.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../support/built_content.h"
#include "fake_form_host.h"
#include "frontend/extro.h"
#include "media/dib.h"
#include "media/media_error.h"
#include "platform/vk.h"

namespace orbigolf::frontend {
namespace {

namespace fs = std::filesystem;
using testing::FakeFormHost;
using testing::review;

class ExtroTest : public ::testing::Test {
protected:
    // Each test's own scratch folder; only this folder is ever removed.
    void SetUp() override {
        scratch_ = fs::temp_directory_path() / ("orbigolf_extro_test_" + std::to_string(::getpid()));
        fs::create_directories(scratch_);
        host.dataDir = scratch_;
    }
    void TearDown() override { fs::remove_all(scratch_); }

    // A 640 x 480 256-colour picture: blue with a white frame one pixel wide.
    void writePicture() {
        std::vector<uint8_t> indices(640 * 480, 1);
        for (int x = 0; x < 640; ++x) indices[size_t(x)] = indices[size_t(479 * 640 + x)] = 2;
        for (int y = 0; y < 480; ++y) indices[size_t(y * 640)] = indices[size_t(y * 640 + 639)] = 2;
        std::vector<media::Rgb> palette{media::makeRgb(0, 0, 0), media::makeRgb(0, 0, 248),
                                        media::makeRgb(248, 248, 248)};
        media::writeFileBytes((host.dataDir / kClosingPictureName).string(),
                              media::encodeBmp8(640, 480, palette, indices));
    }

    fs::path scratch_;
    FakeFormHost host;
};

constexpr platform::Pixel565 kBlue = platform::toRgb565(0, 0, 248);
constexpr platform::Pixel565 kWhite = platform::toRgb565(248, 248, 248);

TEST_F(ExtroTest, PictureSitsTopLeftOnALargerBlackScreenUntilAKey) {
    writePicture();
    host.width = 800;
    host.height = 600;
    Textro extro(host);
    EXPECT_STREQ(Textro::Caption, "extro");
    FakeFormHost::Modal run(host, extro);
    const platform::Surface& s = host.win.lastFrame();
    ASSERT_EQ(s.width(), 800);
    ASSERT_EQ(s.height(), 600);
    review(s, "extro");
    EXPECT_EQ(s.pixel(0, 0), kWhite);
    EXPECT_EQ(s.pixel(639, 479), kWhite);
    EXPECT_EQ(s.pixel(320, 240), kBlue);
    EXPECT_EQ(s.pixel(640, 0), 0);
    EXPECT_EQ(s.pixel(0, 480), 0);
    EXPECT_EQ(s.pixel(799, 599), 0);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(host.win.hides, 1);
    EXPECT_FALSE(host.win.cursorVisible());

    // Moving the mouse or letting a key go does not end it; pressing one does.
    host.win.mouseMove(10, 10);
    host.win.keyUp('X');
    EXPECT_FALSE(run.runFor(1000));
    host.win.keyDown(platform::vk::VK_RETURN);
    EXPECT_TRUE(run.runFor(1));
    EXPECT_EQ(host.win.shows, 1);
    EXPECT_TRUE(host.win.cursorVisible());
    extro.hide();
    EXPECT_EQ(host.win.shows, 1);
    EXPECT_FALSE(host.win.inMode());
}

TEST_F(ExtroTest, SmallerScreenShowsThePictureClipped) {
    writePicture();
    host.width = 512;
    host.height = 384;
    Textro extro(host);
    FakeFormHost::Modal run(host, extro);
    EXPECT_EQ(host.win.lastFrame().pixel(0, 0), kWhite);
    EXPECT_EQ(host.win.lastFrame().pixel(511, 383), kBlue);
    host.win.mouseDown(platform::MouseButton::Middle, 3, 3);
    EXPECT_TRUE(run.runFor(1));
}

TEST_F(ExtroTest, MissingOrDamagedPictureIsReportedAndAButtonStillEnds) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        FakeFormHost h;
        h.dataDir = host.dataDir;
        if (damaged) {
            writePicture();
            fs::resize_file(h.dataDir / kClosingPictureName, 2000);  // rows cut short
        }
        Textro extro(h);
        FakeFormHost::Modal run(h, extro);
        ASSERT_EQ(h.errors.size(), 1u);
        if (!damaged) {
            EXPECT_EQ(h.errors[0],
                      "Cannot open file " + (h.dataDir / kClosingPictureName).string());
        }
        const platform::Surface& s = h.win.lastFrame();
        EXPECT_TRUE(!s.empty() && std::all_of(s.pixels().begin(), s.pixels().end(),
                                              [](platform::Pixel565 p) { return p == 0; }));
        h.win.mouseDown(platform::MouseButton::Left, 100, 100);
        EXPECT_TRUE(run.runFor(1));
        EXPECT_EQ(h.win.hides, 1);
        EXPECT_EQ(h.win.shows, 1);
    }
}

// The content set's own closing picture.
TEST_F(ExtroTest, ContentSetPictureOnTheLargestScreen) {
    const fs::path content = orbigolf::testing::builtContentDir();
    ASSERT_TRUE(orbigolf::testing::haveFiles(content, {kClosingPictureName}));
    host.dataDir = content;
    host.width = 1024;
    host.height = 768;
    Textro extro(host);
    FakeFormHost::Modal run(host, extro);
    const platform::Surface& s = host.win.lastFrame();
    review(s, "content_extro");
    EXPECT_TRUE(host.errors.empty());
    bool inside = false, outside = false;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            (x < 640 && y < 480 ? inside : outside) |= s.pixel(x, y) != 0;
    EXPECT_TRUE(inside);
    EXPECT_FALSE(outside);
}

}  // namespace
}  // namespace orbigolf::frontend
