// Scenery scripts by hole name: obstacle windows, the storm's flashes, mote motion and
// the falling rocks with their distance-scaled sound.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <vector>

#include "drawing_test_support.h"
#include "game/hole_file.h"
#include "game/scenery.h"
#include "scratch_dir.h"

namespace orbigolf {
namespace {

struct SoundLog final : Effects {
    void playSound(int n) override { played.push_back(n); }
    void playBackgroundSound(int) override {}
    void parkCursor() override {}
    void setSoundVolume(int n, int v) override { volumes.push_back({n, v}); }
    std::vector<int> played;
    std::vector<std::pair<int, int>> volumes;
};

GameState sceneryState(const char* hole, int substeps = 1) {
    GameState s;
    s.holeName = hole;
    s.numPlayers = 1;
    s.curPlayer = 1;
    s.substeps = substeps;
    s.soundOn = 1;
    s.courseWidth = 1200;
    s.courseHeight = 1000;
    s.random.seed(11);
    for (int i = 1; i <= kMaxStars; ++i) s.stars[i] = starrec{10 * i, 5 * i, 5 + i % 3, 0};
    return s;
}

TEST(Scenery, ScriptsByHoleName) {
    EXPECT_EQ(sceneryScriptsOf("course1hole5"), unsigned{kDriftingMotes});
    EXPECT_EQ(sceneryScriptsOf("course4hole8"), unsigned{kDriftingMotes});
    EXPECT_EQ(sceneryScriptsOf("course3hole9"), unsigned{kFallingMotes});
    EXPECT_EQ(sceneryScriptsOf("course4hole6"), unsigned{kThunderstorm});
    EXPECT_EQ(sceneryScriptsOf("course4hole3"), unsigned{kRisingBubbles});
    EXPECT_EQ(sceneryScriptsOf("course2hole9"), unsigned{kThreeObstacles});
    EXPECT_EQ(sceneryScriptsOf("course2hole5"), unsigned{kBlinkingObstacle});
    EXPECT_EQ(sceneryScriptsOf("course3hole6"), unsigned{kFourObstacles});
    EXPECT_EQ(sceneryScriptsOf("course2hole1"), unsigned{kFallingRocks});
    EXPECT_EQ(sceneryScriptsOf("course1hole1"), 0u);
    EXPECT_EQ(sceneryScriptsOf("COURSE2HOLE1"), 0u);
}

TEST(Scenery, ThreeObstacleWindowsAtPhase0_64_128_192) {
    GameState s = sceneryState("course2hole9");
    struct Expect {
        int phase;
        bool a, b, c;
    };
    for (const Expect e : {Expect{0, true, false, false}, Expect{64, true, false, false}, Expect{128, false, false, true},
                           Expect{192, false, true, false}}) {
        s.scenePhase = e.phase;
        placeObstacles(s, kThreeObstacles);
        EXPECT_EQ(s.sprites[35].x != 0, e.a) << e.phase;
        EXPECT_EQ(s.areas[40].enabled, e.a ? 1 : 0) << e.phase;
        EXPECT_EQ(s.sprites[36].x != 0, e.b) << e.phase;
        EXPECT_EQ(s.areas[41].enabled, e.b ? 1 : 0) << e.phase;
        EXPECT_EQ(s.sprites[37].x != 0, e.c) << e.phase;
        EXPECT_EQ(s.areas[42].enabled, e.c ? 1 : 0) << e.phase;
    }
    s.scenePhase = 100;
    placeObstacles(s, kThreeObstacles);
    EXPECT_EQ(s.sprites[37].x, 171);
    EXPECT_EQ(s.sprites[37].y, 881);
    EXPECT_EQ(s.sprites[37].image, 11);
    EXPECT_EQ(s.sprites[37].keep, 1);
}

TEST(Scenery, EveryObstacleStandsInItsPlaceWithItsPicture) {
    const struct {
        const char* hole;
        unsigned script;
        int phase, slot, x, y, image;
    } obstacles[] = {
        {"course2hole9", kThreeObstacles, 0, 35, 511, 181, 9},  {"course2hole9", kThreeObstacles, 200, 36, 666, 618, 10},
        {"course2hole9", kThreeObstacles, 100, 37, 171, 881, 11}, {"course2hole5", kBlinkingObstacle, 0, 40, 610, 267, 11},
        {"course3hole6", kFourObstacles, 0, 35, 245, 189, 8},   {"course3hole6", kFourObstacles, 200, 36, 776, 189, 9},
        {"course3hole6", kFourObstacles, 100, 37, 791, 536, 10}, {"course3hole6", kFourObstacles, 0, 38, 237, 528, 11},
    };
    for (const auto& o : obstacles) {
        GameState s = sceneryState(o.hole);
        s.scenePhase = o.phase;
        placeObstacles(s, o.script);
        const spriterec& r = s.sprites[o.slot];
        EXPECT_TRUE(r.x == o.x && r.y == o.y && r.image == o.image && r.keep == 1)
            << o.hole << " slot " << o.slot << ": " << r.x << "," << r.y << " picture " << r.image;
    }
}

TEST(Scenery, ScatteredMotesLieOnTheScreenWithPicturesFiveToSeven) {
    GameState s = sceneryState("course1hole5");
    std::set<int32_t> pictures;
    for (int round = 0; round < 20; ++round) {
        scatterMotes(s, 640, 480, 300);  // a course lower than the screen: motes on its band
        for (const starrec& m : s.stars) {
            pictures.insert(m.image);
            EXPECT_TRUE(m.x >= 0 && m.x < 640 && m.y >= 90 && m.y < 390 && m.frame == 0) << m.x << "," << m.y;
        }
    }
    EXPECT_EQ(pictures, (std::set<int32_t>{5, 6, 7}));
}

TEST(Scenery, FourObstacleWindowsAtPhase0_64_128_192) {
    GameState s = sceneryState("course3hole6");
    const bool expected[4][4] = {
        // slots 35, 36, 37, 38 at phases 0, 64, 128, 192
        {true, false, false, true},
        {true, false, false, false},
        {false, false, true, false},
        {false, true, false, false},
    };
    const int phases[4] = {0, 64, 128, 192};
    const int areas[4] = {72, 73, 74, 71};
    for (int i = 0; i < 4; ++i) {
        s.scenePhase = phases[i];
        placeObstacles(s, kFourObstacles);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(s.sprites[35 + k].x != 0, expected[i][k]) << phases[i] << " slot " << 35 + k;
            EXPECT_EQ(s.areas[areas[k]].enabled != 0, expected[i][k]) << phases[i] << " area " << areas[k];
        }
    }
    s.scenePhase = 193;
    placeObstacles(s, kFourObstacles);
    EXPECT_EQ(s.sprites[38].x, 237);
}

TEST(Scenery, PhaseCyclesIn128TicksAndTheBlinkingObstacleSoundsByDistance) {
    GameState s = sceneryState("course2hole5");
    s.playerRecs[1].x = 710 + 300;
    s.playerRecs[1].y = 367 + 400;
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    int wraps = 0;
    for (int t = 0; t < 256; ++t) {
        sceneryStep(s, fx, none, 640, 480);
        if (s.scenePhase == 0) ++wraps;
    }
    EXPECT_EQ(wraps, 2);
    ASSERT_EQ(fx.played.size(), 2u);
    EXPECT_EQ(fx.played[0], 20);
    EXPECT_EQ(fx.volumes[0], (std::pair<int, int>{20, -2000}));  // -4 x 500
    // Far away the volume stops at the mixer's quietest instead of wrapping.
    s.playerRecs[1].x = 1e9;
    s.scenePhase = 254;
    sceneryStep(s, fx, none, 640, 480);
    EXPECT_EQ(fx.volumes.back().second, kQuietestVolume);
    EXPECT_EQ(distanceVolume(4, INT32_MAX), kQuietestVolume);
    // Sound off: the volume is still set, the sound does not play.
    s.soundOn = 0;
    s.scenePhase = 254;
    sceneryStep(s, fx, none, 640, 480);
    EXPECT_EQ(fx.played.size(), 3u);
}

TEST(Scenery, LightningFlashesFadeOverFourOrEightTicks) {
    for (int sub : {1, 4}) {
        GameState s = sceneryState("course1hole4", sub);
        SoundLog fx;
        const ListFrameCounts none(nullptr);
        s.flash = 255;
        std::vector<int> strengths;
        for (int t = 0; t < 12; ++t) {
            s.random.seed(1);  // a seed whose first draw starts no new flash
            const SceneryFrame f = sceneryStep(s, fx, none, 640, 480);
            if (f.flash > 0) strengths.push_back(f.flash);
        }
        if (sub == 4) {
            EXPECT_EQ(strengths, (std::vector<int>{255, 51, 10, 2}));
        } else {
            EXPECT_EQ(strengths.size(), 8u);
        }
    }
}

TEST(Scenery, StormFlashesOnAverageOnceInAThousandTicksPerSubstep) {
    GameState s = sceneryState("course4hole4", 4);
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    for (int t = 0; t < 25000; ++t) sceneryStep(s, fx, none, 640, 480);
    EXPECT_GT(fx.played.size(), 60u);
    EXPECT_LT(fx.played.size(), 140u);
    for (int n : fx.played) EXPECT_EQ(n, 25);
}

TEST(Scenery, ParallaxFollowsSmallViewMovesAndIgnoresJumps) {
    GameState s = sceneryState("course1hole4");  // rain: own motion without randomness
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    s.sceneScrollX = s.scrollX = 100;
    s.sceneScrollY = s.scrollY = 100;
    s.stars[1] = starrec{300, 200, 6, 0};
    s.scrollX = 94;   // the view moved 6 left: motes move 8 right, minus 10 of rain
    s.scrollY = 200;  // the view jumped: no vertical motion at all this tick
    sceneryStep(s, fx, none, 640, 480);
    EXPECT_EQ(s.stars[1].x, 300 + 8 - 10);
    EXPECT_EQ(s.stars[1].y, 200);
    EXPECT_EQ(s.sceneScrollX, 94);
    EXPECT_EQ(s.sceneScrollY, 200);
}

TEST(Scenery, OnACourseSmallerThanTheScreenMotesWrapEightPixelsBeforeItsEdge) {
    GameState s = sceneryState("course1hole4");  // rain: 10 left and 10 down for picture 6
    s.courseWidth = 600;
    s.courseHeight = 400;
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    s.stars[1] = starrec{603, 100, 6, 0};  // to x 593, past 600 - 8: back to the left edge
    s.stars[2] = starrec{602, 100, 6, 0};  // to x 592: stays
    s.stars[3] = starrec{300, 383, 6, 0};  // to y 393, past 400 - 8: back to the top
    s.stars[4] = starrec{300, 382, 6, 0};  // to y 392: stays
    sceneryStep(s, fx, none, 640, 480);
    EXPECT_EQ(s.stars[1].x, 0);
    EXPECT_EQ(s.stars[2].x, 592);
    EXPECT_EQ(s.stars[3].y, 0);
    EXPECT_EQ(s.stars[4].y, 392);
}

TEST(Scenery, BubblesRestartAboveTheScreenAndDropToMinus90BelowIt) {
    GameState s = sceneryState("course4hole3");
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    s.stars[1] = starrec{100, -85, 5, 8};  // rises 6 above -90: restarts anywhere
    s.stars[2] = starrec{100, 600, 7, 0};  // below the screen: moved to -90, stays
    sceneryStep(s, fx, none, 640, 480);
    EXPECT_GE(s.stars[1].y, 0);
    EXPECT_EQ(s.stars[1].frame, 0);  // restarted; with no picture frames the counter wraps at once
    EXPECT_EQ(s.stars[2].y, -90);

    GameState edge = sceneryState("course4hole3");
    edge.stars[1] = starrec{100, 484, 6, 0};  // rises 4 to the screen's bottom row and stays
    sceneryStep(edge, fx, none, 640, 480);
    EXPECT_EQ(edge.stars[1].y, 480);
}

TEST(Scenery, DriftingMotesStepThroughTheirFramesAndStartAgainAtTheFirst) {
    struct ThreeFrames final : FrameCounts {
        int32_t framesOf(int32_t) const override { return 3; }
    };
    GameState s = sceneryState("course1hole5");
    SoundLog fx;
    const ThreeFrames three;
    std::vector<int32_t> frames;
    for (int tick = 0; tick < 200; ++tick) {
        const int32_t before = s.stars[1].frame;
        sceneryStep(s, fx, three, 640, 480);
        const int32_t after = s.stars[1].frame;
        ASSERT_TRUE(after == before || after == (before + 1) % 3) << before << " -> " << after;
        if (after != before) frames.push_back(after);
    }
    // About one tick in four steps the frame: 0, 1, 2, then 0 again.
    ASSERT_GE(frames.size(), 20u);
    EXPECT_LE(frames.size(), 80u);
}

TEST(Scenery, FallingRocksThrowEightParticles) {
    GameState s = sceneryState("course2hole1", 4);
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    s.playerRecs[1].x = 496;
    s.playerRecs[1].y = 817 + 100;
    int ticks = 0;
    while (fx.played.empty() && ticks < 2000) {
        sceneryStep(s, fx, none, 640, 480);
        ++ticks;
    }
    ASSERT_EQ(fx.played, std::vector<int>{20});
    EXPECT_EQ(fx.volumes[0], (std::pair<int, int>{20, -200}));
    int active = 0;
    for (const particlerec& p : s.particles) {
        if (!p.active) continue;
        ++active;
        EXPECT_EQ(p.bounces, 3);
        EXPECT_EQ(p.x, 496);
        EXPECT_EQ(p.y, 935);
        EXPECT_GE(p.z, 100);
        EXPECT_LE(p.z, 107);
        EXPECT_GE(p.heading, 150);
        EXPECT_LE(p.heading, 181);
        EXPECT_EQ(p.colour, 0xC9C4AF);
    }
    EXPECT_EQ(active, 8);
}

TEST(Scenery, ObstaclesOfAHoleFileSwitchTheirAreasOnTheCycle) {
    // A small hole with the three obstacle walls, all enabled in the file.
    const std::string path = processScratchDir().string() + "/course2hole9.hole";
    std::ofstream(path, std::ios::binary)
        << "[course]\npar=3\n"
           "[area40]\nkind=1\nx1=511\ny1=181\nx2=560\ny2=181\nenabled=1\n"
           "[area41]\nkind=1\nx1=666\ny1=618\nx2=700\ny2=618\nenabled=1\n"
           "[area42]\nkind=1\nx1=171\ny1=881\nx2=200\ny2=881\nenabled=1\n";
    GameState s = sceneryState("course2hole9");
    ReadHoleFile(s, path);
    ASSERT_EQ(s.areas[41].kind, 1);
    SoundLog fx;
    const ListFrameCounts none(nullptr);
    int open40 = 0, open41 = 0, open42 = 0, both = 0;
    for (int t = 0; t < 128; ++t) {
        sceneryStep(s, fx, none, 640, 480);
        open40 += s.areas[40].enabled;
        open41 += s.areas[41].enabled;
        open42 += s.areas[42].enabled;
        both += s.areas[40].enabled && s.areas[41].enabled;
        EXPECT_EQ(s.sprites[36].x != 0, s.areas[41].enabled != 0);
    }
    EXPECT_EQ(open40, 64);  // phases 0..127 of the even phases 0..254
    EXPECT_EQ(open41, 63);  // 130..254: 128 itself is in neither window
    EXPECT_EQ(open42, 63);  // 66..190
    EXPECT_EQ(both, 0);
    EXPECT_TRUE(fx.played.empty());  // only the blinking obstacle sounds
}

TEST(Scenery, MotesAreDrawnWithTheirPictures) {
    platform::Display d;
    testing::initDisplay(d, 64, 48);
    TDXImageList course;
    testing::fillList(course, 8);
    testing::setItem(course, 6, testing::solidItem(4, 4, media::makeRgb(255, 255, 255)));
    GameState s = sceneryState("course3hole9");
    for (starrec& m : s.stars) m = starrec{0, 0, 6, 0};
    s.stars[1] = starrec{20, 20, 6, 0};
    SoundLog fx;
    const GamePictures pics{nullptr, nullptr, &course};
    const SceneryFrame f = sceneryStep(s, fx, ListFrameCounts(&course), 64, 48);
    drawScenery(d, s, pics, f);
    EXPECT_EQ(testing::raw(d, s.stars[1].x, s.stars[1].y), platform::toRgb565(255, 255, 255));
    EXPECT_EQ(s.stars[1].y, 21);
}

}  // namespace
}  // namespace orbigolf
