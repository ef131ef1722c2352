// Whole games on the Demo Course, played through the game screen's handlers and ticks,
// then played back from their recorded replays.

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "game_screen_support.h"

namespace orbigolf::testing {
namespace {

using Json = nlohmann::json;

struct Putt {
    int32_t heading;
    double speed;
};

// Strokes that reach the cup or near it on the content set's holes. They are struck at
// this test's own pace, not at the ticks of the solver's solutions (which their replays
// check exactly), so where a big message shakes or the scenery draws random numbers at
// other ticks the ball may end elsewhere; short putts then finish the hole at the stroke
// limit of 6.
const std::vector<Putt> kHole1 = {{32, 3.7}, {58, 2.65}};
const std::vector<Putt> kHole2 = {{113, 3.8}};
const std::vector<Putt> kHole3 = {{244, 3.9}, {200, 2.9}};

bool holeOver(GameRun& run) {
    return run.s().screenMode == ScreenMode::BetweenHoles || run.s().gameOver;
}

void playHole(GameRun& run, const std::vector<Putt>& putts) {
    run.dismissCard();
    for (const Putt& p : putts) {
        if (holeOver(run)) return;
        ASSERT_NO_FATAL_FAILURE(run.pullPutt(p.heading, p.speed));
        run.tick(3);
    }
    for (int i = 0; i < 6 && !holeOver(run); ++i) {
        ASSERT_NO_FATAL_FAILURE(run.pullPutt(64 * (i % 4), 0.5));
        run.tick(3);
    }
    ASSERT_TRUE(holeOver(run));
}

LaunchPadControls strokeLimitSix() {
    LaunchPadControls c;
    c.strokelimit = 3;  // "6"
    return c;
}

TEST(WholeGame, OnePlayerPlaysTheDemoCourseToTheScoreCardAndTheReplayAgrees) {
    GameRun run(strokeLimitSix());
    EXPECT_EQ(run.s().holeName, "course1hole1");
    ASSERT_NO_FATAL_FAILURE(playHole(run, kHole1));
    EXPECT_EQ(run.s().screenMode, ScreenMode::BetweenHoles);
    // The result fades, then the next hole is set up and shows its card.
    ASSERT_TRUE(run.tickUntil([&] { return run.s().screenMode == ScreenMode::HoleCard; }, 2000));
    EXPECT_EQ(run.s().holeName, "course1hole2");
    EXPECT_EQ(run.s().holeNum, 2);
    ASSERT_NO_FATAL_FAILURE(playHole(run, kHole2));
    ASSERT_TRUE(run.tickUntil([&] { return run.s().screenMode == ScreenMode::HoleCard; }, 2000));
    EXPECT_EQ(run.s().holeName, "course1hole3");
    ASSERT_NO_FATAL_FAILURE(playHole(run, kHole3));
    run.tick(5);
    EXPECT_TRUE(run.s().gameOver);
    EXPECT_EQ(run.s().screenMode, ScreenMode::ScoreCard);
    const playerrec& b = run.s().playerRecs[1];
    // Each hole ends holed or at the stroke limit of 6.
    for (int h = 1; h <= 3; ++h) {
        EXPECT_GE(b.holeStrokes[h], 1);
        EXPECT_LE(b.holeStrokes[h], 6);
    }
    EXPECT_EQ(b.totalStrokes, b.holeStrokes[1] + b.holeStrokes[2] + b.holeStrokes[3]);
    EXPECT_EQ(b.scoreToPar, b.totalStrokes - run.s().coursePar);
    // Any click on the final score card leaves the game.
    run.click(300, 300);
    EXPECT_TRUE(run.game().closed());
    const std::string live = replay::summaryJson(run.game(), 0);

    int64_t ticks = 0;
    const std::string recorded = run.recorded();
    // ORBIGOLF_SAVE_REPLAY=FILE keeps the recorded game, e.g. for timing headless replays.
    if (const char* save = std::getenv("ORBIGOLF_SAVE_REPLAY")) std::ofstream(save) << recorded;
    const Json played = Json::parse(playReplay(recorded, &ticks));
    Json expected = Json::parse(live);
    expected["ticks"] = ticks;
    EXPECT_EQ(played, expected);
    EXPECT_TRUE(played["closed"].get<bool>());
    EXPECT_EQ(played["players"][0]["holeStrokes"], Json::array({b.holeStrokes[1], b.holeStrokes[2], b.holeStrokes[3]}));
}

TEST(WholeGame, TwoPlayersFarthestAwayPlaysTheBallFarthestFromTheCup) {
    LaunchPadControls c;
    c.players = 1;
    c.nextplayer = 1;
    GameRun run(c);
    run.dismissCard();
    EXPECT_EQ(run.s().curPlayer, 1);
    EXPECT_FALSE(run.s().playerRecs[2].inPlay);
    ASSERT_NO_FATAL_FAILURE(run.pullPutt(32, 3.7));
    // Player 2 is still on the tee, farther from the cup than player 1's ball.
    EXPECT_EQ(run.s().curPlayer, 2);
    EXPECT_TRUE(run.s().playerRecs[2].inPlay);
    ASSERT_NO_FATAL_FAILURE(run.pullPutt(32, 0.5));
    const GameState& s = run.s();
    const auto dist = [&](int p) {
        return plainDist(roundInt(s.playerRecs[p].x), roundInt(s.playerRecs[p].y), s.cupX, s.cupY);
    };
    EXPECT_EQ(s.curPlayer, dist(2) >= dist(1) ? 2 : 1);
    const Json summary = Json::parse(playReplay(run.recorded()));
    EXPECT_EQ(summary["curPlayer"], s.curPlayer);
    EXPECT_EQ(summary["players"].size(), 2u);
    EXPECT_EQ(summary["players"][1]["x"].get<double>(), s.playerRecs[2].x);
}

TEST(WholeGame, TrainingStartsOnTheTrainingHoleWithoutAStrokeLimit) {
    LaunchPadControls c;
    c.training = true;
    c.strokelimit = 3;  // "6"
    GameRun run(c);
    EXPECT_EQ(run.s().holeName, "training1");
    run.dismissCard();
    for (int i = 0; i < 7; ++i) ASSERT_NO_FATAL_FAILURE(run.pullPutt(64 * (i % 4), 0.3));
    EXPECT_EQ(run.s().playerRecs[1].strokes, 7);
    EXPECT_FALSE(run.s().playerRecs[1].holed);
}

TEST(WholeGame, ASixthStrokeOutsideTheCupEndsTheHoleWithStrokeLimitSix) {
    LaunchPadControls c;
    c.strokelimit = 3;  // "6"
    GameRun run(c);
    run.dismissCard();
    for (int i = 0; i < 6; ++i) ASSERT_NO_FATAL_FAILURE(run.pullPutt(64 * (i % 4), 0.3));
    run.tick(3);
    EXPECT_TRUE(run.s().playerRecs[1].holed);
    EXPECT_EQ(run.s().playerRecs[1].holeStrokes[1], 6);
    EXPECT_EQ(run.s().screenMode, ScreenMode::BetweenHoles);
}

}  // namespace
}  // namespace orbigolf::testing
