// The launch pad and the whole program, driven headlessly by whole-program replays: menu
// choices, the game type's rule defaults, the player pages, "Change Ball", saving and
// loading the settings, games started from the launch pad, and leaving the program.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <sstream>

#include "frontend/launch_pad_panels.h"
#include "frontend/program.h"
#include "platform/ascii_case.h"
#include "scratch_dir.h"

#ifndef ORBIGOLF_CONTENT_DIR
#define ORBIGOLF_CONTENT_DIR "."
#endif

namespace orbigolf::frontend {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Where the controls lie on a 640 x 480 screen: the panels sit at (150, 177).
constexpr int kPanelLeft = 150;
constexpr int kPanelTop = 177;

struct Point {
    int x, y;
};

// Points inside the picture menu's four spots (picture point + the centred picture's offset).
constexpr Point kStartGameSpot{276, 266};
constexpr Point kStartTrainingSpot{368, 244};
constexpr Point kSetupSpot{358, 264};
constexpr Point kExitSpot{343, 286};

// The centre of a control, laid out by the same code the launch pad uses.
class Layout {
public:
    Layout() : panels_(buildLaunchPadPanels(form_, platform::Surface(16, 16))) {
        for (widgets::Panel* p : {panels_.mainmenu, panels_.start, panels_.rules, panels_.setup, panels_.quit}) {
            p->Left = kPanelLeft;
            p->Top = kPanelTop;
            p->Show();
        }
    }
    const LaunchPadPanels& operator*() const { return panels_; }
    const LaunchPadPanels* operator->() const { return &panels_; }

    static Point centre(const widgets::Control* c) {
        const platform::Rect r = c->screenRect();
        return {r.x + r.w / 2, r.y + r.h / 2};
    }
    Point tab(int index) const {
        const platform::Rect t = panels_.playerinfo->tabRect(index);
        const platform::Rect r = panels_.playerinfo->screenRect();
        return {r.x + t.x + t.w / 2, r.y + t.y + t.h / 2};
    }

private:
    widgets::WidgetForm form_;
    LaunchPadPanels panels_;
};

const Layout& layout() {
    static const Layout l;
    return l;
}

// A whole-program replay written line by line, then played headlessly.
class ProgramRun {
public:
    explicit ProgramRun(bool skipIntro = true) {
        text_ = "orbigolf-replay 2\n";
        if (skipIntro) text_ += "skip-intro\n";
    }
    ProgramRun& line(const std::string& l) {
        text_ += l + "\n";
        return *this;
    }
    ProgramRun& click(Point p) {
        const std::string at = std::to_string(p.x) + " " + std::to_string(p.y);
        return line("mousemove " + at).line("mousedown left " + at).line("click " + at).line("mouseup left " + at);
    }
    ProgramRun& click(const widgets::Control* c) { return click(Layout::centre(c)); }
    ProgramRun& key(const std::string& name) { return line("keydown " + name).line("keyup " + name); }
    ProgramRun& type(const std::string& text) {
        for (char c : text) line(std::string("keypress ") + c);
        return *this;
    }
    // A game started from the launch pad: the hole card goes with a key, then Escape and
    // Enter leave. Tick numbers go on over the whole run.
    ProgramRun& playAndLeave() {
        tick_ += 5;
        line("tick " + std::to_string(tick_)).key("Space");
        tick_ += 5;
        line("tick " + std::to_string(tick_)).line("keydown Escape");
        tick_ += 2;
        return line("tick " + std::to_string(tick_)).line("keydown Enter");
    }

    Json play(const fs::path& dir, const std::optional<fs::path>& settings = std::nullopt,
              const std::string& dataDir = ORBIGOLF_CONTENT_DIR) {
        fs::create_directories(dir);
        const fs::path replay = dir / "run.replay";
        std::ofstream(replay) << text_;
        ProgramOptions o;
        o.dataDir = dataDir;
        o.replay = replay.string();
        o.headless = true;
        o.summary = (dir / "summary.json").string();
        if (settings) o.settings = settings->string();
        std::ostringstream err;
        const int status = runProgram(o, nullptr, err);
        EXPECT_EQ(status, 0) << err.str();
        std::ifstream in(*o.summary);
        return Json::parse(in);
    }

