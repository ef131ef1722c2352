// Whole-program replays (version 2): what they hold beyond a game screen's replay, what
// they refuse, and how the recorder writes what reached the forms.

#include <gtest/gtest.h>

#include <sstream>

#include "frontend/replay.h"
#include "platform/vk.h"

namespace orbigolf::frontend {
namespace {

using platform::InputEvent;
using replay::Line;

std::string refusal(const std::string& text) {
    std::istringstream in(text);
    try {
        replay::parseReplay(in, "run.replay");
    } catch (const replay::ReplayError& e) {
        return e.what();
    }
    return "";
}

replay::ReplayFile parsed(const std::string& text) {
    std::istringstream in(text);
    return replay::parseReplay(in, "run.replay");
}

TEST(ProgramReplayFormat, ReadsTheLinesOfAWholeRun) {
    const replay::ReplayFile f = parsed(
        "orbigolf-replay 2\nscreen 800 600\nskip-intro\ntime 40\nmousedown left 3 4 shift ctrl\n"
        "keydown Tab shift\nkeypress a\nkeypress  \nkeydown Delete\nclose\nseed 9\ntick 1\nend 1\n");
    EXPECT_EQ(f.version, 2);
    ASSERT_EQ(f.lines.size(), 12u);
    EXPECT_EQ(f.lines[0].kind, Line::Kind::Screen);
    EXPECT_EQ(f.lines[0].n, 800);
    EXPECT_EQ(f.lines[0].n2, 600);
    EXPECT_EQ(f.lines[1].kind, Line::Kind::SkipIntro);
    EXPECT_EQ(f.lines[2].kind, Line::Kind::Time);
    EXPECT_EQ(f.lines[3].event.shift, platform::ssShift | platform::ssCtrl);
    EXPECT_EQ(f.lines[4].event.key, platform::vk::VK_TAB);
    EXPECT_EQ(f.lines[4].event.shift, platform::ssShift);
    EXPECT_EQ(f.lines[5].event.text, "a");
    EXPECT_EQ(f.lines[6].event.text, " ");
    EXPECT_EQ(f.lines[7].event.key, 46);
    EXPECT_EQ(f.lines[8].event.type, InputEvent::Type::Close);
    EXPECT_EQ(f.lines[9].seed, 9u);
}

TEST(ProgramReplayFormat, RefusesWhatAWholeRunCannotHold) {
    EXPECT_EQ(refusal("orbigolf-replay 2\ncontrol players 1\n"),
              "run.replay:2: control lines belong to version 1 replays; a version 2 replay sets the controls on "
              "the launch pad");
    EXPECT_EQ(refusal("orbigolf-replay 2\ntime 50\ntime 40\n"), "run.replay:3: time 40 goes backwards (after time 50)");
    EXPECT_EQ(refusal("orbigolf-replay 2\nkeypress\n"), "run.replay:2: keypress takes one character");
    EXPECT_EQ(refusal("orbigolf-replay 2\nkeydown Tab hyper\n"), "run.replay:2: keydown takes 1 values");
    EXPECT_EQ(refusal("orbigolf-replay 2\nscreen 10 10\n"), "run.replay:2: screen size 10 x 10 is not usable");
    EXPECT_EQ(refusal("orbigolf-replay 2\nclick 1 1\nskip-intro\n"), "run.replay:3: skip-intro must come before the first event");
    EXPECT_EQ(refusal("orbigolf-replay 2\nseed 1\ntick 3\nseed 2\ntick 4\n"), "");
}

TEST(ProgramReplayFormat, SettingsLinesReadBackAsTheSettingsWritten) {
    std::vector<StoredSetting> stored(3);
    stored[0] = {"Skip Intro", StoredSetting::Type::Flag, true, 0, ""};
    stored[1] = {"Stroke Limit", StoredSetting::Type::Number, false, -7, ""};
    stored[2] = {"Player 1", StoredSetting::Type::Text, false, 0, " Ann = \\ Lee\n\r "};
    std::ostringstream out;
    replay::Recorder r(out, 800, 600, false, true);
    r.startSettings(stored);
    r.finish();
    EXPECT_EQ(out.str(),
              "orbigolf-replay 2\nscreen 800 600\nwindowed\nsettings stored\nsetting Skip Intro=1\n"
              "setting Stroke Limit=-7\nsetting Player 1= Ann = \\\\ Lee\\n\\r \nend 0\n");
    const replay::ReplayFile f = parsed(out.str());
    ASSERT_EQ(f.lines.size(), 7u);
    EXPECT_EQ(f.lines[1].kind, Line::Kind::Windowed);
    EXPECT_EQ(f.lines[2].settings, Line::Settings::Stored);
    for (size_t i = 0; i < stored.size(); ++i) {
        const StoredSetting& s = f.lines[3 + i].setting;
        EXPECT_EQ(s.name, stored[i].name);
        EXPECT_EQ(s.type, stored[i].type);
        EXPECT_EQ(s.flag, stored[i].flag);
        EXPECT_EQ(s.number, stored[i].number);
        EXPECT_EQ(s.text, stored[i].text);
    }

    std::ostringstream unreadable;
    replay::Recorder u(unreadable, 640, 480, false);
    u.unreadableSettings("settings.reg: not a settings file\nat line 1");
    EXPECT_NE(unreadable.str().find("\nsettings unreadable settings.reg: not a settings file at line 1\n"),
              std::string::npos);
    EXPECT_EQ(parsed(unreadable.str()).lines[1].value, "settings.reg: not a settings file at line 1");
}

TEST(ProgramReplayFormat, RefusesSettingsThatAreNotTheLaunchPads) {
    const std::string head = "orbigolf-replay 2\nsettings stored\n";
    EXPECT_EQ(refusal(head + "setting Colour=1\n"), "run.replay:3: unknown setting \"Colour\"");
    EXPECT_EQ(refusal(head + "setting Players\n"), "run.replay:3: setting takes NAME=VALUE");
    EXPECT_EQ(refusal(head + "setting Plus 1=2\n"), "run.replay:3: setting Plus 1 takes 0 or 1");
    EXPECT_EQ(refusal(head + "setting Players=x\n"), "run.replay:3: setting Players takes a whole number");
    EXPECT_EQ(refusal(head + "setting Player 2=a\\qb\n"), "run.replay:3: setting Player 2: a backslash is written \\\\");
    EXPECT_EQ(refusal("orbigolf-replay 2\nsetting Players=1\n"),
              "run.replay:2: setting lines follow a \"settings stored\" line");
    EXPECT_EQ(refusal("orbigolf-replay 2\nsettings defaults\nsettings stored\n"),
              "run.replay:3: a replay holds one settings line");
    EXPECT_EQ(refusal("orbigolf-replay 2\nsettings maybe\n"),
              "run.replay:2: settings are \"defaults\", \"stored\" or \"unreadable\", not \"maybe\"");
    EXPECT_EQ(refusal(head + "click 1 1\nsetting Players=1\n"), "run.replay:4: setting must come before the first event");
    EXPECT_EQ(refusal("orbigolf-replay 2\nhole course1hole1\n"), "run.replay:2: hole lines belong to version 1 replays");
}

TEST(ProgramReplayFormat, EventLinesReadBackAsTheSameEvents) {
    const InputEvent events[] = {
        InputEvent::keyDown(platform::vk::VK_TAB, platform::ssShift),
        InputEvent::keyUp(46),
        InputEvent::keyPress("x"),
        InputEvent::mouse(InputEvent::Type::MouseDown, platform::MouseButton::Right, 5, 6, platform::ssCtrl),
        InputEvent::close(),
        InputEvent::toggleFullscreen(),
        InputEvent::keyDown(platform::vk::VK_SHIFT, platform::ssShift),
        InputEvent::keyUp(platform::vk::VK_OEM_2),
        InputEvent::keyDown(platform::vk::VK_NUMPAD0 + 5),
    };
    std::string text = "orbigolf-replay 2\n";
    for (const InputEvent& e : events) {
        const std::optional<std::string> line = replay::programEventLine(e);
        ASSERT_TRUE(line);
        text += *line + "\n";
    }
    const replay::ReplayFile f = parsed(text);
    ASSERT_EQ(f.lines.size(), std::size(events));
    for (size_t i = 0; i < f.lines.size(); ++i) {
        EXPECT_EQ(f.lines[i].event.type, events[i].type) << i;
        EXPECT_EQ(f.lines[i].event.key, events[i].key) << i;
        EXPECT_EQ(f.lines[i].event.text, events[i].text) << i;
        EXPECT_EQ(f.lines[i].event.shift, events[i].shift) << i;
    }
    // Line breaks typed into a field are not written (Enter is).
    EXPECT_FALSE(replay::programEventLine(InputEvent::keyPress("\r")));
}

TEST(ProgramReplayFormat, TheRecorderWritesTimesSeedsAndEachGamesTicks) {
    std::ostringstream out;
    replay::Recorder r(out, 640, 480, true);
    r.onFormEvent(InputEvent::mouse(InputEvent::Type::MouseMove, platform::MouseButton::Left, 1, 2), 100);
    r.onFormEvent(InputEvent::keyPress("q"), 100);
    r.beginGame(7);
    r.onTick(60);
    r.onEvent(InputEvent::keyDown(platform::vk::VK_ESCAPE));
    r.endGame();
    r.onFormEvent(InputEvent::close(), 250);
    r.finish();
    EXPECT_EQ(out.str(),
              "orbigolf-replay 2\nscreen 640 480\nskip-intro\ntime 100\nmousemove 1 2\nkeypress q\nseed 7\nfps 60\n"
              "tick 1\ntick 2\nkeydown Escape\ntime 250\nclose\nend 2\n");
    EXPECT_EQ(refusal(out.str()), "");
}

}  // namespace
}  // namespace orbigolf::frontend
