// orbigolf-assets on animations: info (text and JSON), one frame as PNG, every frame
// exported in order, and the player's message for a damaged file.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "../../media/flic_test_files.h"
#include "flic_command.h"
#include "media/flic_player.h"
#include "scratch_dir.h"

namespace orbigolf::assets {
namespace {

namespace fs = std::filesystem;
using media::test::FlicChunk;
using media::test::FlicFileBuilder;

// 8 x 4, three frames: a palette and a literal frame of 1s, then 2s, then a black frame.
std::string sampleFile() {
    FlicFileBuilder b;
    b.frame({media::test::colourChunk(media::kFlicColor256, 0, {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}}),
             media::test::literalChunk(std::vector<uint8_t>(32, 1))});
    b.frame({media::test::literalChunk(std::vector<uint8_t>(32, 2))});
    b.frame({{media::kFlicBlack, {}}});
    b.frame({media::test::literalChunk(std::vector<uint8_t>(32, 1))});  // a ring frame
    b.frameCountField = 3;
    return b.write("assets_sample.flc");
}

std::string runTool(const std::string& args) {
    const std::string command = std::string(ORBIGOLF_ASSETS_EXE) + " " + args + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) out.append(buffer, n);
    return out;
}

TEST(FlicAssets, InfoSummarisesTheFile) {
    const std::string file = sampleFile();
    EXPECT_TRUE(isFlicFile(file));
    const FlicSummary s = summariseFlic(file);
    EXPECT_EQ(s.frames, 3);
    EXPECT_EQ(s.framesInFile, 4);
    EXPECT_EQ(s.width, 8);
    EXPECT_EQ(s.height, 4);
    EXPECT_EQ(s.delayMs, 40);
    EXPECT_EQ(s.chunks, (std::map<int, int>{{4, 1}, {13, 1}, {16, 3}}));
    const std::string json = runTool("info " + file + " --json");
    for (const char* field : {"\"frames\":3", "\"width\":8", "\"height\":4", "\"ringFrame\":true"})
        EXPECT_NE(json.find(field), std::string::npos) << field << " in " << json;
    EXPECT_NE(runTool("info " + file).find("frames: 3"), std::string::npos);
}

TEST(FlicAssets, FramesAsPictures) {
    const std::string file = sampleFile();
    EXPECT_EQ(flicFrame(file, 1).pixel(0, 0), media::makeRgb(255, 0, 0));
    EXPECT_EQ(flicFrame(file, 2).pixel(7, 3), media::makeRgb(0, 255, 0));
    EXPECT_EQ(flicFrame(file, 3).pixel(4, 2), media::makeRgb(0, 0, 0));
    EXPECT_THROW(flicFrame(file, 4), media::MediaError);
    EXPECT_THROW(flicFrame(file, 0), media::MediaError);
    const ScratchDir scratch("flic-export");
    const fs::path out = scratch / "frames";
    const std::vector<std::string> written = exportFlicFrames(file, out.string());
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(fs::path(written[0]).filename(), "0001.png");
    EXPECT_EQ(fs::path(written[2]).filename(), "0003.png");
    EXPECT_TRUE(fs::is_regular_file(out / "0003.png"));
    const fs::path png = out / "frame2.png";
    runTool("png " + file + " " + png.string() + " 2");
    EXPECT_TRUE(fs::is_regular_file(png));
}

TEST(FlicAssets, DamagedFileGivesThePlayersMessage) {
    FlicFileBuilder b;
    b.frame({media::test::literalChunk(std::vector<uint8_t>(5, 1))});  // 5 of 32 pixels
    const std::string file = b.write("assets_damaged.flc");
    EXPECT_THROW(summariseFlic(file), media::MediaError);
    EXPECT_NE(runTool("info " + file).find("FLIC is invalid"), std::string::npos);
}

}  // namespace
}  // namespace orbigolf::assets
