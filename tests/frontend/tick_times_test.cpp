// A replay's tick times: whole blocks of 100 ticks after each game's first tick, and a
// game that plays the same with them as without.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "frontend/program.h"
#include "frontend/tick_times.h"
#include "scratch_dir.h"

namespace orbigolf::frontend {
namespace {

using Json = nlohmann::json;

TEST(TickTimes, CountsFromEachGamesFirstTickInWholeBlocks) {
    TickTimes times;
    for (int64_t tick = 1; tick <= 250; ++tick) times.tickEnded(tick);
    EXPECT_EQ(times.ticks(), 249);
    EXPECT_EQ(times.blocks().size(), 2u);  // 49 ticks are left over
    // A second game numbered from 1 again starts the clock again instead of counting the pause.
    for (int64_t tick = 1; tick <= 52; ++tick) times.tickEnded(tick);
    EXPECT_EQ(times.ticks(), 300);
    EXPECT_EQ(times.blocks().size(), 3u);

    const Json j = Json::parse(times.json());
    EXPECT_EQ(j["ticks"], 300);
    EXPECT_EQ(j["block_ticks"], 100);
    ASSERT_EQ(j["blocks_ms"].size(), 3u);
    const std::vector<double> blocks = j["blocks_ms"].get<std::vector<double>>();
    std::vector<double> sorted = blocks;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NEAR(j["median_block_ms"].get<double>(), sorted[1], 0.0011);
    EXPECT_GE(j["total_ms"].get<double>() + 0.002, blocks[0] + blocks[1] + blocks[2]);

    EXPECT_EQ(TickTimes().medianBlockMs(), 0);
    EXPECT_EQ(Json::parse(TickTimes().json())["blocks_ms"].size(), 0u);
}

TEST(TickTimes, ReplayWritesThemBesideAnUnchangedSummary) {
    ScratchDir dir("tick-times");
    const std::string replay = (dir / "run.replay").string();
    std::ofstream(replay) << "orbigolf-replay 1\ntick 2\nkeydown Space\nkeyup Space\nend 321\n";
    auto play = [&](bool withTimes) {
        ProgramOptions o;
        o.dataDir = ORBIGOLF_CONTENT_DIR;
        o.replay = replay;
        o.headless = true;
        o.summary = (dir / (withTimes ? "with.json" : "without.json")).string();
        if (withTimes) o.tickTimes = (dir / "times.json").string();
        std::ostringstream err;
        EXPECT_EQ(runProgram(o, nullptr, err), 0) << err.str();
        std::ifstream in(*o.summary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(play(true), play(false));
    std::ifstream in(dir / "times.json");
    const Json times = Json::parse(in);
    EXPECT_EQ(times["ticks"], 320);
    EXPECT_EQ(times["blocks_ms"].size(), 3u);
    EXPECT_GT(times["median_block_ms"].get<double>(), 0);
}

}  // namespace
}  // namespace orbigolf::frontend
