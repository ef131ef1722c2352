#include "viewer.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_sound.h"
#include "platform/headless/headless_window.h"
#include "platform/vk.h"

namespace orbigolf::assets {
namespace {

namespace vk = platform::vk;
using platform::InputEvent;
using platform::toRgb565;

media::PictureListFile grid() {
    media::PictureListFile list;
    media::PictureListItem& a = list.items.emplace_back();
    a.name = "cells";
    a.patternWidth = 16;
    a.patternHeight = 16;
    media::Bitmap b = media::makeBitmap(48, 16, media::makeRgb(0, 0, 0));
    for (int y = 0; y < 16; ++y) {
        for (int x = 16; x < 48; ++x) b.pixel(x, y) = media::makeRgb(255, 0, 0);  // frames 1, 2 red
    }
    a.setDib(b);  // black is the colour key: frame 0 is all transparent
    media::PictureListItem& c = list.items.emplace_back();
    c.name = "one";
    c.setDib(media::makeBitmap(4, 4, media::makeRgb(0, 0, 255)));
    return list;
}

struct Screen {
    platform::HeadlessWindow window;
    platform::Display display{&window};
    Screen() {
        display.setMode(AssetViewer::kWidth, AssetViewer::kHeight);
        display.initialize();
    }
    platform::Pixel565 at(int x, int y) const { return window.lastFrame().pixel(x, y); }
};

TEST(AssetViewer, StepsThroughItemsAndFrames) {
    AssetViewer v(grid(), "gui.dxg", nullptr);
    EXPECT_TRUE(v.showsPictures());
    EXPECT_EQ(v.itemCount(), 2);
    v.handle(InputEvent::keyDown(vk::VK_RIGHT));
    v.handle(InputEvent::keyDown(vk::VK_RIGHT));
    EXPECT_EQ(v.frame(), 2);
    v.handle(InputEvent::keyDown(vk::VK_RIGHT));  // wraps
    EXPECT_EQ(v.frame(), 0);
    v.handle(InputEvent::keyDown(vk::VK_LEFT));
    EXPECT_EQ(v.frame(), 2);
    v.handle(InputEvent::keyDown(vk::VK_DOWN));
    EXPECT_EQ(v.item(), 1);
    EXPECT_EQ(v.frame(), 0);
    v.handle(InputEvent::keyDown(vk::VK_DOWN));  // stays on the last item
    EXPECT_EQ(v.item(), 1);
    EXPECT_EQ(v.title(), "gui.dxg: picture 1/2 \"one\" 4x4, frame 0/1 of 4x4");
    EXPECT_FALSE(v.done());
    v.handle(InputEvent::keyDown(vk::VK_ESCAPE));
    EXPECT_TRUE(v.done());
}

TEST(AssetViewer, DrawsThePictureItsGridAndTheFrame) {
    Screen s;
    AssetViewer v(grid(), "gui.dxg", nullptr);
    v.handle(InputEvent::keyDown(vk::VK_RIGHT));  // frame 1
    v.draw(s.display);
    ASSERT_EQ(s.window.frameCount(), 1);
    // The picture at (8, 8): frame 0 transparent (checker shows), frames 1 and 2 red.
    EXPECT_EQ(s.at(8 + 20, 8 + 5), toRgb565(255, 0, 0));
    const platform::Pixel565 board = s.at(8 + 5, 8 + 5);
    EXPECT_TRUE(board == toRgb565(90, 90, 90) || board == toRgb565(60, 60, 60));
    // The current frame outlined in red, the others in yellow.
    EXPECT_EQ(s.at(8 + 16 + 5, 7), toRgb565(255, 0, 0));
    EXPECT_EQ(s.at(8 + 32 + 8, 7), toRgb565(200, 200, 0));
    // The frame alone beside the picture.
    EXPECT_EQ(s.at(8 + 48 + 24 + 3, 8 + 3), toRgb565(255, 0, 0));
}

TEST(AssetViewer, PlaysSounds) {
    platform::HeadlessSound output;  // outlives the mixer that closes it
    platform::TDXSound sound;
    output.attach(sound);
    sound.initialize();
    media::SoundListFile list;
    for (const char* name : {"a", "b"}) {
        media::SoundListItem& it = list.items.emplace_back();
        it.name = name;
        it.setWave(media::encodeWave16Mono(22050, std::vector<int16_t>(2000, 5)));
    }
    AssetViewer v(list, "sound.dxw", &sound);
    EXPECT_FALSE(v.showsPictures());
    v.handle(InputEvent::keyDown(vk::VK_DOWN));
    v.handle(InputEvent::keyDown(vk::VK_RETURN));
    ASSERT_FALSE(output.calls().empty());
    EXPECT_EQ(output.calls().back().tag, "b");
    EXPECT_EQ(sound.playingCount(), 1);
    Screen s;
    v.draw(s.display);
    EXPECT_EQ(s.at(10, 8 + 24 + 2), toRgb565(40, 160, 60));  // the playing bar
    v.handle(InputEvent::keyDown(vk::VK_SPACE));
    EXPECT_EQ(sound.playingCount(), 0);
}

}  // namespace
}  // namespace orbigolf::assets
