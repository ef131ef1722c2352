// Whole game screens drawn from the real interface content (gui.dxg, menu.dxg of the
// build's program folder) over a small hole made here, compared pixel for pixel with
// the PNG files in goldens/. Set ORBIGOLF_UPDATE_GOLDENS=1 to rewrite them after a
// deliberate change of the content or the drawing; ORBIGOLF_REVIEW_DIR=dir also writes
// every screen (and one per scenery script) there for a look.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../support/built_content.h"
#include "drawing_test_support.h"
#include "game/draw_tick.h"
#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/hud.h"
#include "game/scenery.h"
#include "platform/screenshot.h"

#ifndef ORBIGOLF_CONTENT_DIR
#define ORBIGOLF_CONTENT_DIR "."
#endif
#ifndef ORBIGOLF_GOLDEN_DIR
#define ORBIGOLF_GOLDEN_DIR "goldens"
#endif

namespace orbigolf {
namespace {

namespace fs = std::filesystem;
using media::makeRgb;

// The built content set; ORBIGOLF_CONTENT_DIR in the environment points elsewhere.
fs::path contentDir() {
    const char* dir = std::getenv("ORBIGOLF_CONTENT_DIR");
    return dir != nullptr ? fs::path(dir) : fs::path(ORBIGOLF_CONTENT_DIR);
}

void review(const platform::Display& d, const std::string& name) {
    if (const char* dir = std::getenv("ORBIGOLF_REVIEW_DIR")) {
        fs::create_directories(dir);
        platform::savePng(d.backBuffer(), (fs::path(dir) / (name + ".png")).string());
    }
}

void expectGolden(const platform::Display& d, const std::string& name) {
    review(d, name);
    const std::string path = (fs::path(ORBIGOLF_GOLDEN_DIR) / (name + ".png")).string();
    if (std::getenv("ORBIGOLF_UPDATE_GOLDENS") != nullptr) {
        platform::savePng(d.backBuffer(), path);
        return;
    }
    int w = 0, h = 0;
    const std::vector<uint8_t> golden = platform::readPngRgb(path, w, h);
    ASSERT_FALSE(golden.empty()) << "missing golden " << path << " (run with ORBIGOLF_UPDATE_GOLDENS=1)";
    ASSERT_EQ(w, d.width()) << name;
    ASSERT_EQ(h, d.height()) << name;
    const std::vector<uint8_t> drawn = platform::toRgb24(d.backBuffer());
    size_t differing = 0, first = drawn.size();
    for (size_t i = 0; i < drawn.size(); ++i)
        if (drawn[i] != golden[i]) {
            ++differing;
            if (first == drawn.size()) first = i;
        }
    EXPECT_EQ(differing, 0u) << name << ": first difference at pixel " << (first / 3) % static_cast<size_t>(w)
                             << "," << (first / 3) / static_cast<size_t>(w);
}

// A small hole: 1100 x 1000 course of a starfield around a fairway with a cup, a
// foreground wall in 24 x 24 cells, sprite, mote and obstacle pictures and a hole card.
void buildHole(TDXImageList& course) {
    testing::fillList(course, 13);
    auto courseColour = [](int x, int y) -> media::Rgb {
        const bool fairway = x > 150 && x < 950 && y > 120 && y < 960;
        if (fairway) {
            const int stripe = ((x / 40) + (y / 20)) % 2;
            return stripe ? makeRgb(46, 140, 72) : makeRgb(40, 126, 64);
        }
        const unsigned h = (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
        if (h % 211 == 0) return makeRgb(220, 220, 255);
        return makeRgb(8, 10, static_cast<uint8_t>(30 + (y / 40)));
    };
    media::PictureListItem coursePic = testing::pictureItem(1100, 1000, [&](int x, int y) {
        const int dx = x - 800, dy = 2 * (y - 400);
        if (dx * dx + dy * dy < 81) return makeRgb(0, 0, 0);  // the cup
        if (x > 150 && x < 950 && (y == 121 || y == 959)) return makeRgb(200, 200, 210);
        return courseColour(x, y);
    });
    testing::setItem(course, 0, coursePic);
    // Foreground: a wall along the fairway's lower edge (keyed black elsewhere).
    testing::setItem(course, 1, testing::pictureItem(1080, 984, [](int x, int y) {
        return (x > 150 && x < 950 && y >= 456 && y < 470) ? makeRgb(150, 150, 170) : media::Rgb{0};
    }, 24, 24, true));
    testing::setItem(course, 2, testing::pictureItem(18, 6, [](int, int y) {
        return y < 3 ? makeRgb(90, 90, 90) : media::Rgb{0};
    }, 0, 0, true));
    // Picture 3: a four-frame glow; 4: a flag.
    testing::setItem(course, 3, testing::pictureItem(128, 32, [](int x, int y) {
        const int f = x / 32, dx = x % 32 - 16, dy = y - 16;
        const int r2 = dx * dx + dy * dy;
        return r2 < (6 + 3 * f) * (6 + 3 * f) ? makeRgb(static_cast<uint8_t>(200 - 40 * f), 120, 40) : media::Rgb{0};
    }, 32, 32, true));
    testing::setItem(course, 4, testing::pictureItem(20, 40, [](int x, int y) {
        if (x < 2) return makeRgb(230, 230, 230);
        return (y < 12 && x < 18) ? makeRgb(220, 40, 40) : media::Rgb{0};
    }, 0, 0, true));
    // Motes 5..7: small soft dots of three sizes, four frames each.
    for (int k = 0; k < 3; ++k) {
        const int size = 4 + 2 * k;
        testing::setItem(course, 5 + k, testing::pictureItem(4 * size, size, [=](int x, int y) {
            const int f = x / size, c = size / 2, dx = x % size - c, dy = y - c;
            return dx * dx + dy * dy <= c * c ? makeRgb(static_cast<uint8_t>(150 + 25 * f), 200, 255) : media::Rgb{0};
        }, size, size, true));
    }
    // Obstacles 8..11: blocks of four colours.
    const media::Rgb blocks[4] = {makeRgb(200, 80, 60), makeRgb(60, 160, 200), makeRgb(200, 180, 60), makeRgb(160, 80, 200)};
    for (int k = 0; k < 4; ++k)
        testing::setItem(course, 8 + k, testing::pictureItem(48, 36, [&](int x, int y) {
            return (x < 2 || y < 2 || x > 45 || y > 33) ? makeRgb(250, 250, 250) : blocks[k];
        }));
    // Hole card 12.
    testing::setItem(course, 12, testing::pictureItem(320, 200, [&](int x, int y) {
        if (x < 3 || y < 3 || x > 316 || y > 196) return makeRgb(200, 200, 220);
        return courseColour(150 + x * 5 / 2, 120 + y * 5 / 2);
    }));
}

struct ScreenTest : ::testing::Test {
    void SetUp() override {
        const fs::path dir = contentDir();
        ASSERT_TRUE(testing::haveFiles(dir, {"gui.dxg", "menu.dxg"}));
        gui.loadFromFile((dir / "gui.dxg").string());
        menu.loadFromFile((dir / "menu.dxg").string());
        buildHole(course);
        pics = GamePictures{&gui, &menu, &course};
        testing::initDisplay(display, 640, 480);
        startHole(s);
    }

    void startHole(GameState& st) {
        st = GameState{};
        st.random.seed(2024);
        st.numPlayers = 4;
        st.curPlayer = 1;
        st.substeps = 1;
        st.holeNum = 2;
        st.holePar = 3;
        st.coursePar = 6;
        st.pars[1] = 3;
        st.pars[2] = 3;
        st.messagePos = -1;
        st.courseWidth = 1100;
        st.courseHeight = 1000;
        st.mouseX = 420;
        st.mouseY = 300;
        st.holeName = "testhole";
        const char* names[4] = {"Nova", "Comet Kid", "Orbiter", "Luna"};
        for (int p = 1; p <= 4; ++p) {
            playerrec& b = st.playerRecs[p];
            b.name = names[p - 1];
            b.inPlay = 1;
            b.ballRows = 15;
            b.lastWall = -1;
            b.x = 260 + 26 * p;
            b.y = 380 + 9 * (p % 2);
            b.spin = static_cast<uint8_t>(40 * p);
            b.pullPutt = p != 2;
            b.totalStrokes = 3 + p;
            b.holeStrokes[1] = 3 + p;
            b.scoreToPar = p - 2;
        }
        st.scrollX = 60;
        st.scrollY = 150;
        spriterec& flag = st.sprites[40];
        flag.x = 794;
        flag.y = 362;
        flag.image = 4;
        flag.keep = 1;
        spriterec& glow = st.sprites[41];
        glow.x = 700;
        glow.y = 300;
        glow.image = 3;
        glow.keep = 1;
        glow.blend = 160;
        scatterMotes(st, 640, 480, 1000);
    }

    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) drawGameTick(s, rules, fx, display, pics);
    }

