// Runs orbigolf-assets on files written by the media writer and checks what it prints and
// writes, and how it fails.

#include <gtest/gtest.h>


#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "platform/screenshot.h"
#include "assets_tool_run.h"

namespace orbigolf::assets {
namespace {

namespace fs = std::filesystem;

class AssetsTool : public AssetsToolRun {
protected:
    std::string writePictures() const {
        media::PictureListFile list;
        media::PictureListItem& a = list.items.emplace_back();
        a.name = "grid";
        a.patternWidth = 32;
        a.patternHeight = 32;
        media::Bitmap b = media::makeBitmap(128, 64);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 128; ++x) b.pixel(x, y) = media::makeRgb(uint8_t(x * 2), uint8_t(y * 4), uint8_t(x ^ y));
        }
        a.setDib(b);
        media::PictureListItem& c = list.items.emplace_back();
        c.name = "pal \"8\"";
        c.transparent = false;
        c.transparentColor = 0xFF00FF;
        c.skipWidth = 1;
        c.setDib8(3, 2, {0x000000, 0xFFFFFF}, {0, 1, 0, 1, 0, 1});
        const std::string p = path("pictures.dxg");
        media::savePictureListFile(p, list);
        return p;
    }

    std::string writeSounds() const {
        media::SoundListFile list;
        media::SoundListItem& a = list.items.emplace_back();
        a.name = "stroke";
        a.maxPlayingCount = 2;
        a.setWave(media::encodeWave16Mono(22050, std::vector<int16_t>(441, 100)));
        media::SoundListItem& b = list.items.emplace_back();
        b.name = "hum";
        b.looped = true;
        media::Wave w;
        w.format = media::pcmFormat(11025, 8, 2);
        w.samples = media::Bytes(20, 128);
        b.setWave(media::encodeWave(w));
        const std::string p = path("sounds.dxw");
        media::saveSoundListFile(p, list);
        return p;
    }
};

TEST_F(AssetsTool, InfoJsonForEveryKind) {
    Result r = run("info '" + writePictures() + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"kind\":\"pictures\",\"items\":["
              "{\"index\":0,\"name\":\"grid\",\"width\":128,\"height\":64,\"bitsPerPixel\":24,\"patternWidth\":32,"
              "\"patternHeight\":32,\"skipWidth\":0,\"skipHeight\":0,\"frames\":8,\"transparent\":true,"
              "\"transparentColor\":0},"
              "{\"index\":1,\"name\":\"pal \\\"8\\\"\",\"width\":3,\"height\":2,\"bitsPerPixel\":8,\"patternWidth\":0,"
              "\"patternHeight\":0,\"skipWidth\":1,\"skipHeight\":0,\"frames\":1,\"transparent\":false,"
              "\"transparentColor\":16711935}]}\n");

    r = run("info '" + writeSounds() + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"kind\":\"sounds\",\"items\":["
              "{\"index\":0,\"name\":\"stroke\",\"rate\":22050,\"bits\":16,\"channels\":1,\"frames\":441,"
              "\"looped\":false,\"maxPlayingCount\":2},"
              "{\"index\":1,\"name\":\"hum\",\"rate\":11025,\"bits\":8,\"channels\":2,\"frames\":10,"
              "\"looped\":true,\"maxPlayingCount\":0}]}\n");

    const std::string bmp = path("skin.bmp");
    media::writeFileBytes(bmp, media::encodeBmp24(media::makeBitmap(5, 3)));
    r = run("info '" + bmp + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"kind\":\"bitmap\",\"width\":5,\"height\":3,\"bitsPerPixel\":24,\"headerSize\":40,"
              "\"compression\":0,\"topDown\":false}\n");

    const std::string wav = path("click.wav");
    media::writeFileBytes(wav, media::encodeWave16Mono(8000, {1, 2, 3}));
    r = run("info '" + wav + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"kind\":\"wave\",\"rate\":8000,\"bits\":16,\"channels\":1,\"frames\":3}\n");
}

