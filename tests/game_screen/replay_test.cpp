// The replay format: what is refused (with its line), how ticks, frame rates and events
// are ordered, and the hand-written replays in replays/.

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "frontend/program.h"
#include "game_screen_support.h"

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
    EXPECT_EQ(refusal("orbigolf-replay 1\nkeydown Shift\n"), "bad.replay:2: unknown key \"Shift\"");
    EXPECT_EQ(refusal("orbigolf-replay 1\nmousedown up 1 2\n"), "bad.replay:2: unknown mouse button \"up\"");
    EXPECT_EQ(refusal("orbigolf-replay 1\ncontrol players 4\n"), "bad.replay:2: control players takes an index 0..3");
    EXPECT_EQ(refusal("orbigolf-replay 1\ncontrol colour 1\n"), "bad.replay:2: unknown control colour");
    EXPECT_EQ(refusal("orbigolf-replay 1\nfps 0\n"), "bad.replay:2: frame rate 0 is outside 1..1000");
    EXPECT_EQ(refusal("orbigolf-replay 1\ntick 2\nseed 3\n"), "bad.replay:3: seed after the game has started");
    EXPECT_EQ(refusal("orbigolf-replay 1\nend 3\ntick 4\n"), "bad.replay:3: line after the end line");
    EXPECT_EQ(refusal("orbigolf-replay 1\nclick 1\n"), "bad.replay:2: click takes 2 values");
    EXPECT_EQ(refusal("orbigolf-replay 1\nfps 60\r\ntick 1\r\n"), "");
}

TEST(ReplayFormat, KeyNamesRoundTrip) {
    for (const char* name : {"F1", "F12", "Escape", "Enter", "Space", "PageUp", "A", "Z", "0", "9", "Backspace"}) {
        const std::optional<int> code = replay::keyCode(name);
        ASSERT_TRUE(code) << name;
        EXPECT_EQ(replay::keyName(*code), name);
    }
    EXPECT_FALSE(replay::keyCode("F13"));
    EXPECT_FALSE(replay::keyCode("F01"));
    EXPECT_FALSE(replay::keyCode("a"));
    EXPECT_FALSE(replay::keyName(vk::VK_SHIFT));
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

TEST(ReplayRun, NoTickRunsOnceTheGameHasClosed) {
    int64_t ticks = 0;
    const Json j = Json::parse(playReplay(
        "orbigolf-replay 1\ntick 3\nkeydown Escape\ntick 4\nkeydown Escape\nkeydown Enter\ntick 8\nend 20\n", &ticks));
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(j["closed"].get<bool>());
    EXPECT_EQ(j["ticks"], 3);
}

TEST(ReplayRun, TheSameReplayGivesTheSameSummaryTraceAndScreenshot) {
    const fs::path dir = fs::temp_directory_path() / "orbigolf-replay-determinism";
    fs::create_directories(dir);
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
    fs::remove_all(dir);
}

TEST(ReplayRun, ABadReplayIsRefusedBeforeTheGameStarts) {
    const fs::path file = fs::temp_directory_path() / "orbigolf-bad.replay";
    std::ofstream(file) << "orbigolf-replay 1\ntick 1\nmousemove 1 2 3\n";
    frontend::ProgramOptions o;
    o.dataDir = ORBIGOLF_CONTENT_DIR;
    o.replay = file.string();
    o.headless = true;
    std::ostringstream err;
    EXPECT_EQ(frontend::runProgram(o, nullptr, err), 1);
    EXPECT_NE(err.str().find(":3: mousemove takes 2 values"), std::string::npos) << err.str();
    fs::remove(file);
}

// Each hand-written replay in replays/ has NAME.replay and NAME.expect.json: the fields
// of the summary it must give.
TEST(ReplayRun, HandWrittenReplaysGiveTheirExpectedSummaries) {
    int checked = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(ORBIGOLF_REPLAY_DIR)) {
        if (e.path().extension() != ".replay") continue;
        fs::path expectFile = e.path();
        expectFile.replace_extension(".expect.json");
        if (!fs::exists(expectFile)) continue;
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