    platform::Display display;
    TDXImageList gui, menu, course;
    GamePictures pics;
    GameState s;
    Rules rules;
    SilentEffects fx;
};

TEST_F(ScreenTest, HoleStartWithTheFullPanel) {
    tick(2);
    expectGolden(display, "hole_full_panel");
}

TEST_F(ScreenTest, MinimisedPanelWithAScrollingMessage) {
    s.panelSmall = 1;
    s.curPlayer = 2;
    s.playerRecs[2].strokes = 11;
    PostMessage(s, std::string(27, ' ') + "YOU HIT A SPRING");
    tick(60);
    expectGolden(display, "hole_min_panel");
}

TEST_F(ScreenTest, FullPanelWithAHintPressedButtonAndBigMessage) {
    s.mouseX = 50;
    s.mouseY = 90;
    s.buttonDown[kMethodButton] = 1;
    s.showScores = 1;
    s.playerRecs[1].strokes = 2;
    ShowBigMessage(s, "BIRDIE");
    tick(3);
    expectGolden(display, "hole_hint_big_message");
}

TEST_F(ScreenTest, AimingAPullPuttShowsMarkerClubShadowAndGauge) {
    s.curPlayer = 1;
    const playerrec& b = s.playerRecs[1];
    s.dropX = static_cast<int32_t>(b.x) - s.scrollX;
    s.dropY = static_cast<int32_t>(b.y) - s.scrollY;
    s.mouseX = s.dropX - 60;  // pulled 60 left and 80 down: strength 50, aimed up and right
    s.mouseY = s.dropY + 80;
    s.puttPhase = PuttPhase::Aiming;
    tick(2);
    expectGolden(display, "putt_aiming");
}

TEST_F(ScreenTest, FilledScoreCard) {
    for (int p = 1; p <= 4; ++p) {
        playerrec& b = s.playerRecs[p];
        b.holeStrokes[2] = 2 + p % 3;
        b.totalStrokes = b.holeStrokes[1] + b.holeStrokes[2];
        b.scoreToPar = b.totalStrokes - 6;
        b.holesWon = p % 2;
    }
    s.pars[3] = 4;
    s.coursePar = 10;
    s.gameOver = 1;
    s.screenMode = ScreenMode::ScoreCard;
    tick();
    expectGolden(display, "score_card");
    EXPECT_EQ(s.message, "WINNER - NOVA ");
}

TEST_F(ScreenTest, OnePlayerScoreCardWithRank) {
    s.numPlayers = 1;
    s.playerRecs[1].name = "Player 1";
    s.playerRecs[1].holeStrokes[1] = 2;
    s.playerRecs[1].holeStrokes[2] = 3;
    s.playerRecs[1].holeStrokes[3] = 3;
    s.pars[3] = 3;
    s.coursePar = 9;
    s.playerRecs[1].totalStrokes = 8;
    s.playerRecs[1].scoreToPar = -1;
    s.gameOver = 1;
    s.screenMode = ScreenMode::ScoreCard;
    tick();
    expectGolden(display, "score_card_one_player");
}

TEST_F(ScreenTest, HelpPagesAndHoleCard) {
    s.screenMode = ScreenMode::Help;
    tick();
    expectGolden(display, "help_pull_putt");
    s.curPlayer = 2;  // putts by push
    tick();
    expectGolden(display, "help_push_putt");
    s.screenMode = ScreenMode::HoleCard;
    tick();
    expectGolden(display, "hole_card");
}

// What the heads-up display writes: the words of the scrolling line and the large messages.
const std::vector<std::string>& lineMessages() {
    static const std::vector<std::string> texts = {
        "PENALTY STROKE", "BONUS STROKE", "TOO FAST TO GO IN", "YOU WOKE THE CONSTRUCTION WORKER",
        "YOU HIT A SPRING", "YOU GOT SHOT", "WATCH OUT FOR WITCHES", "YOU HIT A FAN", "PULL PUTT METHOD",
        "PUSH PUTT METHOD", "FRAME LIMITING 15 FPS", "FRAME LIMITING 30 FPS", "FRAME LIMITING 60 FPS", "SOUND ON",
        "SOUND OFF", "BACKGROUND SOUND ON", "BACKGROUND SOUND OFF"};
    return texts;
}
const std::vector<std::string>& bigMessages() {
    static const std::vector<std::string> texts = {
        "EAGLE", "BIRDIE", "PAR", "BOGEY", "DOUBLE BOGEY", "TRIPLE BOGEY", "IN HOLE", "HOLE IN ONE",
        "PENALTY STROKE", "OVER STROKE LIMIT", "BONUS STROKE", "BONUS HOLE DISCOVERED",
        "PRESS ENTER TO CONFIRM EXIT"};
    return texts;
}

// The first letter of a text stands one advance right of its place, so a text of n
// letters ends n + 1 advances from it.
TEST_F(ScreenTest, EveryMessageFitsA640By480Screen) {
    const int big = menu.item(0).patternWidth();
    for (const std::string& text : bigMessages()) {
        const int n = static_cast<int>(text.size());
        const int x = (640 - 23 * n) / 2;  // the large message is centred as if 23 apart
        EXPECT_GE(x + big, 0) << text;
        EXPECT_LE(x + 3 + big * (n + 1), 640) << text << ": the widest jitter reaches past the screen";
    }
    // The scrolling window lies inside its panel, full (28 letters) and minimised (21).
    const int small = gui.item(7).patternWidth();
    EXPECT_LE(116 + small * 29, 4 + gui.item(1).width());
    EXPECT_LE(80 + small * 22, 4 + gui.item(2).width());
}

TEST_F(ScreenTest, ExitQuestion) {
    s.exitAsked = 1;
    tick(2);
    expectGolden(display, "exit_question");
}

// Every message line on both panels and every large message, for a look.
TEST_F(ScreenTest, ReviewMessages) {
    if (std::getenv("ORBIGOLF_REVIEW_DIR") == nullptr) GTEST_SKIP() << "review screenshots only";
    constexpr int kFullW = 310, kFullH = 110, kMinW = 280, kMinH = 34;
    const auto& lines = lineMessages();
    platform::Display sheet;
    testing::initDisplay(sheet, kFullW + kMinW, kFullH * static_cast<int>(lines.size()));
    const GameState start = s;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (int small = 0; small < 2; ++small) {
            s = start;
            s.panelSmall = static_cast<Boolean>(small);
            PostMessage(s, std::string(27, ' ') + lines[i]);
            // The words have come in once the 27 spaces have passed: 4 sub-steps each.
            tick(4 * 27);
            const int w = small ? kMinW : kFullW, h = small ? kMinH : kFullH;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    sheet.backBuffer().setPixel((small ? kFullW : 0) + x, kFullH * static_cast<int>(i) + y,
                                                display.backBuffer().pixel(x, y));
        }
    }
    review(sheet, "message_lines");
    for (size_t i = 0; i < bigMessages().size(); ++i) {
        s = start;
        ShowBigMessage(s, bigMessages()[i]);
        tick(2);
        review(display, "big_message_" + std::to_string(i));
    }
}