TEST_F(AssetsTool, InfoTextHasOneLinePerItem) {
    Result r = run("info '" + writePictures() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
    EXPECT_NE(r.out.find("frames 8"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("colour clFuchsia"), std::string::npos) << r.out;
    r = run("info '" + writeSounds() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("MaxPlayingCount 2"), std::string::npos) << r.out;
}

TEST_F(AssetsTool, PngHasTheExactColours) {
    const std::string list = writePictures();
    const std::string out = path("grid.png");
    Result r = run("png '" + list + "' '" + out + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    int w = 0, h = 0;
    std::vector<uint8_t> rgb = platform::readPngRgb(out, w, h);
    ASSERT_EQ(w, 128);
    ASSERT_EQ(h, 64);
    EXPECT_EQ(rgb[3 * (10 * 128 + 7) + 0], 14);
    EXPECT_EQ(rgb[3 * (10 * 128 + 7) + 1], 40);
    EXPECT_EQ(rgb[3 * (10 * 128 + 7) + 2], 7 ^ 10);

    // By name, and from a bitmap file.
    r = run("png '" + list + "' '" + out + "' 'pal \"8\"'");
    ASSERT_EQ(r.status, 0) << r.err;
    rgb = platform::readPngRgb(out, w, h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ((std::vector<uint8_t>(rgb.begin(), rgb.begin() + 6)), (std::vector<uint8_t>{0, 0, 0, 255, 255, 255}));
    const std::string bmp = path("one.bmp");
    media::writeFileBytes(bmp, media::encodeBmp24(media::makeBitmap(2, 2, media::makeRgb(1, 2, 3))));
    r = run("png '" + bmp + "' '" + out + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(platform::readPngRgb(out, w, h), (std::vector<uint8_t>{1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3}));

    r = run("png '" + list + "' '" + out + "' 5");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + list + ": List index out of bounds (5)\n");
}

TEST_F(AssetsTool, ExportWritesEveryItem) {
    Result r = run("export '" + writePictures() + "' '" + path("out") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(path("out/000-grid.png")));
    EXPECT_TRUE(fs::exists(path("out/001-pal _8_.png")));
    r = run("export '" + writeSounds() + "' '" + path("out") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const media::SoundListFile sounds = media::loadSoundListFile(path("sounds.dxw"));
    EXPECT_EQ(slurp(path("out/000-stroke.wav")), std::string(sounds.items[0].riff.begin(), sounds.items[0].riff.end()));
    EXPECT_TRUE(fs::exists(path("out/001-hum.wav")));
}

TEST_F(AssetsTool, UnreadableFilesGiveOneLineNamingTheFileAndStatusOne) {
    const std::string missing = path("none.dxg");
    Result r = run("info '" + missing + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: Cannot open file " + missing + ": no such file or folder\n");
    r = run("info '" + dir_.string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: Cannot open file " + dir_.string() + ": it is a folder\n");
    r = run("png '" + writePictures() + "' '" + path("no/such/folder/x.png") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.find("orbigolf-assets: Cannot create file " + path("no/such/folder/x.png") + ": "), 0u) << r.err;

    const std::string garbage = path("garbage.dxg");
    media::writeFileBytes(garbage, media::Bytes{'T', 'P', 'F', '1', 0, 0});
    r = run("info '" + garbage + "' --json");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + garbage + ": Invalid stream format\n");
    EXPECT_TRUE(r.out.empty());

    // A list cut in the middle of a picture.
    media::Bytes cut = media::readFileBytes(writePictures());
    cut.resize(cut.size() / 2);
    media::writeFileBytes(garbage, cut);
    r = run("export '" + garbage + "' '" + path("out") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + garbage + ": Invalid stream format\n");

    const std::string badWave = path("bad.wav");
    media::writeFileBytes(badWave, media::Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '});
    r = run("info '" + badWave + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orbigolf-assets: " + badWave + ": Wave is invalid\n");

    const std::string badBmp = path("bad.bmp");
    media::writeFileBytes(badBmp, media::Bytes{'B', 'M', 1, 2, 3});
    r = run("png '" + badBmp + "' '" + path("x.png") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.find("orbigolf-assets: " + badBmp + ": Bitmap is invalid: "), 0u) << r.err;

    r = run("frobnicate");
    EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace orbigolf::assets
