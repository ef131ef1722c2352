// Reading hole definition files: keyed values with defaults, number forms, the
// areas and the cup, and the tee scatter of the balls.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "game/geometry.h"
#include "game/hole_file.h"
#include "scratch_dir.h"

namespace orbigolf {
namespace {

std::string writeHole(const std::string& name, const std::string& text) {
    const std::string path = processScratchDir().string() + "/orbigolf_" + name + ".hole";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

GameState freshGame(int players, uint64_t seed) {
    GameState s;
    s.numPlayers = players;
    s.holeNum = 1;
    s.random.seed(seed);
    return s;
}

int groundDistOf(const playerrec& a, const playerrec& b) {
    return groundDist(roundInt(a.x), roundInt(a.y), roundInt(b.x), roundInt(b.y));
}

TEST(HoleFile, MissingEmptyOrMalformedValuesGiveTheDefaults) {
    for (const std::string& path : {processScratchDir().string() + "/no_such_hole.hole", writeHole("empty", ""),
                                    writeHole("bad", "[ball]\nx=$\ny=0x\n[course]\npar=4.5\n")}) {
        GameState s = freshGame(1, 3);
        s.coursePar = 4;
        s.areas[7] = arearec{2, 1, 1, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, "old"};
        s.cupX = 11;
        s.nextHole = "keep";
        ReadHoleFile(s, path);
        EXPECT_EQ(s.holePar, 3);
        EXPECT_EQ(s.pars[1], 3);
        EXPECT_EQ(s.coursePar, 7);
        for (const arearec& a : s.areas) EXPECT_TRUE(a.kind == 0 && !a.enabled && a.comment.empty());
        EXPECT_EQ(s.cupX, 11);  // no cup in the file: the previous one stays
        EXPECT_EQ(s.nextHole, "keep");
        EXPECT_LE(std::abs(s.playerRecs[1].x - 320), 31.0);
        EXPECT_LE(std::abs(s.playerRecs[1].y - 240), 15.5);
    }
}

TEST(HoleFile, NumberFormsFlagsSectionsAndTheCup) {
    const std::string path = writeHole("forms",
        "; a comment line\n[course]\npar=$4\n"
        "[area1]\nkind=5\nx1=0x1F\ny1=$1F\nx2=31\ny2=31px\nenabled=1\ncomment=course1hole2\n"
        "[AREA2]\nKIND=0X0a\nX1= \t 31 \t\nP1=-12\nenabled=true\ncomment=  two words  \n"
        "[area9]\nkind=5\nx1=300\ny1=$190\ncomment=course1hole3\nenabled=2\n"
        "[area9]\nx1=999\nr=8\n"  // a repeated section adds keys; the first value of a key stays
        "[area07]\nkind=9\n[area100]\nkind=7\nenabled=1\n");
    GameState s = freshGame(1, 1);
    ReadHoleFile(s, path);
    EXPECT_EQ(s.holePar, 4);
    const arearec& a1 = s.areas[1];
    EXPECT_EQ(a1.x1, 31);
    EXPECT_EQ(a1.y1, 31);
    EXPECT_EQ(a1.x2, 31);
    EXPECT_EQ(a1.y2, 0);  // "31px" does not convert
    EXPECT_TRUE(a1.enabled);
    EXPECT_EQ(s.areas[2].kind, 10);
    EXPECT_EQ(s.areas[2].x1, 31);
    EXPECT_EQ(s.areas[2].p1, -12);
    EXPECT_FALSE(s.areas[2].enabled);  // "true" is not a number
    EXPECT_EQ(s.areas[2].comment, "two words");
    EXPECT_TRUE(s.areas[9].enabled);
    EXPECT_EQ(s.areas[9].r, 8);
    EXPECT_EQ(s.areas[7].kind, 0);
    // The last cup in number order names the cup position and the next hole.
    EXPECT_EQ(s.cupX, 300);
    EXPECT_EQ(s.cupY, 400);
    EXPECT_EQ(s.nextHole, "course1hole3");
    for (int n = 10; n <= 99; ++n) EXPECT_EQ(s.areas[n].kind, 0) << n;  // area100 is never read

    s.holeNum = 2;
    ReadHoleFile(s, writeHole("par2", "[course]\npar=2\n"));
    EXPECT_EQ(s.pars[1], 4);
    EXPECT_EQ(s.pars[2], 2);
    EXPECT_EQ(s.coursePar, 6);
}

TEST(HoleFile, TeeScatterStaysOnTheRingAndKeepsBallsApart) {
    const std::string path = writeHole("tee", "[ball]\nx=500\ny=400\n");
    for (uint64_t seed = 1; seed <= 300; ++seed) {
        GameState s = freshGame(2, seed);
        // Players 3 and 4 do not play, yet their records still repel the scatter.
        s.playerRecs[3].x = 510;
        s.playerRecs[3].y = 400;
        s.playerRecs[4].x = 480;
        s.playerRecs[4].y = 395;
        ReadHoleFile(s, path);
        for (int p = 1; p <= 2; ++p) {
            const playerrec& b = s.playerRecs[p];
            ASSERT_LE(std::abs(b.x - 500), 31.0) << "seed " << seed;
            ASSERT_LE(std::abs(b.y - 400), 15.5) << "seed " << seed;
            ASSERT_GE(std::hypot(b.x - 500, 2 * (b.y - 400)), 4 - 1e-9) << "seed " << seed;
            ASSERT_GE(groundDistOf(b, s.playerRecs[3]), 18) << "seed " << seed;
            ASSERT_GE(groundDistOf(b, s.playerRecs[4]), 18) << "seed " << seed;
        }
        ASSERT_GE(groundDistOf(s.playerRecs[1], s.playerRecs[2]), 18) << "seed " << seed;
    }
}

}  // namespace
}  // namespace orbigolf