TEST_F(ScreenTest, SameStateSameScreen) {
    GameState again = s;
    tick(5);
    const std::vector<uint8_t> first = platform::toRgb24(display.backBuffer());
    s = again;
    display.fill(0xFFFF);
    tick(5);
    EXPECT_EQ(platform::toRgb24(display.backBuffer()), first);
}

// The holes of the content set at their start, once the hole card is closed and the
// view has glided to the first ball.
TEST(HoleScreens, ContentHolesAtTheirStart) {
    const fs::path dir = contentDir();
    ASSERT_TRUE(testing::haveFiles(dir, {"gui.dxg", "menu.dxg"}));
    TDXImageList gui, menu, course;
    gui.loadFromFile((dir / "gui.dxg").string());
    menu.loadFromFile((dir / "menu.dxg").string());
    for (const std::string hole : {"course1hole1", "course1hole2", "course1hole3", "training1"}) {
        SCOPED_TRACE(hole);
        ASSERT_TRUE(testing::haveFiles(dir, {hole + ".dxg", hole + ".hole"}));
        const std::string golden = "start_" + hole;
        course.loadFromFile((dir / (hole + ".dxg")).string());
        GameState s;
        Rules rules;
        s.random.seed(99);
        const PlayerChoice choices[kMaxPlayers] = {{"Nova", true, false}, {"Comet Kid", false, false},
                                                   {"Orbiter", true, false}, {"Luna", true, false}};
        resetForNewGame(s, 2, choices);
        s.substeps = 1;
        s.holeName = hole;
        s.courseWidth = course.item(0).patternWidth();
        s.courseHeight = course.item(0).patternHeight();
        ReadHoleFile(s, (dir / (hole + ".hole")).string());
        setUpHoleState(s, rules);
        scatterMotes(s, 640, 480, s.courseHeight);
        s.screenMode = ScreenMode::Play;
        s.mouseX = 400;
        s.mouseY = 300;
        platform::Display display;
        testing::initDisplay(display, 640, 480);
        SilentEffects fx;
        const GamePictures pics{&gui, &menu, &course};
        for (int t = 0; t < 40; ++t) drawGameTick(s, rules, fx, display, pics);
        expectGolden(display, golden);
    }
}

