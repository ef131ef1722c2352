// The display's life cycle and its hand-over of finished frames to the presenter.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "platform/display.h"
#include "platform/headless/headless_window.h"
#include "test_pictures.h"

namespace orbigolf::platform {
namespace {

TEST(Display, InitialiseEntersTheModeThenRunsTheHandler) {
    HeadlessWindow window;
    Display display(&window);
    display.setMode(800, 600);
    EXPECT_FALSE(display.ready());
    bool readyInHandler = false;
    display.OnInitialize = [&] { readyInHandler = display.ready(); };
    display.initialize();
    EXPECT_TRUE(readyInHandler);
    EXPECT_TRUE(display.ready());
    EXPECT_EQ(display.width(), 800);
    EXPECT_EQ(display.height(), 600);
    EXPECT_EQ(window.modeWidth(), 800);
    EXPECT_TRUE(window.inMode());

    display.finalize();
    EXPECT_FALSE(display.ready());
    EXPECT_FALSE(window.inMode());
}

TEST(Display, RefusedOrImpossibleModesAreReported) {
    HeadlessWindow window;
    Display display(&window);
    window.setRefuseModes(true);
    EXPECT_THROW(display.initialize(), DisplayError);
    EXPECT_FALSE(display.ready());
    window.setRefuseModes(false);
    display.setMode(0, 480);
    EXPECT_THROW(display.initialize(), DisplayError);
    display.setMode(100000, 100000);
    EXPECT_THROW(display.initialize(), DisplayError);
    EXPECT_FALSE(display.ready());
}

TEST(Display, FlipHandsTheBackBufferOver) {
    HeadlessWindow window;
    window.setKeepFrames(2);
    Display display(&window);
    display.flip();  // not ready: nothing shown
    EXPECT_EQ(window.frameCount(), 0);
    display.setMode(4, 2);
    display.setWaitVBlank(true);
    display.initialize();
    EXPECT_TRUE(window.vsync());
    display.fill(Display::nativePixel(255, 0, 0));
    display.flip();
    display.fill(0);
    display.canvas().setPixel(3, 1, Rgb{0, 0, 255});
    display.flip();
    display.flip();
    EXPECT_EQ(window.frameCount(), 3);
    ASSERT_EQ(window.frames().size(), 2u);
    EXPECT_EQ(window.frames().front().pixel(3, 1), toRgb565(0, 0, 255));
    EXPECT_EQ(window.lastFrame().pixel(0, 0), 0);
}

TEST(Display, NativePixelIsRgb565) {
    EXPECT_EQ(Display::nativePixel(255, 255, 255), 0xFFFF);
    EXPECT_EQ(Display::nativePixel(0, 0, 0), 0);
    EXPECT_EQ(Display::nativePixel(255, 0, 0), 0xF800);
    EXPECT_EQ(Display::nativePixel(0, 255, 0), 0x07E0);
    EXPECT_EQ(Display::nativePixel(0, 0, 255), 0x001F);
    EXPECT_EQ(Display::nativePixel(175, 196, 201), (21 << 11) | (49 << 5) | 25);
    EXPECT_EQ(Display::nativePixel(300, -5, 7), Display::nativePixel(255, 0, 7));
}

TEST(Display, DrawsIntoItsBackBuffer) {
    Display display;
    display.setMode(8, 8);
    display.initialize();
    const Picture p = testing::solidPicture(2, 2, testing::px(31, 0, 0));
    display.drawFrame(p, 0, 7, 7);
    display.drawFrameBlended(p, 0, Rect{0, 0, 1, 1}, BlendMode::Add, 255);
    display.fillBlended(Rect{0, 7, 1, 1}, 0xFFFF, 255);
    EXPECT_EQ(display.backBuffer().pixel(7, 7), testing::px(31, 0, 0));
    EXPECT_EQ(display.backBuffer().pixel(0, 0), testing::px(31, 0, 0));
    EXPECT_EQ(display.backBuffer().pixel(0, 7), 0xFFFF);
    display.flip();  // no presenter: nothing to do
}

TEST(Surface, IdsNameThePixelsAndWritesMarkTheirRows) {
    Surface a(4, 3);
    const Surface copy = a;
    EXPECT_NE(copy.id(), a.id());
    const uint64_t aId = a.id();
    Surface moved = std::move(a);
    EXPECT_EQ(moved.id(), aId);
    EXPECT_NE(a.id(), aId);  // NOLINT: what is left behind is a new, empty surface
    EXPECT_TRUE(a.empty());
    Surface other(2, 2);
    other = moved;
    EXPECT_NE(other.id(), moved.id());
    const uint64_t otherId = other.id();
    other = Surface(4, 3);
    EXPECT_NE(other.id(), otherId);  // assigned pixels are never taken for the old ones

    const uint64_t v = moved.version();
    (void)std::as_const(moved).row(1);
    EXPECT_EQ(moved.version(), v);  // reading changes nothing
    moved.setPixel(0, 1, 7);
    EXPECT_NE(moved.version(), v);

    // Rows written while tracked; untracked surfaces count every row as written.
    EXPECT_FALSE(moved.tracksWrites());
    EXPECT_TRUE(moved.rowWritten(2));
    moved.setTrackWrites(true);
    for (int y = 0; y < 3; ++y) EXPECT_TRUE(moved.rowWritten(y));  // unknown at first
    moved.clearWritten();
    moved.setPixel(3, 1, 1);
    moved.setPixel(9, 2, 1);  // outside: nothing written
    EXPECT_FALSE(moved.rowWritten(0));
    EXPECT_TRUE(moved.rowWritten(1));
    EXPECT_FALSE(moved.rowWritten(2));
    moved.clearWritten();
    moved.fill(3);
    EXPECT_TRUE(moved.rowWritten(0) && moved.rowWritten(2));
    moved.clearWritten();
    (void)moved.pixels();
    EXPECT_TRUE(moved.rowWritten(0) && moved.rowWritten(2));
    moved.setTrackWrites(false);
    EXPECT_FALSE(moved.tracksWrites());
}

// A picture covering the whole buffer is redrawn only where the buffer was written since;
// every frame must still equal drawing everything in full.
TEST(Display, ACoveringPictureIsRedrawnOnlyWhereTheBufferChanged) {
    Display display;
    display.setMode(24, 16);
    display.initialize();
    Surface expected(24, 16);
    Picture back = testing::makePicture(40, 30, [](int x, int y) { return testing::coordPixel(x, y); });
    const Picture sprite = testing::makePicture(5, 4, [](int x, int y) { return testing::px(31, 0, unsigned(x + y)); },
                                                true, 0x00FF00FF);
    const Picture sheet = testing::makePicture(48, 16, [](int x, int) { return testing::px(unsigned(x % 32), 9, 9); });
    Picture cells = sheet;
    cells.layout = FrameLayout{24, 16, 0, 0};
    uint32_t seed = 12345;
    auto next = [&](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    int scrollX = 0, scrollY = 0;
    for (int tick = 0; tick < 300; ++tick) {
        SCOPED_TRACE(tick);
        if (next(5) == 0) {
            scrollX = -int(next(17));
            scrollY = -int(next(15));
        }
        if (next(40) == 0) back.surface.setPixel(int(next(40)), int(next(30)), testing::px(1, 2, 3));
        const bool cellsBehind = next(25) == 0;
        if (cellsBehind) {
            const int cell = int(next(2));
            display.drawFrame(cells, cell, 0, 0);
            drawFrame(expected, cells, cell, 0, 0);
        } else {
            display.drawFrame(back, 0, scrollX, scrollY);
            drawFrame(expected, back, 0, scrollX, scrollY);
        }
        for (int n = int(next(3)); n > 0; --n) {
            const int x = int(next(30)) - 3, y = int(next(22)) - 3;
            switch (next(4)) {
                case 0:
                    display.drawFrame(sprite, 0, x, y);
                    drawFrame(expected, sprite, 0, x, y);
                    break;
                case 1:
                    display.drawFrameBlended(sprite, 0, Rect{x, y, 5, 4}, BlendMode::Add, 128);
                    drawFrameBlended(expected, sprite, 0, Rect{x, y, 5, 4}, BlendMode::Add, 128);
                    break;
                case 2:
                    display.backBuffer().setPixel(x, y, 0xFFFF);
                    expected.setPixel(x, y, 0xFFFF);
                    break;
                default:
                    display.canvas().setPixel(x, y, Rgb{0, 255, 0});
                    expected.setPixel(x, y, toRgb565(0, 255, 0));
                    break;
            }
        }
        if (next(60) == 0) {
            display.fill(0x1234);
            expected.fill(0x1234);
        }
        const auto got = std::as_const(display).backBuffer().pixels();  // reading marks nothing
        const auto want = expected.pixels();
        ASSERT_TRUE(std::equal(got.begin(), got.end(), want.begin(), want.end()));
    }
    // A new mode starts from nothing known.
    display.initialize();
    display.drawFrame(back, 0, 0, 0);
    EXPECT_EQ(display.backBuffer().pixel(5, 5), back.surface.pixel(5, 5));
}

TEST(Rgb565, ExpansionIsExactAtBothEnds) {
    for (unsigned v = 0; v < 65536; ++v) {
        const Rgb c = fromRgb565(static_cast<Pixel565>(v));
        ASSERT_EQ(toRgb565(c), v);  // expansion and truncation are inverse
    }
    EXPECT_EQ(fromRgb565(0xFFFF), (Rgb{255, 255, 255}));
    EXPECT_EQ(fromRgb565(testing::px(16, 32, 16)), (Rgb{132, 130, 132}));
}

}  // namespace
}  // namespace orbigolf::platform
