// Hole sources and the holes built from them: the hints stay invisible to the game, a plain
// hole file builds in the default style, the pictures agree with the areas, and the set's
// five holes form the Demo Course with the kinds of area it promises.

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "built_set.h"
#include "font_faces.h"
#include "game/hole_file.h"
#include "game/ini_file.h"
#include "holes/course_art.h"
#include "holes/hole_build.h"
#include "holes/hole_pictures.h"
#include "holes/hole_source.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "sources.h"

namespace orbigolf::content::test {
namespace {

namespace fs = std::filesystem;

GameState readByGame(const std::string& text) {
    GameState s;
    s.numPlayers = 1;
    s.holeNum = 1;
    readHole(s, IniFile::parse(text));
    return s;
}

void expectSameAreas(const GameState& a, const GameState& b) {
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& x = a.areas[n];
        const arearec& y = b.areas[n];
        SCOPED_TRACE("area " + std::to_string(n));
        EXPECT_EQ(x.kind, y.kind);
        EXPECT_EQ(x.enabled, y.enabled);
        EXPECT_EQ(x.comment, y.comment);
        EXPECT_EQ(std::vector<int32_t>({x.x1, x.y1, x.r, x.x2, x.y2, x.x3, x.y3, x.x4, x.y4, x.p1, x.p2, x.p3, x.p4, x.p5, x.p6}),
                  std::vector<int32_t>({y.x1, y.y1, y.r, y.x2, y.y2, y.x3, y.y3, y.x4, y.y4, y.p1, y.p2, y.p3, y.p4, y.p5, y.p6}));
    }
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(HoleSource, TheGeneratedHoleFileReadsLikeTheSourceAndHoldsNoHints) {
    for (const std::string& name : setHoleNames()) {
        SCOPED_TRACE(name);
        const fs::path file = sourcesDir() / "holes" / (name + ".hole");
        const std::string source = readText(file);
        const std::string built = holeFileText(loadHoleSource(file));
        const GameState a = readByGame(source), b = readByGame(built);
        expectSameAreas(a, b);
        EXPECT_EQ(a.holePar, b.holePar);
        EXPECT_EQ(a.cupX, b.cupX);
        EXPECT_EQ(a.nextHole, b.nextHole);
        for (const char* hint : {"[hole]", "[floor", "[deco", "[sounds]", ".draw]", "[pictures]", ";"})
            EXPECT_EQ(built.find(hint), std::string::npos) << hint;
    }
}

TEST(HoleSource, ACupWithoutALipPositionGetsOneAndBadHintsAreNamed) {
    const HoleSource src = parseHoleSource("[area3]\nkind=5\nx1=400\ny1=300\nr=9\nenabled=1\n", "t", "t.hole");
    EXPECT_EQ(src.areas[3].x2, 400 - 9 - 10);
    EXPECT_EQ(src.areas[3].y2, 299);
    EXPECT_NE(holeFileText(src).find("x2=381"), std::string::npos);
    EXPECT_THROW(parseHoleSource("[hole]\nsize=12x12\n", "t", "t.hole").size(), SourceError);
    EXPECT_THROW(parseHoleSource("[hole]\naccent=orange\n", "t", "t.hole").colour("accent", 0), SourceError);
    EXPECT_THROW(parsePoints("1,2 3;4", "t"), SourceError);
    EXPECT_EQ(parsePoints(" 1,2  3.5,-4 ", "t").size(), 2u);
    EXPECT_THROW(holeFloors(parseHoleSource("[floor1]\npoints=1,2 3,4\n", "t", "t.hole")), SourceError);
}

TEST(HoleBuild, APlainHoleFileBuildsInTheDefaultStyle) {
    const fs::path dir = scratchDir("plain");
    const fs::path source = dir / "plainbox.hole";
    std::ofstream(source, std::ios::binary)
        << "[course]\npar=2\n[ball]\nx=200\ny=240\n"
           "[area1]\nkind=4\nx1=150\ny1=180\nx2=650\ny2=180\nenabled=1\n"
           "[area2]\nkind=4\nx1=150\ny1=320\nx2=650\ny2=320\nenabled=1\n"
           "[area3]\nkind=2\nx1=150\ny1=180\nx2=150\ny2=320\nenabled=1\n"
           "[area4]\nkind=2\nx1=650\ny1=180\nx2=650\ny2=320\nenabled=1\n"
           "[area5]\nkind=5\nx1=600\ny1=250\nr=9\nenabled=1\ncomment=plainbox\n"
           "[area6]\nkind=24\nx1=400\ny1=250\nr=30\np1=300\np2=250\nenabled=1\n";
    FontFaces fonts;
    buildHoleFiles(source, dir / "out", std::nullopt, fonts, sourcesDir());
    for (const char* ext : {".hole", ".dxg", ".dxw"}) EXPECT_TRUE(fs::is_regular_file(dir / "out" / (std::string("plainbox") + ext)));
    const media::PictureListFile list = media::loadPictureListFile((dir / "out" / "plainbox.dxg").string());
    ASSERT_EQ(list.items.size(), static_cast<size_t>(kHolePictureCount));
    const media::Bitmap& course = list.items[kCoursePicture].bitmap;
    EXPECT_EQ(course.width % 24, 0);
    EXPECT_EQ(course.height % 24, 0);
    EXPECT_GE(course.width, 648);
    EXPECT_EQ(list.items[kForeground].patternWidth, 24);
    EXPECT_EQ(list.items[kForeground].bitmap.width, course.width);
    EXPECT_EQ(list.items[kHoleCard].bitmap.width, 440);
    // Water is drawn where the water is, turf round it, and the cup is dark.
    const media::Rgb water = course.pixel(400, 250);
    EXPECT_GT(water & 0xFF, (water >> 8) & 0xFF) << "blue over green";
    const media::Rgb turf = course.pixel(300, 290);
    EXPECT_GT((turf >> 8) & 0xFF, turf & 0xFF);
    EXPECT_LT((course.pixel(600, 251) >> 8) & 0xFF, 40u);
    // The near wall covers a ball behind it; the far wall, with floor in front, only its top.
    const media::Bitmap& fg = list.items[kForeground].bitmap;
    EXPECT_NE(fg.pixel(400, 318), 0u) << "near wall in the foreground";
    EXPECT_EQ(fg.pixel(400, 250), 0u) << "open floor never covers a ball";
    EXPECT_EQ(fg.pixel(400, 182), 0u) << "the far wall's face would hide a ball in front of it";
    // The cup lip leaves the opening free and covers the ground in front of the cup.
    const media::Bitmap& lip = list.items[kCupLip].bitmap;
    const int lx = 600 - (600 - 9 - 10), ly = 250 - 249;
    EXPECT_EQ(lip.pixel(lx, ly + 1), 0u);
    EXPECT_NE(lip.pixel(lx, lip.height - 1), 0u);
    const media::SoundListFile sounds = media::loadSoundListFile((dir / "out" / "plainbox.dxw").string());
    ASSERT_GE(sounds.items.size(), 2u);
    EXPECT_TRUE(sounds.items[0].looped);
}

TEST(HoleBuild, AnExitInsideItsOwnAreaIsRefused) {
    for (const char* kind : {"25", "26", "37"}) {
        const HoleSource src = parseHoleSource(std::string("[area4]\nkind=") + kind +
                                                   "\nx1=300\ny1=300\nr=16\nx2=305\ny2=302\nx3=305\ny3=302\nx4=400\ny4=302\nenabled=1\n",
                                               "loop", "loop.hole");
        EXPECT_THROW(checkPlayable(src), SourceError) << kind;
    }
    EXPECT_NO_THROW(checkPlayable(parseHoleSource(
        "[area4]\nkind=25\nx1=300\ny1=300\nr=16\nx2=500\ny2=300\nx3=500\ny3=300\nx4=600\ny4=300\nenabled=1\n", "ok", "ok.hole")));
}

TEST(HoleBuild, TheSizeOptionSetsTheCoursePicture) {
    const fs::path dir = scratchDir("sized");
    const fs::path source = dir / "tiny.hole";
    std::ofstream(source) << "[area1]\nkind=5\nx1=300\ny1=200\nr=8\nenabled=1\n";
    FontFaces fonts;
    buildHoleFiles(source, dir, std::make_pair(720, 528), fonts, sourcesDir());
    const media::PictureListFile list = media::loadPictureListFile((dir / "tiny.dxg").string());
    EXPECT_EQ(list.items[0].bitmap.width, 720);
    EXPECT_EQ(list.items[0].bitmap.height, 528);
    EXPECT_EQ(parseSize("1296x960"), std::make_pair(1296, 960));
    EXPECT_THROW(parseSize("1296"), SourceError);
    EXPECT_THROW(parseSize("10x10"), SourceError);
}

TEST(DemoCourse, HolesFollowEachOtherAndUseTheKindsOfAreaTheyPromise) {
    std::set<int> kinds;
    bool hidden = false, cannon = false;
    for (const std::string& name : setHoleNames()) {
        SCOPED_TRACE(name);
        const HoleSource src = loadHoleSource(sourcesDir() / "holes" / (name + ".hole"));
        const auto [w, h] = courseSize(src);
        EXPECT_GE(w, 1024) << "wider than every screen, so the view scrolls";
        EXPECT_GE(h, 768);
        EXPECT_GE(src.par, 2);
        EXPECT_LE(src.par, 4);
        for (int n = 1; n <= kMaxAreas; ++n) {
            const arearec& a = src.areas[n];
            if (a.kind == 0) continue;
            kinds.insert(a.kind);
            hidden = hidden || (a.kind == 29 && a.comment == "hidden" && name.rfind("course1", 0) == 0);
            cannon = cannon || (a.kind == 29 && a.comment == "cannon");
            for (const Point& p : areaOutline(a)) {
                EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x < w && p.y < h) << "area " << n << " off the picture";
            }
        }
        const GameState s = readByGame(holeFileText(src));
        const std::map<std::string, std::string> next = {{"training1", "training1"},
                                                         {"course1hole1", "course1hole2"},
                                                         {"course1hole2", "course1hole3"},
                                                         {"course1hole3", "course1hole4"},
                                                         {"course5hole1", "course1hole3"}};
        EXPECT_EQ(s.nextHole, next.at(name));
    }
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(cannon);
    for (int k : {1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 38, 40, 43, 45})
        EXPECT_TRUE(kinds.count(k)) << "kind " << k;
    EXPECT_TRUE(kinds.count(8) || kinds.count(9) || kinds.count(10) || kinds.count(11)) << "a ramp";
    int slopes = 0;
    for (int k = 15; k <= 22; ++k) slopes += static_cast<int>(kinds.count(k));
    EXPECT_GE(slopes, 2);
    EXPECT_GE(kinds.size(), 22u);
}

TEST(DemoCourse, TheBuiltSetHoldsEveryHoleWithItsPicturesAndSounds) {
    for (const std::string& name : setHoleNames()) {
        SCOPED_TRACE(name);
        for (const char* ext : {".hole", ".dxg", ".dxw"}) EXPECT_TRUE(fs::is_regular_file(builtSet() / (name + ext)));
        const media::PictureListFile list = media::loadPictureListFile((builtSet() / (name + ".dxg")).string());
        ASSERT_EQ(list.items.size(), static_cast<size_t>(kHolePictureCount));
        for (const auto& item : list.items) EXPECT_GT(item.bitmap.width, 0) << item.name;
    }
}

}  // namespace
}  // namespace orbigolf::content::test
