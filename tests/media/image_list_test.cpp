#include "media/file_read.h"
#include "media/image_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "test_bytes.h"

namespace orbigolf {
namespace {

using media::makeRgb;
using media::test::errorOf;

std::string tempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("orbigolf_image_list_" + name)).string();
}

media::Bitmap gradient(int w, int h) {
    media::Bitmap b = media::makeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) b.pixel(x, y) = makeRgb(uint8_t(x), uint8_t(y), 0x80);
    }
    return b;
}

media::PictureListItem item(const std::string& name, int w, int h, int pw, int ph, int sw = 0, int sh = 0) {
    media::PictureListItem it;
    it.name = name;
    it.patternWidth = pw;
    it.patternHeight = ph;
    it.skipWidth = sw;
    it.skipHeight = sh;
    it.setDib(gradient(w, h));
    return it;
}

TEST(TDXImageList, FramesFollowTheCellRules) {
    TDXImageList list;
    list.add(item("grid", 128, 64, 32, 32));
    list.add(item("whole", 40, 30, 0, 0));
    list.add(item("skips", 100, 50, 30, 20, 5, 10));  // (100+5) div 35 = 3, (50+10) div 30 = 2
    list.add(item("toolarge", 16, 16, 32, 8));
    list.add(item("exact", 24, 12, 24, 12));

    const auto& grid = list.item(0);
    EXPECT_EQ(grid.patternCount(), 8);
    EXPECT_EQ(grid.frameRect(4), (platform::Rect{0, 32, 32, 32}));
    EXPECT_EQ(grid.frameRect(7), (platform::Rect{96, 32, 32, 32}));
    EXPECT_TRUE(grid.frameRect(8).empty());
    EXPECT_TRUE(grid.frameRect(-1).empty());

    EXPECT_EQ(list.item(1).patternCount(), 1);
    EXPECT_EQ(list.item(1).patternWidth(), 40);
    EXPECT_EQ(list.item(1).patternHeight(), 30);

    const auto& skips = list.item(2);
    EXPECT_EQ(skips.patternCount(), 6);
    EXPECT_EQ(skips.frameRect(5), (platform::Rect{70, 30, 30, 20}));

    EXPECT_EQ(list.item(3).patternCount(), 0);
    EXPECT_EQ(list.item(4).patternCount(), 1);
}

TEST(TDXImageList, ItemsArePreparedWithTheirColourKey) {
    media::PictureListItem keyed = item("keyed", 2, 1, 0, 0);
    keyed.transparentColor = 0x0000FF;  // red as 0x00BBGGRR
    media::Bitmap red = media::makeBitmap(2, 1, makeRgb(255, 0, 0));
    red.pixel(1, 0) = makeRgb(0, 0, 255);
    keyed.setDib(red);
    media::PictureListItem opaque = item("opaque", 1, 1, 0, 0);
    opaque.transparent = false;

    TDXImageList list;
    list.add(keyed);
    list.add(opaque);
    const platform::Picture& p = list.item(0).picture();
    EXPECT_TRUE(p.surface.transparent());
    EXPECT_EQ(p.surface.colorKey(), platform::toRgb565(255, 0, 0));
    EXPECT_EQ(p.surface.pixel(0, 0), platform::toRgb565(255, 0, 0));
    EXPECT_EQ(p.surface.pixel(1, 0), platform::toRgb565(0, 0, 255));
    EXPECT_FALSE(list.item(1).picture().surface.transparent());
    EXPECT_EQ(list.find("opaque"), &list.item(1));
    EXPECT_EQ(list.find("none"), nullptr);
    EXPECT_EQ(errorOf([&] { list.item(2); }), "List index out of bounds (2)");
}

TEST(TDXImageList, PicturesAreReplacedAndReadByPixel) {
    TDXImageList list;
    list.add(item("ball", 32, 16, 16, 16));
    TPictureCollectionItem& ball = list.item(0);
    EXPECT_EQ(ball.pixel(3, 5), media::colorRefFromRgb(makeRgb(3, 5, 0x80)));
    EXPECT_EQ(ball.pixel(32, 0), 0xFFFFFFFFu);

    ball.setPixel(1, 1, 0x00123456);
    EXPECT_EQ(ball.pixel(1, 1), 0x00123456u);
    EXPECT_EQ(ball.picture().surface.pixel(1, 1), platform::toRgb565(0x56, 0x34, 0x12));

    // A skin bitmap replaces the picture; the cell rules stay.
    const std::string path = tempPath("skin.bmp");
    const media::Bytes bmp = media::encodeBmp24(gradient(64, 16));
    media::writeFileBytes(path, bmp);
    ball.loadPictureFromFile(path);
    EXPECT_EQ(ball.width(), 64);
    EXPECT_EQ(ball.patternCount(), 4);
    EXPECT_EQ(errorOf([&] { ball.loadPictureFromFile(path + ".none"); }), "Cannot open file " + path + ".none");
    EXPECT_EQ(ball.width(), 64);
    std::remove(path.c_str());
}

TEST(TDXImageList, LoadingReplacesItemsAndKeepsThoseReadBeforeAFault) {
    media::PictureListFile file;
    file.items = {item("a", 4, 4, 0, 0), item("b", 8, 4, 4, 4)};
    const std::string path = tempPath("list.dxg");
    media::savePictureListFile(path, file);

    TDXImageList list;
    list.add(item("old", 1, 1, 0, 0));
    EXPECT_EQ(errorOf([&] { list.loadFromFile(path + ".none"); }), "Cannot open file " + path + ".none");
    ASSERT_EQ(list.count(), 1);  // left as it was

    list.loadFromFile(path);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1).name(), "b");
    EXPECT_EQ(list.item(1).patternCount(), 2);

    // Cut inside the second item: the first stays.
    media::Bytes bytes = media::writePictureList(file);
    bytes.resize(bytes.size() - 30);
    media::writeFileBytes(path, bytes);
    EXPECT_EQ(errorOf([&] { list.loadFromFile(path); }), media::kInvalidStreamFormat);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0).name(), "a");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace orbigolf