    const std::string& text() const { return text_; }

private:
    std::string text_;
    int tick_ = 0;
};

class LaunchPad : public ::testing::Test {
protected:
    ScratchDir scratch_{"launch-pad"};
    const fs::path dir_ = scratch_.path();
    const Layout& ui = layout();
};

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(LaunchPad, FirstRunShowsTheMenuWithTheFormDefaults) {
    const Json s = ProgramRun().play(dir_);
    EXPECT_EQ(s["panel"], "menu");
    EXPECT_EQ(s["games"], 0);
    EXPECT_EQ(s["ended"], false);
    const Json& c = s["controls"];
    EXPECT_EQ(c["screen640"], "1");
    EXPECT_EQ(c["skin"], "[default interface]");
    EXPECT_EQ(c["player2"], "Player 2");
    EXPECT_EQ(c["pull1"], "1");
    EXPECT_EQ(c["minus1"], "0");  // the form's own rule values, not the Stroke Play row
    EXPECT_TRUE(s["errors"].empty()) << s["errors"];
}

TEST_F(LaunchPad, MenuChoicesOpenTheirPanelsAndCancelComesBack) {
    ProgramRun run;
    run.click(kStartTrainingSpot);
    EXPECT_EQ(ProgramRun(run).play(dir_ / "a")["panel"], "start");
    EXPECT_EQ(ProgramRun(run).play(dir_ / "a")["controls"]["training"], "1");
    run.click(ui->FlatButton1).click(kStartGameSpot);
    EXPECT_EQ(ProgramRun(run).play(dir_ / "b")["controls"]["training"], "0");
    run.click(ui->FlatButton1).click(kSetupSpot);
    EXPECT_EQ(ProgramRun(run).play(dir_ / "c")["panel"], "setup");
    run.click(ui->OkButton1).click(kExitSpot);
    EXPECT_EQ(ProgramRun(run).play(dir_ / "d")["panel"], "quit");
    run.click(ui->cancelButton1);
    const Json s = run.play(dir_ / "e");
    EXPECT_EQ(s["panel"], "menu");
    EXPECT_EQ(s["ended"], false);
    // A click outside the spots does nothing.
    EXPECT_EQ(ProgramRun().click({160, 190}).play(dir_ / "f")["panel"], "menu");
}

TEST_F(LaunchPad, TheGameTypeAppliesItsRuleDefaultsButNotTheStrokeLimit) {
    ProgramRun run;
    run.click(kStartGameSpot).click(ui->showrules).click(ui->strokelimit).key("Down").key("Enter");
    run.click(ui->rulesok);
    // Croquet Rules: two steps down the game type list.
    run.click(ui->gametype).key("Down").key("Down").key("Enter");
    Json c = ProgramRun(run).play(dir_ / "a")["controls"];
    EXPECT_EQ(c["startplayer"], "1");
    EXPECT_EQ(c["nextplayer"], "0");
    EXPECT_EQ(c["whencollide"], "1");
    EXPECT_EQ(c["scoring"], "1");
    EXPECT_EQ(c["plus1"], "1");
    EXPECT_EQ(c["minus1"], "0");
    EXPECT_EQ(c["strokelimit"], "1");
    // "Defaults" on the rules panel applies the same row again after a change.
    run.click(ui->showrules).click(ui->plus1).click(ui->FlatButton4);
    c = run.play(dir_ / "b")["controls"];
    EXPECT_EQ(c["plus1"], "1");
    EXPECT_EQ(c["strokelimit"], "1");
}

TEST_F(LaunchPad, ThePlayerPageEditsTheActivePlayersEntry) {
    ProgramRun run;
    run.click(kStartGameSpot).click(ui.tab(1)).click(ui->name).key("End");
    for (int i = 0; i < 8; ++i) run.key("Backspace");
    run.type("Zed Q").click(ui->pushputt).click(ui->easytarget).click(ui.tab(0));
    const Json c = run.play(dir_)["controls"];
    EXPECT_EQ(c["player2"], "Zed Q");
    EXPECT_EQ(c["pull2"], "0");
    EXPECT_EQ(c["easy2"], "1");
    EXPECT_EQ(c["player1"], "Player 1");
    EXPECT_EQ(c["pull1"], "1");
    EXPECT_EQ(c["easy1"], "0");
}

TEST_F(LaunchPad, ChangeBallCyclesThroughTheTexturesFromTheSecond) {
    std::vector<std::string> textures;
    for (const auto& e : fs::directory_iterator(fs::path(ORBIGOLF_CONTENT_DIR) / "textures"))
        textures.push_back(e.path().filename().string());
    std::sort(textures.begin(), textures.end(), [](const std::string& a, const std::string& b) {
        return platform::asciiLower(a) < platform::asciiLower(b);
    });
    ASSERT_GE(textures.size(), 2u);
    ProgramRun run;
    run.click(kStartGameSpot).click(ui->tex_inc);
    EXPECT_EQ(ProgramRun(run).play(dir_ / "a")["controls"]["Image1"], "textures/" + textures[1]);
    // The search is shared: player 2 continues where player 1 stopped, and after the last
    // file it starts again with the first.
    run.click(ui.tab(1));
    for (size_t i = 1; i < textures.size(); ++i) run.click(ui->tex_inc);
    const Json c = run.play(dir_ / "b")["controls"];
    EXPECT_EQ(c["Image1"], "textures/" + textures[1]);
    EXPECT_EQ(c["Image2"], "textures/" + textures[0]);
    EXPECT_EQ(c["Image3"], "");
}

TEST_F(LaunchPad, OkSavesTheSettingsAndCancelDoesNot) {
    const fs::path settings = dir_ / "settings.reg";
    ProgramRun cancelled;
    cancelled.click(kStartGameSpot).click(ui->players).key("Down").key("Enter").click(ui->FlatButton1);
    cancelled.play(dir_ / "a", settings);
    EXPECT_FALSE(fs::exists(settings));

    ProgramRun saved;
    saved.click(kSetupSpot).click(ui->soundoff).click(ui->skipintro).click(ui->OkButton1);
    EXPECT_EQ(saved.play(dir_ / "b", settings)["panel"], "menu");
    const std::string file = fileText(settings);
    EXPECT_NE(file.find("\"RunOnce\"=dword:00000001"), std::string::npos) << file;
    EXPECT_NE(file.find("\"Sound\"=dword:00000000"), std::string::npos) << file;
    EXPECT_NE(file.find("\"skin\"=\"[default interface]\""), std::string::npos) << file;

    // The next run loads what was saved (and so skips the intro by itself).
    const Json next = ProgramRun(false).play(dir_ / "c", settings);
    EXPECT_EQ(next["controls"]["soundon"], "0");
    EXPECT_EQ(next["controls"]["soundoff"], "1");
    EXPECT_EQ(next["panel"], "menu");
}

TEST_F(LaunchPad, ADamagedSettingsFileLoadsTheDefaultsAndIsKeptUntilASave) {
    const fs::path settings = dir_ / "settings.reg";
    fs::create_directories(dir_);
    std::ofstream(settings) << "this is not a settings file\n";
    const Json s = ProgramRun().click(kStartGameSpot).play(dir_ / "a", settings);
    ASSERT_EQ(s["errors"].size(), 1u) << s["errors"];
    EXPECT_NE(s["errors"][0].get<std::string>().find("the defaults are used"), std::string::npos);
    EXPECT_EQ(s["controls"]["player1"], "Player 1");
    EXPECT_EQ(fileText(settings), "this is not a settings file\n");

    ProgramRun save;
    save.click(kSetupSpot).click(ui->OkButton1);
    save.play(dir_ / "b", settings);
    EXPECT_NE(fileText(settings).find("\"RunOnce\"=dword:00000001"), std::string::npos);
}

TEST_F(LaunchPad, AStoredValueOfTheWrongTypeLoadsNothing) {
    const fs::path settings = dir_ / "settings.reg";
    ProgramRun save;
    save.click(kStartGameSpot).click(ui->name).key("End").key("Backspace").type("Q").click(ui->FlatButton1);
    save.click(kSetupSpot).click(ui->OkButton1).play(dir_ / "a", settings);
    std::string text = fileText(settings);
    const std::string good = "\"Players\"=dword:00000000";
    ASSERT_NE(text.find(good), std::string::npos) << text;
    text.replace(text.find(good), good.size(), "\"Players\"=\"two\"");
    std::ofstream(settings, std::ios::trunc) << text;
    const Json s = ProgramRun().play(dir_ / "b", settings);
    ASSERT_EQ(s["errors"].size(), 1u);
    EXPECT_NE(s["errors"][0].get<std::string>().find("Invalid data type for 'Players'"), std::string::npos);
    EXPECT_EQ(s["controls"]["player1"], "Player 1");
}

TEST_F(LaunchPad, ANameInWindows1252FromANewerExportPlaysAndIsReported) {
    const fs::path settings = dir_ / "settings.reg";
    ProgramRun save;
    save.click(kSetupSpot).click(ui->OkButton1).play(dir_ / "a", settings);
    std::string text = fileText(settings);
    const std::string name = "\"Player 1\"=\"Player 1\"";
    ASSERT_NE(text.find(name), std::string::npos) << text;
    text.replace(text.find(name), name.size(), "\"Player 1\"=\"Jos\xe9\"");
    text.replace(0, text.find('\n'), "Windows Registry Editor Version 5.00");
    std::ofstream(settings, std::ios::trunc | std::ios::binary) << text;

    ProgramRun run;
    run.click(kStartGameSpot).click(ui->launch).playAndLeave();
    const Json s = run.play(dir_ / "b", settings);
    EXPECT_TRUE(s["errors"].empty()) << s["errors"];
    EXPECT_EQ(s["games"], 1);
    EXPECT_EQ(s["controls"]["player1"], "José");
    EXPECT_EQ(s["lastGame"]["players"][0]["name"], "José");
}

TEST_F(LaunchPad, StoredNumbersOutsideTheirListKeepTheListsSelection) {
    const fs::path settings = dir_ / "settings.reg";
    ProgramRun save;
    save.click(kSetupSpot).click(ui->OkButton1).play(dir_ / "a", settings);
    std::string text = fileText(settings);
    for (const std::string& key : {std::string("\"Players\"=dword:00000000"), std::string("\"Frame Skip\"=dword:00000000")}) {
        ASSERT_NE(text.find(key), std::string::npos) << text;
        text.replace(text.find(key), key.size(), key.substr(0, key.find('=')) + "=dword:00000009");
    }
    std::ofstream(settings, std::ios::trunc) << text;
    const Json s = ProgramRun().play(dir_ / "b", settings);
    EXPECT_TRUE(s["errors"].empty()) << s["errors"];
    EXPECT_EQ(s["controls"]["players"], "0");
    EXPECT_EQ(s["controls"]["frameskip"], "0");
}

TEST_F(LaunchPad, TrainingAndTwoGamesInOneRunWithSettingsChangedBetween) {
    ProgramRun run;
    run.click(kStartTrainingSpot).click(ui->launch).playAndLeave();
    Json s = ProgramRun(run).play(dir_ / "a");
    EXPECT_EQ(s["games"], 1);
    EXPECT_EQ(s["panel"], "menu");
    EXPECT_EQ(s["lastGame"]["holeName"], "training1");
    EXPECT_EQ(s["lastGame"]["closed"], true);

    run.click(kStartGameSpot).click(ui->players).key("Down").key("Enter").click(ui->launch).playAndLeave();
    s = run.play(dir_ / "b");
    EXPECT_EQ(s["games"], 2);
    EXPECT_EQ(s["lastGame"]["holeName"], "course1hole1");
    EXPECT_EQ(s["lastGame"]["players"].size(), 2u);
    EXPECT_EQ(s["panel"], "menu");
    EXPECT_EQ(s["controls"]["training"], "0");
}

TEST_F(LaunchPad, ExitShowsTheClosingScreenAndEndsTheProgram) {
    ProgramRun run;
    run.click(kExitSpot).click(ui->quitbutton).key("Space");
    const Json s = run.play(dir_);
    EXPECT_EQ(s["ended"], true);
    EXPECT_EQ(s["panel"], "quit");
    EXPECT_TRUE(s["errors"].empty()) << s["errors"];
}

TEST_F(LaunchPad, TheIntroIsOfferedOnceAndAKeyEndsIt) {
    ProgramRun run(false);
    run.key("Space").click(kSetupSpot);
    const Json s = run.play(dir_);
    EXPECT_EQ(s["introShown"], true);
    EXPECT_EQ(s["panel"], "setup");
}

// A copy of the content set without the named files (links to the rest).
fs::path contentWithout(const fs::path& dir, std::initializer_list<const char*> leftOut) {
    fs::create_directories(dir);
    for (const auto& e : fs::directory_iterator(ORBIGOLF_CONTENT_DIR)) {
        const std::string name = e.path().filename().string();
        if (std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end()) fs::create_symlink(e.path(), dir / name);
    }
    return dir;
}

TEST_F(LaunchPad, MissingAnimationsAndMenuSoundsAreReportedAndTheLaunchPadStillWorks) {
    const fs::path data = contentWithout(dir_ / "data", {"interface_loop.flc", "interface.flc", "menu.dxw"});
    ProgramRun run;
    run.click(kStartGameSpot).click(ui->launch).playAndLeave();
    const Json s = run.play(dir_ / "run", std::nullopt, data.string());
    EXPECT_EQ(s["games"], 1);
    EXPECT_EQ(s["panel"], "menu");
    ASSERT_FALSE(s["errors"].empty());
    EXPECT_NE(s["errors"][0].get<std::string>().find("menu.dxw"), std::string::npos) << s["errors"];
}

TEST_F(LaunchPad, AGameWithoutItsInterfacePicturesIsReportedOnceAndTheMenuComesBack) {
    const fs::path data = contentWithout(dir_ / "data", {"gui.dxg"});
    ProgramRun run;
    run.click(kStartGameSpot).click(ui->launch).click(kSetupSpot);
    const Json s = run.play(dir_ / "run", std::nullopt, data.string());
    ASSERT_EQ(s["errors"].size(), 1u) << s["errors"];
    EXPECT_NE(s["errors"][0].get<std::string>().find("gui.dxg"), std::string::npos) << s["errors"];
    // The launch pad took the clicks after the failed start: its menu had come back.
    EXPECT_EQ(s["panel"], "setup");
    EXPECT_EQ(s["ended"], false);
}

TEST_F(LaunchPad, AFolderWithoutTheGamesDataIsRefusedWithOneMessage) {
    ProgramRun run;
    run.click(kStartGameSpot);
    fs::create_directories(dir_ / "empty");
    std::ofstream(dir_ / "run.replay") << run.text();
    const auto refusal = [&](const fs::path& data, const WindowBackend* backend) {
        ProgramOptions o;
        o.dataDir = data.string();
        if (backend == nullptr) {
            o.replay = (dir_ / "run.replay").string();
            o.headless = true;
        }
        std::ostringstream err;
        EXPECT_EQ(runProgram(o, backend, err), 1);
        const std::string text = err.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        EXPECT_NE(text.find("\"" + data.string() + "\""), std::string::npos) << text;
        return text;
    };
    // An empty folder: every file is named.
    std::string text = refusal(dir_ / "empty", nullptr);
    EXPECT_NE(text.find("mainmenu.bmp"), std::string::npos) << text;
    EXPECT_NE(text.find("gui.dxg"), std::string::npos) << text;
    // A live run opens no window for it.
    int windows = 0;
    const WindowBackend backend{[&windows](const platform::WindowOptions&) -> std::unique_ptr<platform::Window> {
                                    ++windows;
                                    return nullptr;
                                },
                                nullptr};
    refusal(dir_ / "empty", &backend);
    EXPECT_EQ(windows, 0);
    // Without the picture menu the launch pad would offer nothing to press.
    text = refusal(contentWithout(dir_ / "nomenu", {"mainmenu.bmp"}), nullptr);
    EXPECT_NE(text.find("mainmenu.bmp is missing"), std::string::npos) << text;
    EXPECT_EQ(text.find("gui.dxg"), std::string::npos) << text;
}

TEST_F(LaunchPad, TheSameRunGivesTheSameScreenshot) {
    ProgramRun run;
    run.click(kStartGameSpot).click(ui.tab(2)).line("time 5000");
    fs::create_directories(dir_);
    std::ofstream(dir_ / "shot.replay") << run.text();
    std::string first;
    for (int i = 0; i < 2; ++i) {
        ProgramOptions o;
        o.dataDir = ORBIGOLF_CONTENT_DIR;
        o.replay = (dir_ / "shot.replay").string();
        o.headless = true;
        o.screenshot = (dir_ / ("shot" + std::to_string(i) + ".png")).string();
        std::ostringstream err;
        ASSERT_EQ(runProgram(o, nullptr, err), 0) << err.str();
        const std::string png = fileText(*o.screenshot);
        if (i == 0) first = png;
        else EXPECT_EQ(png, first);
    }
}

}  // namespace
}  // namespace orbigolf::frontend
