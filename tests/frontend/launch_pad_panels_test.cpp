// The launch pad's panels as built: a golden picture of the start panel, and the designed
// values the game and the launch pad rely on. ORBIGOLF_UPDATE_GOLDENS=1 rewrites the
// golden; ORBIGOLF_REVIEW_DIR=dir also writes every panel (and some of its states) there.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/launch_pad_panels.h"
#include "frontend/widgets/form_font.h"
#include "frontend/widgets/text_layout.h"
#include "platform/screenshot.h"
#include "platform/vk.h"

#ifndef ORBIGOLF_GOLDEN_DIR
#define ORBIGOLF_GOLDEN_DIR "goldens"
#endif

namespace orbigolf::frontend {
namespace {

namespace fs = std::filesystem;
using platform::InputEvent;
using platform::MouseButton;

// A shaded 16 x 16 ball like the one the form keeps.
platform::Surface testBall() {
    platform::Surface ball(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15;
            if (dx * dx + dy * dy > 225) continue;
            const int light = 255 - (dx + 6) * (dx + 6) / 3 - (dy + 6) * (dy + 6) / 3;
            const auto v = static_cast<uint8_t>(std::max(60, light));
            ball.setPixel(x, y, platform::toRgb565(v, v, static_cast<uint8_t>(std::min(255, v + 20))));
        }
    return ball;
}

void review(const platform::Surface& s, const std::string& name) {
    if (const char* dir = std::getenv("ORBIGOLF_REVIEW_DIR")) {
        fs::create_directories(dir);
        platform::savePng(s, (fs::path(dir) / (name + ".png")).string());
    }
}

void expectGolden(const platform::Surface& s, const std::string& name) {
    review(s, name);
    const std::string path = (fs::path(ORBIGOLF_GOLDEN_DIR) / (name + ".png")).string();
    if (std::getenv("ORBIGOLF_UPDATE_GOLDENS") != nullptr) {
        platform::savePng(s, path);
        return;
    }
    int w = 0, h = 0;
    const std::vector<uint8_t> golden = platform::readPngRgb(path, w, h);
    ASSERT_FALSE(golden.empty()) << "missing golden " << path << " (run with ORBIGOLF_UPDATE_GOLDENS=1)";
    ASSERT_EQ(w, s.width());
    ASSERT_EQ(h, s.height());
    const std::vector<uint8_t> drawn = platform::toRgb24(s);
    size_t differing = 0, first = drawn.size();
    for (size_t i = 0; i < drawn.size(); ++i)
        if (drawn[i] != golden[i]) {
            ++differing;
            if (first == drawn.size()) first = i;
        }
    EXPECT_EQ(differing, 0u) << name << ": first difference at pixel " << (first / 3) % static_cast<size_t>(w) << ","
                             << (first / 3) / static_cast<size_t>(w);
}

// The form at the size of the interface picture, one panel placed where the launch pad
// places it (150, 177), over black.
struct PanelsFixture : ::testing::Test {
    widgets::WidgetForm form;
    LaunchPadPanels p;
    PanelsFixture() {
        form.Width = 640;
        form.Height = 480;
        p = buildLaunchPadPanels(form, testBall());
    }
    void showOnly(widgets::Panel* panel) {
        for (widgets::Panel* q : {p.mainmenu, p.start, p.rules, p.setup, p.quit}) q->Visible = q == panel;
        panel->Left = 150;
        panel->Top = 177;
        form.controlsChanged();
    }
    platform::Surface shot() {
        platform::Surface s(640, 480);
        form.paint(s);
        return s;
    }
    // The part of the screen around the placed panel, with the version line below.
    platform::Surface panelShot() {
        const platform::Surface whole = shot();
        platform::Surface part(400, 170);
        for (int y = 0; y < 170; ++y)
            for (int x = 0; x < 400; ++x) part.setPixel(x, y, whole.pixel(140 + x, 170 + y));
        return part;
    }
    void click(int x, int y) {
        form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseDown, MouseButton::Left, x, y));
        form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseUp, MouseButton::Left, x, y));
    }
};

TEST_F(PanelsFixture, StartPanelLooksAsDesigned) {
    showOnly(p.start);
    expectGolden(panelShot(), "launch_pad_start");
}

