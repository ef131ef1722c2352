// The solver's solutions as the game screen plays them: the replay orbigolf-sim writes for
// a solution holes the ball in the solver's strokes, and the game screen and the headless
// player move the ball the same way tick for tick.

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "game_screen_support.h"
#include "sim_run.h"
#include "solution_replay.h"
#include "support/built_content.h"

#ifndef ORBIGOLF_HOLE_SOURCES
#define ORBIGOLF_HOLE_SOURCES "."
#endif

namespace orbigolf::testing {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// The ball fields both players must agree on after every tick. While the ball rests the
// game's putting control shows the aim in `heading` and `speed`, and the pull putt leaves
// the heading a turn above 0..255 until the ball's first pass; those are compared while
// the ball moves, the heading modulo a turn.
struct Ball {
    double x, y, z;
    bool moving, airborne, holed, inPlay;
    int32_t strokes, totalStrokes, heading;
    double speed;
    bool operator==(const Ball&) const = default;
};

Ball ballOf(const GameState& s) {
    const playerrec& b = s.playerRecs[1];
    const bool moving = b.moving != 0;
    return Ball{b.x,         b.y,           b.z,      moving,
                b.airborne != 0, b.holed != 0, b.inPlay != 0, b.strokes,
                b.totalStrokes, moving ? angleMod(b.heading) : 0, moving ? b.speed : 0};
}

std::ostream& operator<<(std::ostream& out, const Ball& b) {
    return out << "(" << b.x << ", " << b.y << ", " << b.z << ") moving " << b.moving << " holed " << b.holed
               << " strokes " << b.strokes << " heading " << b.heading << " speed " << b.speed;
}

struct Solution {
    int strokes = 0;
    std::vector<std::string> putts;
    uint64_t seed = 1;
};

std::optional<Solution> readSolution(const fs::path& file) {
    std::ifstream in(file);
    if (!in) return std::nullopt;
    const Json j = Json::parse(in);
    Solution s;
    s.strokes = j.at("strokes").get<int>();
    s.putts = j.at("putts").get<std::vector<std::string>>();
    s.seed = j.value("seed", uint64_t{1});
    return s;
}

sim::Options simOptions(const std::string& hole, const Solution& sol) {
    std::vector<std::string> args{(fs::path(ORBIGOLF_CONTENT_DIR) / (hole + ".hole")).string(), "--seed",
                                  std::to_string(sol.seed)};
    for (const std::string& p : sol.putts) {
        args.push_back("--putt");
        args.push_back(p);
    }
    const sim::ParseResult parsed = sim::parseOptions(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    return parsed.options.value_or(sim::Options{});
}

sim::SolveResult solvedFrom(const sim::Options& o, const Solution& sol) {
    sim::SolveResult r;
    r.solved = true;
    r.strokes = sol.strokes;
    for (const sim::Putt& p : o.putts)
        r.putts.push_back(sim::SolvedPutt{p.heading, static_cast<int>(std::lround(p.speed * 40)), p.tick});
    return r;
}

// The ball after every tick of a replay played by a headless game screen.
std::vector<Ball> gameBalls(const std::string& text, GameState* end = nullptr) {
    std::istringstream in(text);
    const std::vector<replay::Line> lines = replay::parse(in, "solution.replay");
    replay::StartValues start = replay::startValues(lines);
    platform::HeadlessWindow window;
    TMain game(window, nullptr, ORBIGOLF_CONTENT_DIR, start.controls, start.seed);
    if (start.hole) game.setFirstHole(*start.hole);
    game.FormCreate();
    game.show();
    std::vector<Ball> balls;
    replay::play(lines, game, start.controls, [&](int64_t) {
        balls.push_back(ballOf(game.state()));
        return true;
    });
    if (end) *end = game.state();
    return balls;
}

std::vector<std::string> storedSolutionHoles() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(ORBIGOLF_HOLE_SOURCES))
        if (e.path().extension() == ".solution") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SolutionReplay, GameScreenAndHeadlessPlayerMoveTheBallAlikeTickForTick) {
    const std::string hole = "course1hole1";
    const auto sol = readSolution(fs::path(ORBIGOLF_HOLE_SOURCES) / (hole + ".solution"));
    ASSERT_TRUE(sol) << "no stored solution for " << hole;
    ASSERT_TRUE(haveFiles(ORBIGOLF_CONTENT_DIR, {hole + ".dxg", hole + ".dxw", hole + ".hole"}));
    const sim::Options o = simOptions(hole, *sol);
    const sim::ReplayText replay = sim::solutionReplay(o, solvedFrom(o, *sol));
    ASSERT_EQ(replay.error, "");

    const sim::CoursePictures pictures = sim::loadCoursePictures(o);
    ASSERT_TRUE(pictures.loaded);
    GameState s;
    SilentEffects fx;
    sim::setUpHole(s, o, pictures);
    const std::vector<Ball> game = gameBalls(replay.text);
    ASSERT_FALSE(game.empty());
    for (size_t t = 0; t < game.size(); ++t) {
        sim::runTick(s, o, pictures, static_cast<int64_t>(t + 1), fx);
        ASSERT_EQ(ballOf(s), game[t]) << "tick " << t + 1;
    }
    EXPECT_TRUE(game.back().holed && !game.back().inPlay);
}

TEST(SolutionReplay, EveryStoredReplayHolesOutInTheSolversStrokes) {
    int played = 0;
    for (const std::string& hole : storedSolutionHoles()) {
        SCOPED_TRACE(hole);
        const fs::path file = fs::path(ORBIGOLF_HOLE_SOURCES) / (hole + ".replay");
        ASSERT_TRUE(fs::exists(file)) << "every solution has its replay";
        ASSERT_TRUE(haveFiles(ORBIGOLF_CONTENT_DIR, {hole + ".dxg", hole + ".dxw", hole + ".hole"}));
        const auto sol = readSolution(fs::path(ORBIGOLF_HOLE_SOURCES) / (hole + ".solution"));
        ASSERT_TRUE(sol);
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        GameState end;
        const std::vector<Ball> balls = gameBalls(text.str(), &end);
        ASSERT_FALSE(balls.empty());
        EXPECT_EQ(end.holeName, hole);
        EXPECT_TRUE(balls.back().holed && !balls.back().inPlay) << "the ball is not holed at the replay's end";
        EXPECT_EQ(balls.back().strokes, sol->strokes);
        ++played;
    }
    EXPECT_GT(played, 0) << "no stored solutions";
}

}  // namespace
}  // namespace orbigolf::testing
