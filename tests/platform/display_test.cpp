// The display's life cycle and its hand-over of finished frames to the presenter.

#include <gtest/gtest.h>

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
