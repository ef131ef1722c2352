// The replay format: what is refused (with its line), how ticks, frame rates and events
// are ordered, and the hand-written replays in replays/.

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "frontend/program.h"
#include "game_screen_support.h"
#include "scratch_dir.h"

#ifndef ORBIGOLF_REPLAY_DIR
#define ORBIGOLF_REPLAY_DIR "."
#endif

namespace orbigolf::testing {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

std::string refusal(const std::string& text) {
    std::istringstream in(text);
    try {
        replay::parse(in, "bad.replay");
    } catch (const replay::ReplayError& e) {
        return e.what();
    }
    return "";
}

TEST(ReplayFormat, RefusesWhatIsNotInTheFormatWithTheLineAndTheReason) {
    EXPECT_EQ(refusal("seed 1\n"), "bad.replay:1: not a replay (no \"orbigolf-replay 1\" line)");
    EXPECT_EQ(refusal("orbigolf-replay 3\n"), "bad.replay:1: replay version 3 is not supported");
    EXPECT_EQ(refusal("orbigolf-replay 2\n"), "bad.replay: a version 2 replay plays the whole program");
    EXPECT_EQ(refusal("orbigolf-replay 1\nkeypress a\n"), "bad.replay:2: \"keypress\" belongs to version 2 replays");
    EXPECT_EQ(refusal("orbigolf-replay 1\nkeydown Tab shift\n"), "bad.replay:2: keydown takes 1 values");
    EXPECT_EQ(refusal("# c\norbigolf-replay 1\n\njump 3\n"), "bad.replay:4: unknown line \"jump\"");
    EXPECT_EQ(refusal("orbigolf-replay 1\nseed x1\n"), "bad.replay:2: bad seed \"x1\"");
    EXPECT_EQ(refusal("orbigolf-replay 1\ntick 5\ntick 4\n"), "bad.replay:3: tick 4 goes backwards (after tick 5)");
    EXPECT_EQ(refusal("orbigolf-replay 1\nmousemove 10 99999\n"),
              "bad.replay:2: coordinate 99999 is far outside the screen");
    EXPECT_EQ(refusal("orbigolf-replay 1\nkeydown Hyper\n"), "bad.replay:2: unknown key \"Hyper\"");
    EXPECT_EQ(refusal("orbigolf-replay 1\nhole ../secret\n"),
              "bad.replay:2: hole name \"../secret\" is not a file name of the data folder");
    EXPECT_EQ(refusal("orbigolf-replay 1\nhole ..\n"), "bad.replay:2: hole name \"..\" is not a file name of the data folder");
    EXPECT_EQ(refusal("orbigolf-replay 1\nhole a\\b\n"),
              "bad.replay:2: hole name \"a\\b\" is not a file name of the data folder");
    EXPECT_EQ(refusal("orbigolf-replay 1\ntick 1\nhole course1hole2\n"),
              "bad.replay:3: hole must come before the first event");
    EXPECT_EQ(refusal("orbigolf-replay 1\nhole a\nhole b\n"), "bad.replay:3: a replay names one first hole");
    EXPECT_EQ(refusal("orbigolf-replay 1\nfullscreen\n"), "bad.replay:2: \"fullscreen\" belongs to version 2 replays");
    EXPECT_EQ(refusal("orbigolf-replay 1\nmousedown up 1 2\n"), "bad.replay:2: unknown mouse button \"up\"");
    EXPECT_EQ(refusal("orbigolf-replay 1\ncontrol players 4\n"), "bad.replay:2: control players takes an index 0..3");
    EXPECT_EQ(refusal("orbigolf-replay 1\ncontrol colour 1\n"), "bad.replay:2: unknown control colour");
    EXPECT_EQ(refusal("orbigolf-replay 1\nfps 0\n"), "bad.replay:2: frame rate 0 is outside 1..1000");
    EXPECT_EQ(refusal("orbigolf-replay 1\ntick 2\nseed 3\n"), "bad.replay:3: seed after the game has started");
    EXPECT_EQ(refusal("orbigolf-replay 1\nend 3\ntick 4\n"), "bad.replay:3: line after the end line");
    EXPECT_EQ(refusal("orbigolf-replay 1\nclick 1\n"), "bad.replay:2: click takes 2 values");
    EXPECT_EQ(refusal("orbigolf-replay 1\nfps 60\r\ntick 1\r\n"), "");
}

TEST(ReplayFormat, EveryKeyCodeHasOneNameThatReadsBack) {
    for (int code = 1; code <= replay::kLastKeyCode; ++code) {
        const std::optional<std::string> name = replay::keyName(code);
        ASSERT_TRUE(name) << code;
        EXPECT_EQ(replay::keyCode(*name), code) << *name;
    }
    EXPECT_EQ(replay::keyName(vk::VK_SHIFT), "Shift");
    EXPECT_EQ(replay::keyName(vk::VK_OEM_COMMA), "Comma");
    EXPECT_EQ(replay::keyName(vk::VK_NUMPAD0 + 7), "Num7");
    EXPECT_EQ(replay::keyName(vk::VK_F1 + 12), "F13");
    EXPECT_EQ(replay::keyName(7), "Key7");
    EXPECT_FALSE(replay::keyName(0));
    EXPECT_FALSE(replay::keyName(255));
    for (const char* bad : {"F25", "F01", "a", "Key0", "Key255", "Key07", "Key186", "Key"})
        EXPECT_FALSE(replay::keyCode(bad)) << bad;
}

TEST(ReplayFormat, ControlValuesKeepTheRestOfTheLine) {
    std::istringstream in("orbigolf-replay 1\nseed 99\ncontrol player1 Ann  Lee\ncontrol players 1\ntick 1\n");
    const replay::StartValues v = replay::startValues(replay::parse(in, "r"));
    EXPECT_EQ(v.seed, 99u);
    EXPECT_EQ(v.controls.player[0], "Ann  Lee");
    EXPECT_EQ(v.controls.players, 1);
}

TEST(ReplayRun, TicksRunInOrderWithTheirFrameRates) {
    // Ticks 1..9 run before the events of tick 10; tick 10 runs at 15 fps; end runs 11..12 at 15.
    const std::string text =
        "orbigolf-replay 1\nfps 50\ntick 10\nkeydown Space\nfps 15\nend 12\n";
    std::istringstream in(text);
    const auto lines = replay::parse(in, "r");
    replay::StartValues start = replay::startValues(lines);
    platform::HeadlessWindow window;
    TMain game(window, nullptr, ORBIGOLF_CONTENT_DIR, start.controls, start.seed);
    game.FormCreate();
    game.show();
    std::vector<int> substeps;
    const int64_t ran = replay::play(lines, game, start.controls, [&](int64_t) {
        substeps.push_back(game.state().substeps);
        return true;
    });
    EXPECT_EQ(ran, 12);
    ASSERT_EQ(substeps.size(), 12u);
    EXPECT_EQ(substeps[8], 1);   // tick 9 at 50 fps
    EXPECT_EQ(substeps[9], 1);   // tick 10 was named at 50 fps
    EXPECT_EQ(substeps[10], 4);  // tick 11 at 15 fps
    EXPECT_EQ(game.state().screenMode, ScreenMode::Play);  // the key dismissed the card
}

// Plays replay text on a fresh headless game screen; returns the summary and the trace.
std::pair<std::string, std::string> summaryAndTrace(const std::string& text) {
    std::istringstream in(text);
    const std::vector<replay::Line> lines = replay::parse(in, "test.replay");
    replay::StartValues start = replay::startValues(lines);
    platform::HeadlessWindow window;
    TMain game(window, nullptr, ORBIGOLF_CONTENT_DIR, start.controls, start.seed);
    if (start.hole) game.setFirstHole(*start.hole);
    game.FormCreate();
    game.show();
    std::string trace;
    const int64_t ran = replay::play(lines, game, start.controls, [&](int64_t tick) {
        trace += replay::traceJson(game, tick) + "\n";
        return true;
    });
    return {replay::summaryJson(game, ran), trace};
}

TEST(ReplayRun, AFrameRateBeforeTheFirstTickSetsTheRateOfTheFirstTicks) {
    const auto [summary, trace] = summaryAndTrace("orbigolf-replay 1\nfps 15\ntick 2\nfps 30\nend 3\n");
    std::istringstream lines(trace);
    std::vector<int> substeps;
    for (std::string line; std::getline(lines, line);) substeps.push_back(Json::parse(line)["substeps"]);
    EXPECT_EQ(substeps, (std::vector<int>{4, 4, 2}));
}

TEST(ReplayRun, GamesRecordedAt60_30And15ReplayToTheSameSummaryAndTrace) {
    for (const int fps : {60, 30, 15}) {
        SCOPED_TRACE(fps);
        GameRun run;
        std::string trace;
        int64_t ticks = 0;
        auto tick = [&](int n) {
            for (int i = 0; i < n; ++i) {
                run.tick(1, fps);
                trace += replay::traceJson(run.game(), ++ticks) + "\n";
            }
        };
        tick(120);
        run.dismissCard();
        tick(2);
        run.press(run.ballScreenX(), run.ballScreenY());
        run.followCursor();
        tick(1);
        run.moveTo(run.s().dropX + 30, run.s().dropY + 60);
        tick(1);
        run.release(run.s().dropX + 30, run.s().dropY + 60);
        tick(400);
        ASSERT_EQ(run.s().playerRecs[1].strokes, 1);
        const std::string live = replay::summaryJson(run.game(), ticks);
        const auto [summary, replayed] = summaryAndTrace(run.recorded());
        EXPECT_EQ(summary, live);
        EXPECT_EQ(replayed, trace);
    }
}

TEST(ReplayRun, AHoleLineStartsTheGameOnThatHole) {
    const Json j = Json::parse(summaryAndTrace("orbigolf-replay 1\nhole course1hole3\nend 3\n").first);
    EXPECT_EQ(j["holeName"], "course1hole3");
    EXPECT_EQ(j["ticks"], 3);
}

TEST(ReplayRun, NoTickRunsOnceTheGameHasClosed) {
    int64_t ticks = 0;
    const Json j = Json::parse(playReplay(
        "orbigolf-replay 1\ntick 3\nkeydown Escape\ntick 4\nkeydown Escape\nkeydown Enter\ntick 8\nend 20\n", &ticks));
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(j["closed"].get<bool>());
    EXPECT_EQ(j["ticks"], 3);
}

TEST(ReplayRun, TheSameReplayGivesTheSameSummaryTraceAndScreenshot) {
    const ScratchDir dir("replay-determinism");
    const std::string file = std::string(ORBIGOLF_REPLAY_DIR) + "/aim_and_putt.replay";
    auto runOnce = [&](const std::string& tag) {
        frontend::ProgramOptions o;
        o.dataDir = ORBIGOLF_CONTENT_DIR;
        o.replay = file;
        o.headless = true;
        o.summary = (dir / (tag + ".json")).string();
        o.trace = (dir / (tag + ".jsonl")).string();
        o.screenshot = (dir / (tag + ".png")).string();
        std::ostringstream err;
        EXPECT_EQ(frontend::runProgram(o, nullptr, err), 0) << err.str();
    };
    runOnce("a");
    runOnce("b");
    for (const char* ext : {".json", ".jsonl", ".png"}) {
        std::ifstream a(dir / ("a" + std::string(ext)), std::ios::binary), b(dir / ("b" + std::string(ext)), std::ios::binary);
        const std::string ta((std::istreambuf_iterator<char>(a)), {}), tb((std::istreambuf_iterator<char>(b)), {});
        EXPECT_FALSE(ta.empty()) << ext;
        EXPECT_EQ(ta, tb) << ext;
    }
    // Reals read back exactly from the trace.
    std::ifstream trace(dir / "a.jsonl");
    std::string line;
    int lines = 0;
    while (std::getline(trace, line)) {
        const Json j = Json::parse(line);
        EXPECT_EQ(j["tick"], ++lines);
    }
}

TEST(ReplayRun, ANameThatIsNotUtf8IsWrittenWithAReplacementCharacter) {
    const ScratchDir dir("replay-name");
    std::ofstream(dir / "name.replay", std::ios::binary)
        << "orbigolf-replay 1\ncontrol players 1\ncontrol player1 Jos\xe9\ncontrol player2 Zo\xc3\xab\ntick 3\nend 4\n";
    frontend::ProgramOptions o;
    o.dataDir = ORBIGOLF_CONTENT_DIR;
    o.replay = (dir / "name.replay").string();
    o.headless = true;
    o.summary = (dir / "summary.json").string();
    o.trace = (dir / "trace.jsonl").string();
    std::ostringstream err;
    ASSERT_EQ(frontend::runProgram(o, nullptr, err), 0) << err.str();
    std::ifstream in(*o.summary);
    const Json s = Json::parse(in);
    EXPECT_EQ(s["players"][0]["name"], "Jos\uFFFD");
    EXPECT_EQ(s["players"][1]["name"], "Zoë");
}

TEST(ReplayRun, ABadReplayIsRefusedBeforeTheGameStarts) {
    const ScratchDir dir("bad-replay");
    const fs::path file = dir / "bad.replay";
    std::ofstream(file) << "orbigolf-replay 1\ntick 1\nmousemove 1 2 3\n";
    frontend::ProgramOptions o;
    o.dataDir = ORBIGOLF_CONTENT_DIR;
    o.replay = file.string();
    o.headless = true;
    std::ostringstream err;
    EXPECT_EQ(frontend::runProgram(o, nullptr, err), 1);
    EXPECT_NE(err.str().find(":3: mousemove takes 2 values"), std::string::npos) << err.str();
}

// Each hand-written replay in replays/ has NAME.replay and NAME.expect.json: the fields
// of the summary it must give.
TEST(ReplayRun, HandWrittenReplaysGiveTheirExpectedSummaries) {
    int checked = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(ORBIGOLF_REPLAY_DIR)) {
        if (e.path().extension() != ".replay") continue;
        fs::path expectFile = e.path();
        expectFile.replace_extension(".expect.json");
        if (!fs::exists(expectFile)) {
            ADD_FAILURE() << e.path().filename() << " has no " << expectFile.filename();
            continue;
        }
        std::ifstream in(e.path()), ex(expectFile);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        const Json got = Json::parse(playReplay(text));
        const Json expected = Json::parse(ex);
        for (const auto& [key, value] : expected.items()) {
            if (key == "players") {
                for (size_t p = 0; p < value.size(); ++p)
                    for (const auto& [field, v] : value[p].items())
                        EXPECT_EQ(got["players"][p][field], v) << e.path().filename() << " player " << p + 1 << " " << field;
            } else {
                EXPECT_EQ(got[key], value) << e.path().filename() << " " << key;
            }
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace orbigolf::testing
