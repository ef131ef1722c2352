// Keys and clicks of the game screen: cards, the leave question, the panel's buttons with
// their shared edges, the minimised panel, sound and frame limiting.

#include "game/sound_ids.h"
#include "game_screen_support.h"

namespace orbigolf::testing {
namespace {

constexpr const char* kPad = "                           ";

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        run.dismissCard();
        run.tick(80);
    }
    GameRun run;
    GameState& s = run.s();
};

TEST(CommandsCard, TheFirstKeyOnlyDismissesTheCard) {
    GameRun run;
    run.key(vk::VK_F8);
    EXPECT_EQ(run.s().screenMode, ScreenMode::Play);
    EXPECT_TRUE(run.s().playerRecs[1].pullPutt);
    run.key(vk::VK_F8);
    EXPECT_FALSE(run.s().playerRecs[1].pullPutt);
    EXPECT_EQ(run.s().message, std::string(kPad) + "PUSH PUTT METHOD");
}

TEST_F(Commands, EscapeAsksAndAnyOtherKeyKeepsTheGameGoing) {
    run.key(vk::VK_ESCAPE);
    EXPECT_TRUE(s.exitAsked);
    run.tick();
    EXPECT_EQ(s.bigMessage, "PRESS ENTER TO CONFIRM EXIT");
    run.key(vk::VK_ESCAPE);
    EXPECT_FALSE(s.exitAsked);
    EXPECT_FALSE(run.game().closed());
    run.key(vk::VK_ESCAPE);
    run.send(InputEvent::keyDown(vk::VK_RETURN));
    EXPECT_TRUE(run.game().closed());
    EXPECT_FALSE(run.game().display().ready());
    EXPECT_FALSE(run.game().timer().enabled());
}

TEST_F(Commands, TheRightButtonAnswersTheQuestionByStaying) {
    run.click(270, 10);  // close box
    EXPECT_TRUE(s.exitAsked);
    run.press(400, 300, MouseButton::Right);
    EXPECT_FALSE(s.exitAsked);
}

TEST_F(Commands, BetweenHolesTheLeaveQuestionStillTakesItsAnswer) {
    // The last ball has just holed out: its result fades.
    s.exitAsked = 1;
    s.screenMode = ScreenMode::BetweenHoles;
    s.bigMessage = "PAR";
    s.bigMessageFade = 255;
    const std::string next = s.nextHole;
    run.tick(30);
    // The question holds the fade up; without an answer the next hole never comes.
    EXPECT_GT(s.bigMessageFade, 0);
    run.key(vk::VK_SPACE);
    EXPECT_FALSE(s.exitAsked);
    EXPECT_FALSE(s.panelSmall);  // the key did nothing else
    EXPECT_TRUE(run.tickUntil([&] { return s.screenMode == ScreenMode::HoleCard; }, 2000));
    EXPECT_EQ(s.holeName, next);

    s.screenMode = ScreenMode::BetweenHoles;
    s.exitAsked = 1;
    s.bigMessageFade = 255;
    run.send(InputEvent::keyDown(vk::VK_RETURN));
    EXPECT_TRUE(run.game().closed());
}

TEST_F(Commands, KeysBetweenHolesAreIgnoredOtherwise) {
    s.screenMode = ScreenMode::BetweenHoles;
    run.key(vk::VK_SPACE);
    run.key(vk::VK_ESCAPE);
    EXPECT_FALSE(s.panelSmall);
    EXPECT_FALSE(s.exitAsked);
}

TEST_F(Commands, F5CyclesTheFrameLimitWithItsMessages) {
    run.key(vk::VK_F5);
    EXPECT_EQ(run.game().timer().interval(), 66);
    EXPECT_EQ(run.game().timer().maxRate(), 0);
    EXPECT_EQ(s.message, std::string(kPad) + "FRAME LIMITING 15 FPS");
    run.key(vk::VK_F5);
    EXPECT_EQ(run.game().timer().interval(), 33);
    run.key(vk::VK_F5);
    EXPECT_EQ(run.game().timer().interval(), 0);
    EXPECT_EQ(run.game().timer().maxRate(), 60);
    EXPECT_EQ(s.message, std::string(kPad) + "FRAME LIMITING 60 FPS");
}