TEST_F(PanelsFixture, DefaultsTheGameReads) {
    EXPECT_EQ(p.players->Text(), "1 Player");
    EXPECT_EQ(p.strokelimit->Text(), "9");
    EXPECT_EQ(p.skin->Items, std::vector<std::string>{"[default interface]"});
    EXPECT_EQ(p.skin->DropDownCount, 6);
    EXPECT_EQ(p.name->Text(), "Player 1");
    EXPECT_TRUE(p.pullputt->Checked());
    EXPECT_FALSE(p.pushputt->Checked());
    EXPECT_FALSE(p.plus1->Checked());
    EXPECT_FALSE(p.minus1->Checked()) << "the form starts unlike the Stroke Play defaults";
    for (widgets::CheckBox* on : {p.fastwrite, p.bgsounds, p.forceinterface}) EXPECT_TRUE(on->Checked()) << on->Name;
    EXPECT_TRUE(p.screen640->Checked());
    EXPECT_TRUE(p.soundon->Checked());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.player[i]->Text(), "Player " + std::to_string(i + 1));
        EXPECT_EQ(form.find("player" + std::to_string(i + 1)), p.player[i]);
        EXPECT_TRUE(p.pull[i]->Checked());
        EXPECT_FALSE(p.easy[i]->Checked());
        EXPECT_EQ(p.Image[i]->Picture.width(), 16);
        EXPECT_FALSE(p.player[i]->Visible || p.pull[i]->Visible || p.easy[i]->Visible || p.Image[i]->Visible);
    }
    EXPECT_FALSE(p.training->Visible);
    // The unreachable resolution stands apart from the other three.
    EXPECT_FALSE(p.screen512->Visible);
    EXPECT_FALSE(p.screen512->Enabled);
    p.screen512->setChecked(true);
    EXPECT_TRUE(p.screen640->Checked());
    p.screen800->setChecked(true);
    EXPECT_TRUE(p.screen512->Checked());
    EXPECT_FALSE(p.screen640->Checked());
    EXPECT_TRUE(p.soundon->Checked()) << "the sound buttons are another group";
}

TEST_F(PanelsFixture, VersionLineFollowsTheFormSize) {
    form.Width = 1024;
    form.Height = 768;
    shot();
    EXPECT_EQ(p.copywrite->screenRect(), (platform::Rect{0, 754, 1024, 14}));
    EXPECT_EQ(p.copywrite->Caption, "Orbigolf Demo Version 1.1");
}

TEST_F(PanelsFixture, KeyboardWalksTheStartPanelAndEnterNeverQuits) {
    showOnly(p.start);
    std::vector<std::string> order;
    for (int i = 0; i < 10; ++i) {
        form.handleEvent(InputEvent::keyDown(platform::vk::VK_TAB));
        order.push_back(form.focused()->Name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"players", "gametype", "showrules", "course", "playerinfo", "name",
                                               "pullputt", "easytarget", "launch", "FlatButton1"}));
    int launches = 0, cancels = 0;
    p.launch->OnClick = [&](widgets::Control&) { ++launches; };
    p.FlatButton1->OnClick = [&](widgets::Control&) { ++cancels; };
    p.name->SetFocus();
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_RETURN));
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_ESCAPE));
    EXPECT_EQ(launches, 1);
    EXPECT_EQ(cancels, 1);

    showOnly(p.quit);
    int exits = 0, stays = 0;
    p.quitbutton->OnClick = [&](widgets::Control&) { ++exits; };
    p.cancelButton1->OnClick = [&](widgets::Control&) { ++stays; };
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_RETURN));
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_ESCAPE));
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(stays, 2);
    click(150 + 189 + 30, 177 + 68 + 10);
    EXPECT_EQ(exits, 1);
}

// Where a control's caption is drawn, in form coordinates; empty for controls without one.
platform::Rect captionRect(const widgets::Control& c) {
    const platform::Rect r = c.screenRect();
    const int lineH = widgets::fontLineHeight();
    int widest = 0;
    if (dynamic_cast<const widgets::Label*>(&c) != nullptr) {
        for (const std::string& line : widgets::layoutLines(c.Caption, false, 0))
            widest = std::max(widest, widgets::textWidth(line));
        return {r.x, r.y, widest, lineH};
    }
    const auto* check = dynamic_cast<const widgets::CheckBox*>(&c);
    if (check == nullptr && dynamic_cast<const widgets::RadioButton*>(&c) == nullptr) return {};
    const bool wrap = check != nullptr && check->WordWrap;
    const auto lines = widgets::layoutLines(c.Caption, wrap, std::max(1, c.Width - widgets::kMarkCaptionLeft));
    for (const std::string& line : lines) widest = std::max(widest, widgets::textWidth(line));
    const int h = lineH * static_cast<int>(lines.size());
    return {r.x + widgets::kMarkCaptionLeft, r.y + (r.h - h) / 2, widest, h};
}

