// orbigolf-sim --solve: the putt texts, the search on small holes, and that the putts it
// prints, given back as --putt arguments, hole the ball in the strokes it says.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sim_options.h"
#include "sim_run.h"
#include "solution_replay.h"
#include "solver.h"
#include "scratch_dir.h"

namespace orbigolf::sim {
namespace {

std::string holeFile(const std::string& name, const std::string& text) {
    const std::string path = processScratchDir().string() + "/solver_" + name + ".hole";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A walled box with a wall across most of it: the cup hides behind the wall's end.
const std::string& cornerHole() {
    static const std::string path = holeFile("corner",
        "[course]\npar=3\n[ball]\nx=160\ny=150\n"
        "[area1]\nkind=4\nx1=100\ny1=100\nx2=500\ny2=100\nenabled=1\n"
        "[area2]\nkind=4\nx1=100\ny1=300\nx2=500\ny2=300\nenabled=1\n"
        "[area3]\nkind=2\nx1=100\ny1=100\nx2=100\ny2=300\nenabled=1\n"
        "[area4]\nkind=2\nx1=500\ny1=100\nx2=500\ny2=300\nenabled=1\n"
        "[area5]\nkind=2\nx1=300\ny1=100\nx2=300\ny2=240\nenabled=1\n"
        "[area6]\nkind=5\nx1=420\ny1=150\nr=8\nenabled=1\ncomment=corner\n");
    return path;
}

Options options(std::vector<std::string> args) {
    const ParseResult r = parseOptions(args);
    EXPECT_TRUE(r.options.has_value()) << r.error;
    return r.options.value_or(Options{});
}

TEST(SolverText, SpeedsPrintWithAtMostThreeDecimalsAndParseBackExactly) {
    struct Case {
        int steps;
        const char* text;
    };
    for (const Case c : {Case{4, "1:7:0.1@1"}, Case{6, "1:7:0.15@1"}, Case{81, "1:7:2.025@1"}, Case{80, "1:7:2@1"},
                         Case{160, "1:7:4@1"}, Case{157, "1:7:3.925@1"}}) {
        EXPECT_EQ(puttText({7, c.steps, 1}), c.text);
        const Options o = options({"x.hole", "--putt", c.text});
        ASSERT_EQ(o.putts.size(), 1u);
        EXPECT_EQ(o.putts[0].speed, c.steps / 40.0) << c.text;
    }
    EXPECT_EQ(puttText({255, 40, 1234}), "1:255:1@1234");
    EXPECT_EQ(solveJson(SolveResult{}), "{\"solved\":false}");
    SolveResult r;
    r.solved = true;
    r.strokes = 2;
    r.putts = {{3, 40, 1}, {200, 81, 377}};
    EXPECT_EQ(solveJson(r), "{\"solved\":true,\"strokes\":2,\"putts\":[\"1:3:1@1\",\"1:200:2.025@377\"]}");
}

TEST(Solver, FindsPuttsThatHoleTheBallWhenReplayedAsPuttArguments) {
    const Options o = options({cornerHole(), "--seed", "7", "--course-size", "648x480"});
    SolveLimits limits;
    limits.maxStrokes = 3;
    const SolveResult r = solve(o, limits);
    ASSERT_TRUE(r.solved);
    ASSERT_FALSE(r.putts.empty());
    std::vector<std::string> args = {cornerHole(), "--seed", "7", "--course-size", "648x480"};
    for (const SolvedPutt& p : r.putts) {
        EXPECT_GE(p.speedSteps, 4);
        EXPECT_LE(p.speedSteps, 160);
        EXPECT_GE(p.heading, 0);
        EXPECT_LE(p.heading, 255);
        args.push_back("--putt");
        args.push_back(puttText(p));
    }
    const Options replay = options(args);
    GameState s;
    SilentEffects fx;
    const CoursePictures pictures = loadCoursePictures(replay);
    setUpHole(s, replay, pictures);
    int64_t settled = s.recentre ? -1 : 0;  // when the view settled on the resting ball
    for (int64_t t = 1; t <= r.putts.back().tick + 3000 && s.playerRecs[1].inPlay; ++t) {
        // Every putt is struck by the tick before its own, a player's lead after the ball
        // came to rest and the view settled on it.
        for (size_t i = 0; i < r.putts.size(); ++i)
            if (r.putts[i].tick == t + 1) {
                EXPECT_FALSE(s.playerRecs[1].moving);
                EXPECT_EQ(settled, r.putts[i].tick - kPuttLead) << "putt " << i << " is not struck a lead after the rest";
            }
        runTick(s, replay, pictures, t, fx);
        if (s.playerRecs[1].moving || s.recentre) settled = -1;
        else if (settled < 0) settled = t;
    }
    EXPECT_TRUE(s.playerRecs[1].holed);
    EXPECT_FALSE(s.playerRecs[1].inPlay);
    EXPECT_EQ(s.playerRecs[1].strokes, r.strokes);
}

TEST(Solver, ACupShutInByWallsIsNotSolved) {
    const std::string shut = holeFile("shut",
        "[ball]\nx=150\ny=200\n"
        "[area1]\nkind=4\nx1=350\ny1=170\nx2=450\ny2=170\nenabled=1\n"
        "[area2]\nkind=4\nx1=350\ny1=230\nx2=450\ny2=230\nenabled=1\n"
        "[area3]\nkind=2\nx1=350\ny1=170\nx2=350\ny2=230\nenabled=1\n"
        "[area4]\nkind=2\nx1=450\ny1=170\nx2=450\ny2=230\nenabled=1\n"
        "[area5]\nkind=5\nx1=400\ny1=200\nr=8\nenabled=1\n");
    SolveLimits limits;
    limits.maxStrokes = 1;
    EXPECT_FALSE(solve(options({shut, "--course-size", "648x480"}), limits).solved);
}

std::pair<int, std::string> runSim(const std::string& args) {
    const std::string command = std::string("'") + ORBIGOLF_SIM_BINARY + "' " + args + " 2>/dev/null";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, out};
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

TEST(SolverCommand, PrintsOneJsonLineAndExitsZeroOnlyWhenSolved) {
    const auto [status, out] = runSim("'" + cornerHole() + "' --seed 7 --course-size 648x480 --solve --max-strokes 3");
    EXPECT_EQ(status, 0);
    // The line is exactly what solveJson makes of the same search.
    SolveLimits limits;
    limits.maxStrokes = 3;
    const SolveResult r = solve(options({cornerHole(), "--seed", "7", "--course-size", "648x480"}), limits);
    EXPECT_EQ(out, solveJson(r) + "\n");
    EXPECT_EQ(out.rfind("{\"solved\":true,\"strokes\":", 0), 0u) << out;
    const auto [badStatus, badOut] = runSim("'" + cornerHole() + "' --solve --max-strokes 0");
    EXPECT_EQ(badStatus, 2);
}

TEST(SolverCommand, ReplayOfASolutionStartsOnTheHoleMakesEachPuttWithTheMouseAndEndsAtTheHoleOut) {
    const std::string file = processScratchDir().string() + "/solution.replay";
    const auto [status, out] =
        runSim("'" + cornerHole() + "' --seed 7 --course-size 648x480 --solve --max-strokes 3 --replay '" + file + "'");
    ASSERT_EQ(status, 0) << out;
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    const Options o = options({cornerHole(), "--seed", "7", "--course-size", "648x480"});
    SolveLimits limits;
    limits.maxStrokes = 3;
    const SolveResult r = solve(o, limits);
    const ReplayText expected = solutionReplay(o, r);
    ASSERT_EQ(expected.error, "");
    EXPECT_EQ(text.str(), expected.text);

    const std::string& t = expected.text;
    EXPECT_EQ(t.rfind("orbigolf-replay 1\n", 0), 0u);
    EXPECT_NE(t.find("\nseed 7\n"), std::string::npos);
    EXPECT_NE(t.find("\nhole solver_"), std::string::npos);
    EXPECT_NE(t.find("\ncontrol pull1 1\n"), std::string::npos);
    size_t presses = 0, releases = 0;
    for (size_t at = 0; (at = t.find("mousedown left ", at)) != std::string::npos; ++at) ++presses;
    for (size_t at = 0; (at = t.find("mouseup left ", at)) != std::string::npos; ++at) ++releases;
    EXPECT_EQ(presses, r.putts.size());
    EXPECT_EQ(releases, r.putts.size());
    const size_t end = t.rfind("end ");
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(t.substr(t.find('\n', end)), "\n");  // the last line

    // A screen or stroke limit the game does not offer, or balls placed by hand, cannot
    // be replayed.
    for (const auto& extra : {std::vector<std::string>{"--screen", "700x500"}, {"--strokelimit", "12"},
                              {"--ball", "1:200:200"}}) {
        std::vector<std::string> args{cornerHole(), "--seed", "7", "--course-size", "648x480"};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_NE(solutionReplay(options(args), r).error, "") << extra[0];
    }
}

}  // namespace
}  // namespace orbigolf::sim