TEST_F(Commands, SoundKeysFollowTheBackgroundLoopRules) {
    TWaveCollectionItem& loop = run.game().bgsounds().item(sound::kHoleLoop);
    run.key(vk::VK_F4);  // sound off
    EXPECT_FALSE(s.soundOn);
    EXPECT_FALSE(loop.playing());
    EXPECT_EQ(s.message, std::string(kPad) + "SOUND OFF");
    run.key(vk::VK_F3);  // background off
    run.key(vk::VK_F3);  // background on, whatever the sound effects
    EXPECT_TRUE(s.bgSoundOn);
    EXPECT_TRUE(loop.playing());
    run.key(vk::VK_F3);
    EXPECT_FALSE(loop.playing());
    run.key(vk::VK_F4);  // sound on, background still off
    EXPECT_TRUE(s.soundOn);
    EXPECT_FALSE(loop.playing());
}

TEST_F(Commands, SharedButtonEdges) {
    // x = 39 is button 1's and button 2's edge: button 1 ends the handler.
    run.click(39, 80);
    EXPECT_TRUE(s.playerRecs[1].pullPutt);
    EXPECT_EQ(s.messagePos, 0);
    // x = 83: sound effects off, then the help page.
    run.click(83, 80);
    EXPECT_FALSE(s.soundOn);
    EXPECT_EQ(s.screenMode, ScreenMode::Help);
    run.key(vk::VK_A);
    EXPECT_EQ(s.screenMode, ScreenMode::Play);
    // x = 105: help page, then centring the view.
    s.recentre = 0;
    run.click(105, 80);
    EXPECT_EQ(s.screenMode, ScreenMode::Help);
    EXPECT_TRUE(s.recentre);
}

TEST_F(Commands, TheMethodSignAndButtonTwoSwitchThePuttingMethod) {
    run.click(200, 50);
    EXPECT_FALSE(s.playerRecs[1].pullPutt);
    run.click(50, 80);
    EXPECT_TRUE(s.playerRecs[1].pullPutt);
    EXPECT_EQ(s.message, std::string(kPad) + "PULL PUTT METHOD");
}

TEST_F(Commands, TheMinimisedPanelSwitchesOnlyTheScoreBoxOff) {
    run.moveTo(100, 10);
    run.send(InputEvent::mouse(InputEvent::Type::DblClick, MouseButton::Left, 100, 10));
    EXPECT_TRUE(s.panelSmall);
    run.click(50, 40);
    EXPECT_EQ(s.screenMode, ScreenMode::Play);
    run.click(200, 50);  // the method sign still acts
    EXPECT_FALSE(s.playerRecs[1].pullPutt);
    run.key(vk::VK_SPACE);
    EXPECT_FALSE(s.panelSmall);
    run.click(50, 40);
    EXPECT_EQ(s.screenMode, ScreenMode::ScoreCard);
    run.click(50, 40);
    EXPECT_EQ(s.screenMode, ScreenMode::Play);
    run.key(vk::VK_SPACE);
    EXPECT_EQ(s.panelSmall, 1);  // flags hold 0 or 1
}

TEST_F(Commands, ButtonsShowPressedUntilReleased) {
    run.press(30, 80);
    EXPECT_TRUE(s.buttonDown[kMessageButton]);
    run.release(30, 80);
    EXPECT_FALSE(s.buttonDown[kMessageButton]);
}

TEST_F(Commands, ArrowsPanAndEnterShowsScoresWhileHeld) {
    run.send(InputEvent::keyDown(vk::VK_RIGHT));
    EXPECT_TRUE(s.keyRight);
    run.send(InputEvent::keyUp(vk::VK_RIGHT));
    EXPECT_FALSE(s.keyRight);
    run.send(InputEvent::keyDown(vk::VK_RETURN));
    EXPECT_TRUE(s.showScores);
    run.send(InputEvent::keyUp(vk::VK_RETURN));
    EXPECT_FALSE(s.showScores);
    run.key(vk::VK_PRIOR);
    EXPECT_EQ(s.screenMode, ScreenMode::HoleCard);
    run.key(vk::VK_END);
    EXPECT_EQ(s.screenMode, ScreenMode::Play);
    run.key(vk::VK_END);
    EXPECT_EQ(s.screenMode, ScreenMode::ScoreCard);
}

TEST(CommandsClose, ClosingTheWindowLeavesTheGame) {
    GameRun run;
    run.send(InputEvent::close());
    EXPECT_TRUE(run.game().closed());
}

}  // namespace
}  // namespace orbigolf::testing
