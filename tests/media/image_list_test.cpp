#include "media/image_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "test_bytes.h"
#include "scratch_dir.h"

namespace orbigolf {
namespace {

using media::makeRgb;
using media::test::errorOf;

std::string tempPath(const std::string& name) {
    return (processScratchDir() / name).string();
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

// The display's pixels of an item, row by row.
std::vector<platform::Pixel565> shown(const TPictureCollectionItem& it) {
    const auto px = it.picture().surface.pixels();
    return {px.begin(), px.end()};
}

TEST(TDXImageList, ListsReadForDisplayKeepOnlyTheDisplayPixels) {
    media::PictureListFile file;
    file.items = {item("a", 4, 4, 0, 0), item("b", 8, 4, 4, 4)};
    file.items[1].transparentColor = 0x000080;
    file.items[1].setDib8(8, 4, {makeRgb(0x80, 0, 0), makeRgb(1, 2, 3)}, std::vector<uint8_t>(32, 1));
    const std::string path = tempPath("display.dxg");
    media::savePictureListFile(path, file);

    TDXImageList exact, display;
    exact.loadFromFile(path);
    display.add(item("old", 1, 1, 0, 0));
    EXPECT_EQ(errorOf([&] { display.loadFromFile(path + ".none", PictureColours::Display); }),
              "Cannot open file " + path + ".none");
    ASSERT_EQ(display.count(), 1);  // left as it was
    display.loadFromFile(path, PictureColours::Display);
    ASSERT_EQ(display.count(), 2);
    for (int i = 0; i < 2; ++i) {
        const TPictureCollectionItem& d = display.item(i);
        EXPECT_TRUE(exact.item(i).exactColours());
        EXPECT_FALSE(d.exactColours());
        EXPECT_TRUE(d.bitmap().empty());
        EXPECT_TRUE(d.stored().pictureData.empty());
        EXPECT_EQ(d.name(), exact.item(i).name());
        EXPECT_EQ(shown(d), shown(exact.item(i)));
        EXPECT_EQ(d.picture().surface.colorKey(), exact.item(i).picture().surface.colorKey());
        EXPECT_EQ(d.patternCount(), exact.item(i).patternCount());
    }

    // Pixels read back as the display shows them: the low bits of each channel are gone.
    TPictureCollectionItem& a = display.item(0);
    EXPECT_EQ(a.pixel(3, 2), platform::colorRefFromRgb(platform::fromRgb565(platform::toRgb565(3, 2, 0x80))));
    EXPECT_EQ(a.pixel(4, 0), 0xFFFFFFFFu);
    a.setPixel(1, 1, 0x00FFFFFF);
    EXPECT_EQ(a.pixel(1, 1), 0x00FFFFFFu);

    // Pictures taken from another item or a file match what an exact item makes of them.
    TPictureCollectionItem& b = display.item(1);
    b.copyPicture(exact.item(0));
    EXPECT_EQ(shown(b), shown(exact.item(0)));
    EXPECT_EQ(b.picture().surface.colorKey(), platform::toRgb565(0x80, 0, 0));  // its own key stays
    exact.item(1).copyPicture(a);
    EXPECT_FALSE(exact.item(1).exactColours());
    EXPECT_EQ(shown(exact.item(1)), shown(a));
    const std::string bmpPath = tempPath("display.bmp");
    media::writeFileBytes(bmpPath, media::encodeBmp24(gradient(6, 5)));
    b.loadPictureFromFile(bmpPath);
    exact.item(0).loadPictureFromFile(bmpPath);
    EXPECT_EQ(shown(b), shown(exact.item(0)));
    EXPECT_EQ(b.patternCount(), 1);  // one 4 x 4 cell fits a 6 x 5 picture
    std::remove(bmpPath.c_str());

    // Damage keeps the items read before it, as with exact colours.
    media::Bytes bytes = media::writePictureList(file);
    bytes.resize(bytes.size() - 30);
    media::writeFileBytes(path, bytes);
    EXPECT_EQ(errorOf([&] { display.loadFromFile(path, PictureColours::Display); }), media::kInvalidStreamFormat);
    ASSERT_EQ(display.count(), 1);
    EXPECT_EQ(display.item(0).name(), "a");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace orbigolf
