// orbigolf-assets on movies and on forms holding hot-spot images: info, png and export, and
// how a damaged movie fails.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets_tool_run.h"
#include "sample_files.h"

namespace orbigolf::assets {
namespace {

namespace fs = std::filesystem;

using MovieAndFormAssets = AssetsToolRun;

TEST_F(MovieAndFormAssets, MoviesInfoPngAndExport) {
    test::writeSampleMovie(path("m.avi"));

    Result r = run("info '" + path("m.avi") + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"frames\":6"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"width\":48"), std::string::npos);
    EXPECT_NE(r.out.find("\"height\":32"), std::string::npos);
    EXPECT_NE(r.out.find("\"codec\":\"msvideo1\""), std::string::npos);
    r = run("info '" + path("m.avi") + "'");
    EXPECT_NE(r.out.find("48 x 32, 6 frames"), std::string::npos) << r.out;

    r = run("png '" + path("m.avi") + "' '" + path("f.png") + "' 6");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(path("f.png")));
    r = run("png '" + path("m.avi") + "' '" + path("g.png") + "' 7");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("has no frame 7"), std::string::npos) << r.err;

    r = run("export '" + path("m.avi") + "' '" + path("frames") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(path("frames/0001.png")));
    EXPECT_TRUE(fs::exists(path("frames/0006.png")));
    EXPECT_FALSE(fs::exists(path("frames/0007.png")));

    std::ofstream(path("bad.avi"), std::ios::binary) << "RIFF\x10\0\0\0AVI LIST";
    r = run("info '" + path("bad.avi") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot open movie"), std::string::npos) << r.err;
}

TEST_F(MovieAndFormAssets, HotImagePicturesExport) {
    test::writeSampleForm(path("form.dfm"));

    Result r = run("info '" + path("form.dfm") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("HotImage1"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("#0 ellipse"), std::string::npos);
    EXPECT_NE(r.out.find("#1 rectangle id 0 disabled"), std::string::npos);
    r = run("info '" + path("form.dfm") + "' --json");
    EXPECT_NE(r.out.find("\"picture_width\":20"), std::string::npos) << r.out;

    r = run("export '" + path("form.dfm") + "' '" + path("out") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(path("out/000-HotImage1-picture.png")));
    EXPECT_TRUE(fs::exists(path("out/001-HotImage1-mask.png")));
    EXPECT_TRUE(fs::exists(path("out/002-HotImage1-spots.png")));
    r = run("png '" + path("form.dfm") + "' '" + path("mask.png") + "' 1");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(path("mask.png")), slurp(path("out/001-HotImage1-mask.png")));
}

}  // namespace
}  // namespace orbigolf::assets
