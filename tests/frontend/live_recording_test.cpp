// Live runs recorded and played back: the program played through the live host on a
// scripted window (events at set times, each shown frame taking a set time), recorded,
// and its recording replayed headlessly to the same summary and per-tick trace.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "frontend/launch_pad_panels.h"
#include "frontend/program.h"
#include "platform/headless/headless_window.h"
#include "platform/vk.h"
#include "frontend/widgets/widget_form.h"

#ifndef ORBIGOLF_CONTENT_DIR
#define ORBIGOLF_CONTENT_DIR "."
#endif

namespace orbigolf::frontend {
namespace {

namespace fs = std::filesystem;
namespace vk = platform::vk;
using platform::InputEvent;
using platform::MouseButton;
using Json = nlohmann::json;

// A window whose player acts at set times and whose every shown frame takes `frameMs`.
class ScriptedWindow final : public platform::HeadlessWindow {
public:
    ScriptedWindow(int frameMs, std::vector<std::pair<uint64_t, InputEvent>> script)
        : frameMs_(frameMs), script_(std::move(script)) {}

    void present(const platform::Surface& backBuffer) override {
        HeadlessWindow::present(backBuffer);
        advance(static_cast<uint64_t>(frameMs_));
    }
    bool pollEvent(InputEvent& event) override {
        while (next_ < script_.size() && script_[next_].first <= nowMs()) inject(script_[next_++].second);
        return HeadlessWindow::pollEvent(event);
    }

private:
    int frameMs_;
    std::vector<std::pair<uint64_t, InputEvent>> script_;
    size_t next_ = 0;
};

// Points on a 640 x 480 screen: the menu's "start game" spot and the start panel's button.
constexpr int kStartSpotX = 276, kStartSpotY = 266;

std::pair<int, int> launchButton() {
    widgets::WidgetForm form;
    LaunchPadPanels p = buildLaunchPadPanels(form, platform::Surface(16, 16));
    p.start->Left = 150;
    p.start->Top = 177;
    p.start->Show();
    const platform::Rect r = p.launch->screenRect();
    return {r.x + r.w / 2, r.y + r.h / 2};
}

struct Script {
    std::vector<std::pair<uint64_t, InputEvent>> events;
    Script& at(uint64_t ms, InputEvent e) {
        events.emplace_back(ms, std::move(e));
        return *this;
    }
    Script& click(uint64_t ms, int x, int y) {
        at(ms, InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, x, y));
        at(ms, InputEvent::mouse(InputEvent::Type::MouseDown, MouseButton::Left, x, y));
        return at(ms + 30, InputEvent::mouse(InputEvent::Type::MouseUp, MouseButton::Left, x, y));
    }
    Script& key(uint64_t ms, int code, platform::ShiftState shift = 0) {
        at(ms, InputEvent::keyDown(code, shift));
        return at(ms + 40, InputEvent::keyUp(code, shift));
    }
    // Starts a one-player game from the menu.
    Script& startGame(uint64_t ms) {
        const auto [lx, ly] = launchButton();
        return click(ms, kStartSpotX, kStartSpotY).click(ms + 500, lx, ly);
    }
};

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class LiveRecording : public ::testing::Test {
protected:
    fs::path dir_ = fs::temp_directory_path() /
                    ("orbigolf_live_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Plays the script live (recorded, with summary and trace), then replays the recording
    // headlessly; both summaries and traces are left in the folder as live.* and replay.*.
    void playAndReplay(int frameMs, const Script& script, const std::optional<fs::path>& settings,
                       bool skipIntro = true, const std::optional<fs::path>& replaySettings = std::nullopt) {
        ProgramOptions live;
        live.dataDir = ORBIGOLF_CONTENT_DIR;
        live.skipIntro = skipIntro;
        live.record = (dir_ / "run.replay").string();
        live.summary = (dir_ / "live.json").string();
        live.trace = (dir_ / "live.jsonl").string();
        if (settings) live.settings = settings->string();
        const WindowBackend backend{[&](const platform::WindowOptions&) {
                                        return std::make_unique<ScriptedWindow>(frameMs, script.events);
                                    },
                                    {}};
        std::ostringstream err;
        ASSERT_EQ(runProgram(live, &backend, err), 0) << err.str();

        ProgramOptions again;
        again.dataDir = ORBIGOLF_CONTENT_DIR;
        again.replay = live.record;
        again.headless = true;
        again.summary = (dir_ / "replay.json").string();
        again.trace = (dir_ / "replay.jsonl").string();
        if (replaySettings) again.settings = replaySettings->string();
        ASSERT_EQ(runProgram(again, nullptr, err), 0) << err.str();
    }

    void expectSameRun() {
        const std::string summary = fileText(dir_ / "live.json");
        EXPECT_EQ(fileText(dir_ / "replay.json"), summary);
        EXPECT_EQ(fileText(dir_ / "replay.jsonl"), fileText(dir_ / "live.jsonl"));
        EXPECT_FALSE(fileText(dir_ / "live.jsonl").empty());
    }
    Json summary() { return Json::parse(fileText(dir_ / "live.json")); }
};

TEST_F(LiveRecording, GamesAt60_30And15FramesASecondReplayTickForTick) {
    for (const int frameMs : {17, 33, 66}) {
        SCOPED_TRACE(frameMs);
        Script s;
        s.startGame(300).key(4000, vk::VK_SPACE).click(5000, 320, 400).key(6000, vk::VK_ESCAPE);
        s.key(6500, vk::VK_RETURN).at(8000, InputEvent::close());
        playAndReplay(frameMs, s, dir_ / "settings.reg");
        expectSameRun();
        const Json j = summary();
        EXPECT_EQ(j["games"], 1);
        EXPECT_GT(j["ticks"].get<int>(), 30);
        const std::string record = fileText(dir_ / "run.replay");
        EXPECT_NE(record.find("fps " + std::to_string((1000 + frameMs / 2) / frameMs)), std::string::npos) << record;
    }
}

TEST_F(LiveRecording, ClosingTheWindowInAGameEndsTheProgramAndTheReplay) {
    Script s;
    s.startGame(300).at(3000, InputEvent::toggleFullscreen()).at(4000, InputEvent::close());
    playAndReplay(17, s, dir_ / "settings.reg");
    expectSameRun();
    const Json j = summary();
    EXPECT_TRUE(j["ended"].get<bool>());
    EXPECT_TRUE(j["lastGame"]["closed"].get<bool>());
    const std::string record = fileText(dir_ / "run.replay");
    const size_t toggled = record.find("\nfullscreen\n");
    ASSERT_NE(toggled, std::string::npos) << record;
    EXPECT_NE(record.find("\nclose\nend ", toggled), std::string::npos) << record;
}

TEST_F(LiveRecording, KeysWithoutACommandReachTheGameAndDismissTheCard) {
    Script s;
    s.startGame(300).key(4000, vk::VK_SHIFT, platform::ssShift).key(4500, vk::VK_OEM_COMMA);
    s.at(6000, InputEvent::close());
    playAndReplay(17, s, dir_ / "settings.reg");
    expectSameRun();
    EXPECT_EQ(summary()["lastGame"]["screenMode"], 0);
    EXPECT_NE(fileText(dir_ / "run.replay").find("keydown Shift shift"), std::string::npos);
}

TEST_F(LiveRecording, ARunReplaysFromTheSettingsItStartedFromAndLeavesTheFilesAlone) {
    // A first run saves its choices (two players) when the game starts.
    const fs::path settings = dir_ / "settings.reg";
    {
        Script s;
        s.click(300, kStartSpotX, kStartSpotY);
        const auto [lx, ly] = launchButton();
        s.click(1200, lx, ly).at(3000, InputEvent::close());
        playAndReplay(17, s, settings);
        expectSameRun();
        EXPECT_NE(fileText(dir_ / "run.replay").find("settings defaults\n"), std::string::npos);
    }
    // Players "2" stored: the next run starts from it, and its recording says so.
    std::string text = fileText(settings);
    const std::string players = "\"Players\"=dword:00000000";
    ASSERT_NE(text.find(players), std::string::npos) << text;
    text.replace(text.find(players), players.size(), "\"Players\"=dword:00000001");
    std::ofstream(settings, std::ios::trunc) << text;

    Script s;
    s.startGame(300).at(3000, InputEvent::close());
    // The replay is given a settings file of its own, empty: it still plays from the recording.
    const fs::path other = dir_ / "other.reg";
    playAndReplay(17, s, settings, true, other);
    expectSameRun();
    EXPECT_EQ(summary()["controls"]["players"], "1");
    EXPECT_EQ(summary()["lastGame"]["players"].size(), 2u);
    const std::string record = fileText(dir_ / "run.replay");
    EXPECT_NE(record.find("settings stored\nsetting Skip Intro=0\n"), std::string::npos) << record;
    EXPECT_NE(record.find("setting Players=1\n"), std::string::npos);
    // The game's start saved the settings into the file the replay was given.
    EXPECT_NE(fileText(other).find("\"Players\"=dword:00000001"), std::string::npos);
}

TEST_F(LiveRecording, AnUnreadableSettingsFileIsReportedAgainOnReplay) {
    const fs::path settings = dir_ / "settings.reg";
    std::ofstream(settings) << "not settings\n";
    Script s;
    s.at(2000, InputEvent::close());
    playAndReplay(17, s, settings);
    const Json live = summary();
    ASSERT_EQ(live["errors"].size(), 1u);
    EXPECT_EQ(Json::parse(fileText(dir_ / "replay.json"))["errors"], live["errors"]);
    EXPECT_EQ(fileText(settings), "not settings\n");
}

}  // namespace
}  // namespace orbigolf::frontend
