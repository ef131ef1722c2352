// orbigolf-sim: whole holes played through the tool's own set-up and tick, and
// the command's options, output lines, determinism and exit status.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/scenery.h"
#include "sim_options.h"
#include "sim_run.h"
#include "scratch_dir.h"

namespace orbigolf::sim {
namespace {

std::string holeFile(const std::string& name, const std::string& text) {
    // The process id keeps tests that run side by side from sharing files.
    const std::string path = processScratchDir().string() + "/" + name + ".hole";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A flat course with a cup of radius 8 at (300, 300), par 2.
const std::string& cupHole() {
    static const std::string path = holeFile("cup",
        "[course]\npar=2\n[area1]\nkind=5\nx1=300\ny1=300\nr=8\nenabled=1\ncomment=course1hole2\n");
    return path;
}

Options options(std::vector<std::string> args) {
    const ParseResult r = parseOptions(args);
    EXPECT_TRUE(r.options.has_value()) << r.error;
    return r.options.value_or(Options{});
}

// Plays until `done` holds after a tick (or `limit` ticks) and returns the state.
template <class Done>
GameState playUntil(const Options& o, int64_t limit, Done done) {
    GameState s;
    SilentEffects fx;
    const CoursePictures pictures = loadCoursePictures(o);
    setUpHole(s, o, pictures);
    for (int64_t t = 1; t <= limit && !done(s); ++t) runTick(s, o, pictures, t, fx);
    return s;
}

// Plays the given ticks and returns the state.
GameState play(const Options& o, int64_t ticks) {
    GameState s;
    SilentEffects fx;
    const CoursePictures pictures = loadCoursePictures(o);
    setUpHole(s, o, pictures);
    for (int64_t t = 1; t <= ticks; ++t) runTick(s, o, pictures, t, fx);
    return s;
}

TEST(SimHole, PuttRollsIntoTheCupForAHoleInOne) {
    const GameState s =
        playUntil(options({cupHole(), "--ball", "1:200:300", "--putt", "1:0:2"}), 150,
                  [](const GameState& g) { return g.screenMode == ScreenMode::BetweenHoles; });
    const playerrec& b = s.playerRecs[1];
    EXPECT_TRUE(b.holed);
    EXPECT_FALSE(b.inPlay);
    EXPECT_EQ(b.x, 5000);
    EXPECT_EQ(b.holeStrokes[1], 1);
    EXPECT_EQ(b.scoreToPar, -1);
    EXPECT_EQ(s.bigMessage, "HOLE IN ONE");
    EXPECT_EQ(s.holeNum, 2);
    EXPECT_EQ(s.screenMode, ScreenMode::BetweenHoles);
    EXPECT_EQ(s.nextHole, "course1hole2");
}

TEST(SimHole, BallBouncesAroundAWalledBoxAndStopsInside) {
    const std::string box = holeFile("box",
        "[area1]\nkind=4\nx1=100\ny1=100\nx2=500\ny2=100\nenabled=1\n"
        "[area2]\nkind=4\nx1=100\ny1=300\nx2=500\ny2=300\nenabled=1\n"
        "[area3]\nkind=2\nx1=100\ny1=100\nx2=100\ny2=300\nenabled=1\n"
        "[area4]\nkind=2\nx1=500\ny1=100\nx2=500\ny2=300\nenabled=1\n"
        "[area5]\nkind=6\nx1=420\ny1=140\nx2=460\ny2=180\nenabled=1\n");
    for (const char* heading : {"20", "75", "150", "230"}) {
        const GameState s = play(options({box, "--ball", "1:300:200", "--putt", std::string("1:") + heading + ":5"}), 3000);
        const playerrec& b = s.playerRecs[1];
        EXPECT_FALSE(b.moving) << heading;
        EXPECT_TRUE(b.x > 100 && b.x < 500 && b.y > 100 && b.y < 300) << heading << ": " << b.x << "," << b.y;
    }
}

TEST(SimHole, WaterHazardReDropsTheBallWithOrWithoutAPenalty) {
    const std::string pond = holeFile("pond",
        "[area1]\nkind=24\nx1=300\ny1=250\nx2=400\ny2=250\nx3=400\ny3=350\nx4=300\ny4=350\n"
        "p1=150\np2=320\nenabled=1\n");
    for (const bool penalty : {false, true}) {
        std::vector<std::string> args = {pond, "--ball", "1:200:300", "--putt", "1:0:2"};
        if (penalty) args.push_back("--minus1");
        const GameState s = play(options(args), 400);
        const playerrec& b = s.playerRecs[1];
        EXPECT_FALSE(b.sunk || b.moving);
        EXPECT_EQ(b.z, 0);
        EXPECT_LE(std::abs(b.x - 150), 25.0);
        EXPECT_LE(std::abs(b.y - 320), 12.5);
        EXPECT_EQ(b.strokes, penalty ? 2 : 1);
    }
}

TEST(SimHole, PipeCarriesTheBallToItsExit) {
    const std::string pipe = holeFile("pipe",
        "[area1]\nkind=26\nx1=300\ny1=300\nr=8\nx2=700\ny2=600\nx3=700\ny3=590\nx4=800\ny4=590\np4=-1\nenabled=1\n");
    const GameState s = play(options({pipe, "--ball", "1:250:300", "--putt", "1:0:1.5"}), 1500);
    const playerrec& b = s.playerRecs[1];
    EXPECT_FALSE(b.piped || b.moving);
    EXPECT_TRUE(b.inPlay);
    // Thrown out toward +x, turned by at most 8 units (about 11 degrees) either way.
    EXPECT_GT(b.x, 700);
    EXPECT_LT(std::abs(b.y - 600), (b.x - 700) * 0.2 + 2);
}

TEST(SimHole, StrokeLimitHolesEachBallAndEndsTheHole) {
    const Options o = options({cupHole(), "--players", "2", "--strokelimit", "1", "--ball", "1:100:500", "--ball",
                               "2:100:700", "--putt", "1:0:1", "--putt", "2:0:1@400"});
    GameState s = playUntil(o, 399, [](const GameState& g) { return g.playerRecs[1].holed && !g.playerRecs[1].inPlay; });
    EXPECT_TRUE(s.playerRecs[1].holed);
    EXPECT_FALSE(s.playerRecs[1].inPlay);
    EXPECT_EQ(s.playerRecs[1].holeStrokes[1], 1);
    EXPECT_EQ(s.bigMessage, "OVER STROKE LIMIT");
    s = play(o, 399);
    EXPECT_EQ(s.curPlayer, 2);
    s = playUntil(o, 800,
                  [](const GameState& g) { return g.screenMode == ScreenMode::BetweenHoles; });
    EXPECT_TRUE(s.playerRecs[2].holed);
    EXPECT_EQ(s.screenMode, ScreenMode::BetweenHoles);
    EXPECT_EQ(s.playerRecs[1].holesWon, 1);  // a tie: both win the hole
    EXPECT_EQ(s.playerRecs[2].holesWon, 1);
}

TEST(SimHole, SubstepsSetThePassesPerTick) {
    for (const auto& [steps, moved] : {std::pair{"1", 1.995}, std::pair{"2", 2.985}, std::pair{"4", 4.95}}) {
        const GameState s = play(options({cupHole(), "--substeps", steps, "--ball", "1:200:600", "--putt", "1:0:1"}), 1);
        EXPECT_NEAR(s.playerRecs[1].x, 200 + moved, 1e-9) << steps;
    }
}

TEST(SimHole, FrameRateSetsThePassesFromTheSecondTickAndPuttsStrikeTheTickBefore) {
    // Tick 1 runs with the passes of --substeps; its end reads 15 frames a second.
    const Options o = options({cupHole(), "--fps", "15", "--ball", "1:200:600", "--putt", "1:0:1"});
    EXPECT_NEAR(play(o, 2).playerRecs[1].x, 200 + 1.995 + (0.99 + 0.985 + 0.98 + 0.975 + 0.97), 1e-9);
    // A putt due at tick 5 is struck in tick 4: counted, moving, not yet moved.
    const Options late = options({cupHole(), "--ball", "1:200:600", "--putt", "1:0:1@5"});
    const GameState s4 = play(late, 4);
    EXPECT_EQ(s4.playerRecs[1].strokes, 1);
    EXPECT_TRUE(s4.playerRecs[1].moving);
    EXPECT_EQ(s4.playerRecs[1].x, 200);
    EXPECT_NEAR(play(late, 5).playerRecs[1].x, 201.995, 1e-9);
}

TEST(SimHole, SetUpDrawsOnlyTheTeeScatterTheStartPlayerAndTheMotes) {
    const Options o = options({cupHole(), "--players", "3", "--seed", "5", "--startplayer", "random"});
    GameState sim;
    setUpHole(sim, o, CoursePictures{});
    GameState own;
    own.numPlayers = 3;
    own.holeNum = 1;
    own.random.seed(5);
    ReadHoleFile(own, cupHole());
    setUpHoleState(own, o.rules);
    scatterMotes(own, 640, 480, 1200);
    EXPECT_EQ(sim.random.state(), own.random.state());
    EXPECT_EQ(sim.curPlayer, own.curPlayer);
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(sim.playerRecs[p].x, own.playerRecs[p].x);
}

// ---- The command ----

struct Result {
    int status = -1;
    std::string out, err;
};

Result runCommand(const std::string& args) {
    const std::string errPath = processScratchDir().string() + "/stderr.txt";
    const std::string command = std::string("'") + ORBIGOLF_SIM_BINARY + "' " + args + " 2>'" + errPath + "'";
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return r;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errPath);
    r.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return r;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The names of a line's fields in order, or nothing when a value has the wrong form.
std::vector<std::string> fieldNames(const std::string& line) {
    std::vector<std::string> names;
    if (line.size() < 2 || line.front() != '{' || line.back() != '}') return {};
    std::istringstream in(line.substr(1, line.size() - 2));
    for (std::string field; std::getline(in, field, ',');) {
        const std::size_t colon = field.find(':');
        if (colon == std::string::npos || field.front() != '"' || field[colon - 1] != '"') return {};
        const std::string value = field.substr(colon + 1);
        std::size_t used = 0;
        const bool number = !value.empty() && (value[0] == '-' || std::isdigit(static_cast<unsigned char>(value[0])));
        if (number) (void)std::stod(value, &used);
        if (!(value == "true" || value == "false" || (number && used == value.size()))) return {};
        names.push_back(field.substr(1, colon - 2));
    }
    return names;
}

TEST(SimCommand, BadOptionsPrintOneLineAndExitWithTwo) {
    const std::string hole = "'" + cupHole() + "'";
    for (const std::string& args : {std::string(), hole + " " + hole, hole + " --players 5", hole + " --players",
                                    hole + " --substeps 3", hole + " --seed -1", hole + " --course-size 100",
                                    hole + " --ball 2:10:10", hole + " --putt 1:0", hole + " --putt 1:0:1@0",
                                    hole + " --nextplayer nearest", hole + " --startplayer last",
                                    hole + " --strokelimit six", hole + " --ticks -1", hole + " --bogus",
                                    hole + " --screen 10x10", hole + " --screen 640", hole + " --fps 0",
                                    hole + " --replay out.replay"}) {
        const Result r = runCommand(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_EQ(lines(r.err).size(), 1u) << args << ": " << r.err;
    }
}

TEST(SimCommand, MissingHoleFilePlaysTheDefaultHoleFor2000Ticks) {
    const std::string missing = processScratchDir().string() + "/no_such.hole";
    const Result r = runCommand("'" + missing + "' --players 2");
    EXPECT_EQ(r.status, 0);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].rfind("{\"tick\":2000,\"player\":1,", 0), 0u) << out[0];
    EXPECT_EQ(out[1].rfind("{\"tick\":2000,\"player\":2,", 0), 0u) << out[1];
    EXPECT_NE(out[1].find("\"inPlay\":false,"), std::string::npos);
    EXPECT_EQ(r.err, "orbigolf-sim: playing the default hole: Cannot open file " + missing + ": no such file or folder\n");
}

TEST(SimCommand, HoleFilesThatAreNoFilesPlayTheDefaultHoleWithoutHangingOrExhaustingMemory) {
    const std::string fifo = processScratchDir().string() + "/sim.fifo";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Result plain = runCommand("'" + processScratchDir().string() + "/no_such.hole' --ticks 5");
    for (const std::string& path : {processScratchDir().string(), std::string("/dev/zero"), fifo}) {
        const Result r = runCommand("'" + path + "' --ticks 5");
        EXPECT_EQ(r.status, 0) << path;
        EXPECT_EQ(r.out, plain.out) << path;
        EXPECT_NE(r.err.find("playing the default hole: Cannot open file " + path), std::string::npos) << r.err;
    }
    ::unlink(fifo.c_str());
}

TEST(SimCommand, TraceLinesFollowTheFormat) {
    const std::vector<std::string> args = {cupHole(), "--players", "2", "--ball", "1:200:300", "--putt", "1:0:2",
                                           "--ticks", "120", "--trace", "--seed", "9"};
    std::string command;
    for (const std::string& a : args) command += "'" + a + "' ";
    const Result r = runCommand(command);
    ASSERT_EQ(r.status, 0);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 120u * 2 + 2);
    const std::vector<std::string> names = {"tick", "player", "x", "y", "z", "heading", "speed", "climb",
                                            "moving", "airborne", "holed", "piped", "sunk", "inPlay",
                                            "strokes", "totalStrokes", "curPlayer"};
    std::vector<std::string> finalNames = names;
    finalNames.push_back("final");
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool final = i >= 240;
        EXPECT_EQ(fieldNames(out[i]), final ? finalNames : names) << out[i];
        const std::string head = "{\"tick\":" + std::to_string(final ? 120 : i / 2 + 1) +
                                 ",\"player\":" + std::to_string(i % 2 + 1) + ",";
        EXPECT_EQ(out[i].rfind(head, 0), 0u) << out[i];
    }
    EXPECT_NE(out[240].find("\"x\":5000,"), std::string::npos) << out[240];
    EXPECT_NE(out[241].find("\"curPlayer\":2"), std::string::npos) << out[241];