bool overlaps(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool contains(const platform::Rect& outer, const platform::Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool isAncestor(const widgets::Control* a, const widgets::Control* c) {
    for (const widgets::Control* p = c->Parent(); p != nullptr; p = p->Parent())
        if (p == a) return true;
    return false;
}

void collectShowing(const widgets::Control& c, std::vector<const widgets::Control*>& out) {
    for (const auto& child : c.children()) {
        if (!child->Visible) continue;
        out.push_back(child.get());
        collectShowing(*child, out);
    }
}

TEST_F(PanelsFixture, NoCaptionRunsIntoAnotherControlOrOutOfItsBox) {
    for (widgets::Panel* panel : {p.start, p.rules, p.setup, p.quit}) {
        showOnly(panel);
        std::vector<const widgets::Control*> shown;
        collectShowing(*panel, shown);
        for (const widgets::Control* c : shown) {
            const platform::Rect text = captionRect(*c);
            if (text.w == 0) continue;
            const std::string where = panel->Name + "." + c->Name + " \"" + c->Caption + "\"";
            // Inside the panel, or the tab page that holds it.
            EXPECT_TRUE(contains(c->Parent()->screenRect(), text)) << where << " leaves its " << c->Parent()->Name;
            // A wrapped caption stays within its own width.
            if (dynamic_cast<const widgets::Label*>(c) == nullptr) {
                EXPECT_LE(text.x + text.w, c->screenRect().x + c->Width) << where << " is wider than its box";
            }
            // At least a pixel clear of every other control on either side.
            const platform::Rect clear{text.x - 1, text.y, text.w + 2, text.h};
            for (const widgets::Control* other : shown) {
                if (other == c || isAncestor(other, c) || isAncestor(c, other)) continue;
                EXPECT_FALSE(overlaps(clear, other->screenRect())) << where << " runs into " << other->Name;
            }
        }
    }
}

TEST_F(PanelsFixture, EveryPanelForReview) {
    // Not compared: written for a look when ORBIGOLF_REVIEW_DIR is set.
    for (widgets::Panel* panel : {p.mainmenu, p.start, p.rules, p.setup, p.quit}) {
        showOnly(panel);
        review(panelShot(), "panel_" + panel->Name);
    }
    showOnly(p.start);
    p.name->SetFocus();
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_END));
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_LEFT, platform::ssShift));
    form.idle(0);
    review(panelShot(), "start_edit_focused");
    click(150 + 64 + 50, 177 + 32 + 10);  // opens gametype
    form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, 150 + 64 + 50, 177 + 32 + 36));
    review(panelShot(), "start_gametype_open");
    showOnly(p.setup);
    p.skin->Items = {"[default interface]", "blue", "chrome", "green", "ice", "lava", "neon", "retro", "wood"};
    click(150 + 251 + 50, 177 + 65 + 10);
    review(panelShot(), "setup_skin_open");
    p.skin->setDroppedDown(false);
    p.OkButton1->SetFocus();
    form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseMove, MouseButton::Left, 150 + 106 + 30, 177 + 6 + 36 + 8));
    form.idle(1000);
    form.idle(1600);
    review(panelShot(), "setup_hint");
    showOnly(p.quit);
    form.handleEvent(InputEvent::keyDown(platform::vk::VK_TAB));
    review(panelShot(), "quit_focused");
    showOnly(p.rules);
    form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseDown, MouseButton::Left, 150 + 280, 177 + 95));
    form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseDown, MouseButton::Left, 150 + 100, 177 + 120));
    review(panelShot(), "rules_pressed");
    form.handleEvent(InputEvent::mouse(InputEvent::Type::MouseUp, MouseButton::Left, 150 + 100, 177 + 120));
    p.FlatButton4->Enabled = false;
    p.minus1->Enabled = false;
    review(panelShot(), "rules_disabled");
    showOnly(p.start);
    p.playerinfo->setTabIndex(2);
    review(shot(), "launch_pad_whole");

    // Every character of the font, 32 to a row.
    platform::Surface sheet(520, 7 * 16 + 4);
    sheet.fill(platform::toRgb565(224, 216, 207));
    for (int c = 32; c < 256; ++c)
        widgets::drawText(sheet, 4 + (c % 32) * 16, 2 + (c / 32 - 1) * 16, std::string(1, static_cast<char>(c)),
                          widgets::clBlack, {0, 0, 520, 200});
    review(sheet, "font_sheet");
    SUCCEED();
}

}  // namespace
}  // namespace orbigolf::frontend