// One review screen per scenery script, on the same small hole renamed.
TEST_F(ScreenTest, ReviewScenery) {
    if (std::getenv("ORBIGOLF_REVIEW_DIR") == nullptr) GTEST_SKIP() << "review screenshots only";
    const char* holes[] = {"course1hole5", "course3hole9", "course1hole4", "course4hole3",
                           "course2hole9", "course2hole5", "course3hole6", "course2hole1"};
    const char* names[] = {"A_drifting", "B_falling", "C_storm", "D_bubbles", "E1_three", "E2_blink", "E3_four", "F_rocks"};
    for (int i = 0; i < 8; ++i) {
        startHole(s);
        s.holeName = holes[i];
        s.substeps = 2;
        s.scrollX = 200;
        s.scrollY = 100;
        if (i == 7) s.scrollY = 520;  // the rocks fall at the bottom of the course
        int after = -1;                // ticks to run once the rocks are falling
        for (int t = 0; t < 90 || (i == 7 && after != 0 && t < 2000); ++t) {
            if (i == 2 && t == 88) s.flash = 220;  // a flash on the screen
            drawGameTick(s, rules, fx, display, pics);
            bool falling = false;
            for (const particlerec& q : s.particles) falling = falling || q.active;
            if (i == 7 && after < 0 && falling) after = 8;
            if (after > 0) --after;
        }
        review(display, std::string("scenery_") + names[i]);
    }
}

}  // namespace
}  // namespace orbigolf
