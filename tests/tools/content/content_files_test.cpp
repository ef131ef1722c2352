// The files of a built content set: names, counts, formats, skins, and that building
// twice gives the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "built_set.h"
#include "content_set.h"
#include "media/dib.h"
#include "media/image_list.h"
#include "media/file_read.h"

namespace orbigolf::content::test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, media::Bytes> readTree(const fs::path& root) {
    std::map<std::string, media::Bytes> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[fs::relative(e.path(), root).string()] = media::readFileBytes(e.path().string());
    return files;
}

TEST(ContentFiles, RebuildingGivesByteIdenticalFiles) {
    const fs::path again = scratchDir("again");
    buildContentSet(sourcesDir(), again);
    // The program folder holds the executables too: compare what the builder writes.
    const auto rebuilt = readTree(again);
    EXPECT_GT(rebuilt.size(), 20u);
    for (const auto& [name, bytes] : rebuilt) {
        const fs::path built = builtSet() / name;
        ASSERT_TRUE(fs::is_regular_file(built)) << name;
        EXPECT_TRUE(bytes == media::readFileBytes(built.string())) << name << " differs between two builds";
    }
}

TEST(ContentFiles, HoldsEveryFileTheGameAndLaunchPadRead) {
    for (const char* f : {"menu.dxg", "gui.dxg", "sound.dxw", "menu.dxw", kDefaultBallFile})
        EXPECT_TRUE(fs::is_regular_file(builtSet() / f)) << f;
}

TEST(ContentFiles, TexturesAreAtLeastEightSixteenPixelTwentyFourBitBitmaps) {
    int count = 0;
    for (const auto& e : fs::directory_iterator(builtSet() / "textures")) {
        ASSERT_EQ(e.path().extension(), ".bmp");
        const media::Bitmap b = media::loadBmpFile(e.path().string());
        EXPECT_EQ(b.width, 16) << e.path();
        EXPECT_EQ(b.height, 16) << e.path();
        EXPECT_EQ(b.bitsPerPixel, 24) << e.path();
        ++count;
    }
    EXPECT_GE(count, 8);
    const media::Bitmap ball = media::loadBmpFile((builtSet() / kDefaultBallFile).string());
    EXPECT_EQ(ball.bitsPerPixel, 24);
    EXPECT_EQ(ball.width, 16);
}

TEST(ContentFiles, TexturesDifferFromEachOther) {
    std::set<std::vector<media::Rgb>> seen;
    for (const auto& e : fs::directory_iterator(builtSet() / "textures"))
        EXPECT_TRUE(seen.insert(media::loadBmpFile(e.path().string()).pixels).second) << e.path();
}

// A skin replaces pictures in the interface list as the game does; the replacement must
// keep each item's cells and must look different.
TEST(ContentFiles, EverySkinReplacesAllTenPicturesWithSameSizedDifferentOnes) {
    const auto skins = skinNames(sourcesDir());
    ASSERT_FALSE(skins.empty());
    TDXImageList defaults;
    defaults.loadFromFile((builtSet() / "gui.dxg").string());
    for (const std::string& skin : skins) {
        TDXImageList gui;
        gui.loadFromFile((builtSet() / "gui.dxg").string());
        for (const SkinFile& f : skinFiles()) {
            const fs::path file = builtSet() / "skins" / skin / f.fileName;
            ASSERT_TRUE(fs::is_regular_file(file)) << file;
            TPictureCollectionItem& item = gui.item(f.guiIndex);
            item.loadPictureFromFile(file.string());
            const TPictureCollectionItem& before = defaults.item(f.guiIndex);
            EXPECT_EQ(item.width(), before.width()) << file;
            EXPECT_EQ(item.height(), before.height()) << file;
            EXPECT_EQ(item.patternCount(), before.patternCount()) << file;
            EXPECT_NE(item.bitmap().pixels, before.bitmap().pixels) << file << " looks the same";
        }
    }
}

}  // namespace
}  // namespace orbigolf::content::test
