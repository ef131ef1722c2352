// The heads-up display's state mechanics (message line, big message, hints, buttons,
// labels) and its drawing on small pictures.

#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "game/hud.h"
#include "game/messages.h"

namespace orbigolf {
namespace {

GameState hudState(int substeps = 1) {
    GameState s;
    s.numPlayers = 2;
    s.curPlayer = 1;
    s.substeps = substeps;
    s.messagePos = -1;
    s.holePar = 3;
    s.playerRecs[1].name = "Player 1";
    s.playerRecs[2].name = "Player 2";
    s.random.seed(3);
    return s;
}

int ticksWhile(GameState& s, bool (*shown)(const HudFrame&), int limit = 1000) {
    Rules rules;
    int ticks = 0;
    while (ticks < limit && shown(hudStep(s, rules, 640, 480))) ++ticks;
    return ticks;
}

TEST(MessageLine, ScrollsOneCharacterEveryFourSubstepsAndGoesIdle) {
    const int expected[] = {0, 117, 59, 0, 30};  // by substeps 1, 2, 4
    for (int sub : {1, 2, 4}) {
        GameState s = hudState(sub);
        PostMessage(s, scrolling("HI"));
        EXPECT_EQ(s.messagePos, 0);
        EXPECT_EQ(ticksWhile(s, [](const HudFrame& f) { return f.messageShown; }), expected[sub]) << sub;
        EXPECT_EQ(s.messagePos, -1);
    }
}

TEST(MessageLine, WindowMovesFromTheRightAndIsCutToThePanel) {
    GameState s = hudState();
    Rules rules;
    PostMessage(s, scrolling("SOUND ON"));
    HudFrame f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(f.messageWindow, std::string(27, ' ') + "S");  // position 1 shows from 1
    for (int i = 0; i < 7; ++i) f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(s.messagePos, 8);
    EXPECT_EQ(f.messageWindow, std::string(26, ' ') + "SO");
    s.panelSmall = 1;
    f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(f.messageWindow.size(), 21u);
    // A new message replaces the scrolling one and starts again from the right.
    PostMessage(s, scrolling("SOUND OFF"));
    f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(s.messagePos, 1);
}

TEST(BigMessage, FadeLastsSeventySixThirtyNineAndTwentyTicks) {
    const int expected[] = {0, 76, 39, 0, 20};
    for (int sub : {1, 2, 4}) {
        GameState s = hudState(sub);
        ShowBigMessage(s, "BIRDIE");
        EXPECT_EQ(ticksWhile(s, [](const HudFrame& f) { return f.bigShown; }), expected[sub]) << sub;
        EXPECT_EQ(s.bigMessageFade, 0);
        EXPECT_TRUE(s.bigMessage.empty());
    }
}

TEST(BigMessage, CentredWithJitterAndThreeQuartersAlpha) {
    GameState s = hudState();
    Rules rules;
    ShowBigMessage(s, "PAR");
    const HudFrame f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(f.bigAlpha, 191);
    const int centre = (640 - 23 * 3) / 2;
    EXPECT_GE(f.bigX1, centre);
    EXPECT_LE(f.bigX1, centre + 1);
    EXPECT_GE(f.bigX2, centre);
    EXPECT_LE(f.bigX2, centre + 3);
    EXPECT_EQ(f.bigY1, 210);
    EXPECT_GE(f.bigY2, 210);
    EXPECT_LE(f.bigY2, 211);
    EXPECT_EQ(s.bigMessageFade, 253);  // 255 - (512 div 255)
}

TEST(BigMessage, ExitQuestionFlickersAndNeverFades) {
    GameState s = hudState();
    Rules rules;
    s.exitAsked = 1;
    for (int i = 0; i < 300; ++i) {
        const HudFrame f = hudStep(s, rules, 640, 480);
        ASSERT_TRUE(f.bigShown);
        EXPECT_EQ(f.bigText, "PRESS ENTER TO CONFIRM EXIT");
        EXPECT_GE(f.bigAlpha, 146);
        EXPECT_LE(f.bigAlpha, 153);
    }
}

TEST(Panel, HintOfTheLastAreaAndOnlyWhileTheLineIsIdle) {
    EXPECT_EQ(panelHint(40, 80), "TOGGLE PUSH/PULL PUTT");  // shared columns: right-hand button
    EXPECT_EQ(panelHint(16, 102), "REPEAT LAST MESSAGE");
    EXPECT_EQ(panelHint(130, 90), "CENTERBALL (HOME)");
    EXPECT_EQ(panelHint(50, 40), "SHOW SCORE DETAILS ");
    EXPECT_EQ(panelHint(270, 10), "EXIT GAME (ESC) ");
    EXPECT_EQ(panelHint(300, 300), "");

    GameState s = hudState();
    Rules rules;
    s.mouseX = 50;
    s.mouseY = 40;
    HudFrame f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(f.helpText, "SHOW SCORE DETAILS ");
    EXPECT_TRUE(s.helpText.empty());
    PostMessage(s, scrolling("BONUS STROKE"));
    f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(f.helpText, "");
    s.panelSmall = 1;
    s.messagePos = -1;
    f = hudStep(s, rules, 640, 480);
    EXPECT_EQ(f.helpText, "");  // no hints on the minimised panel
}

TEST(Panel, SlidingOffAHeldButtonReleasesIt) {
    GameState s = hudState();
    Rules rules;
    s.buttonDown[kSoundButton] = 1;
    s.buttonDown[kCentreButton] = 1;
    s.mouseX = 70;
    s.mouseY = 90;
    hudStep(s, rules, 640, 480);
    EXPECT_TRUE(s.buttonDown[kSoundButton]);
    EXPECT_FALSE(s.buttonDown[kCentreButton]);
}

TEST(Panel, LabelsAndScoreTexts) {
    GameState s = hudState();
    s.playerRecs[2].totalStrokes = 14;
    EXPECT_EQ(playerLabel(s, 2, 9), "2. PLAYER 2 (14)");
    s.playerRecs[1].name = "Bartholomew Longname";
    EXPECT_EQ(playerLabel(s, 1, 9), "1. BARTHOLOM (0)");
    EXPECT_EQ(playerLabel(s, 1, 17), "1. BARTHOLOMEW LONGN (0)");
    EXPECT_EQ(scoreText(0), "o0");
    EXPECT_EQ(scoreText(-2), "-2");
    EXPECT_EQ(scoreText(12), "o12");
}

TEST(Panel, ScoreToParFollowsOnceParIsUsed) {
    GameState s = hudState();
    Rules rules;
    s.coursePar = 6;
    s.playerRecs[1].strokes = 3;
    s.playerRecs[1].totalStrokes = 8;
    hudStep(s, rules, 640, 480);
    EXPECT_EQ(s.playerRecs[1].scoreToPar, 2);
}

// Drawing: a label over the ball and the strokes figure moving left at 10.
struct HudDrawTest : ::testing::Test {
    void SetUp() override {
        testing::initDisplay(display, 320, 240);
        testing::fillList(gui, 19);
        testing::fillList(menu, 6);
        // Small font: every glyph a 2 x 2 white square.
        testing::setItem(gui, 7, testing::solidItem(2 * 67, 2, media::makeRgb(255, 255, 255), 2, 2));
        pics = GamePictures{&gui, &menu, nullptr};
    }
    platform::Display display;
    TDXImageList gui, menu;
    GamePictures pics;
};

TEST_F(HudDrawTest, CurrentPlayersLabelIsCentredOnItsLength) {
    GameState s = hudState();
    Rules rules;
    s.panelSmall = 1;
    s.playerRecs[1].x = 160;
    s.playerRecs[1].y = 150;
    s.playerRecs[1].inPlay = 1;
    const HudFrame f = hudStep(s, rules, 320, 240);
    drawHud(display, s, pics, rules, f);
    // "1. PLAYER 1 (0)" is 15 characters: from 160 - 45, the first glyph at +2.
    EXPECT_EQ(testing::raw(display, 160 - 45 + 1, 115), 0);
    EXPECT_NE(testing::raw(display, 160 - 45 + 2, 115), 0);
    EXPECT_NE(testing::raw(display, 160 - 45 + 2 * 15 + 1, 115), 0);
    EXPECT_EQ(testing::raw(display, 160 - 45 + 2 * 16, 115), 0);
}

TEST_F(HudDrawTest, StrokesOfTenOrMoreMoveFivePixelsLeft) {
    GameState s = hudState();
    Rules rules;
    s.playerRecs[1].strokes = 12;
    s.panelSmall = 1;
    drawHud(display, s, pics, rules, hudStep(s, rules, 320, 240));
    EXPECT_NE(testing::raw(display, 203, 9), 0);  // 201 + one advance
    EXPECT_EQ(testing::raw(display, 202, 9), 0);
}

TEST_F(HudDrawTest, PagesCoverEverything) {
    GameState s = hudState();
    Rules rules;
    s.screenMode = ScreenMode::Help;
    testing::setItem(menu, 2, testing::solidItem(10, 10, media::makeRgb(255, 0, 0)));
    testing::setItem(menu, 3, testing::solidItem(20, 20, media::makeRgb(0, 0, 255)));
    s.playerRecs[1].pullPutt = 1;
    display.fill(0xFFFF);
    drawHud(display, s, pics, rules, hudStep(s, rules, 320, 240));
    EXPECT_EQ(testing::at(display, 150, 110), (platform::Rgb{255, 0, 0}));  // placed by picture 3's size
    EXPECT_EQ(testing::at(display, 160, 120), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(testing::at(display, 0, 0), (platform::Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace orbigolf