    // Reals carry 17 significant digits, so they read back exactly; the library
    // run prints the same lines as the command.
    const GameState s = play(options(args), 1);
    char x[64];
    std::snprintf(x, sizeof x, "\"x\":%.17g,\"y\":%.17g,", s.playerRecs[1].x, s.playerRecs[1].y);
    EXPECT_NE(out[0].find(x), std::string::npos) << out[0] << " lacks " << x;
    std::ostringstream lib;
    std::ostringstream libErr;
    EXPECT_EQ(run(options(args), lib, libErr), 0);
    EXPECT_EQ(libErr.str(), "");
    EXPECT_EQ(lib.str(), r.out);
}

TEST(SimCommand, SameArgumentsGiveTheSameOutput) {
    const std::string rough = holeFile("rough",
        "[area1]\nkind=30\nx1=150\ny1=150\nx2=600\ny2=150\nx3=600\ny3=450\nx4=150\ny4=450\nenabled=1\n");
    const std::string args = "'" + rough + "' --players 3 --seed 77 --sound --collide --trace --ticks 300 "
                             "--putt 1:10:3 --putt 2:100:2@150";
    const Result a = runCommand(args);
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, runCommand(args).out);
    EXPECT_NE(a.out, runCommand(args + " --seed 78").out);
}

}  // namespace
}  // namespace orbigolf::sim
