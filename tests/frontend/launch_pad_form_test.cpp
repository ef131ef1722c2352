// The launch pad form on its own, with a test host: what the whole-program replays cannot
// see - the display that will not start, the menu's and the flip's sounds, the window's
// title, and the picture menu's hover.

#include <gtest/gtest.h>

#include <optional>

#include "fake_form_host.h"
#include "frontend/launch_pad.h"

#ifndef ORBIGOLF_CONTENT_DIR
#define ORBIGOLF_CONTENT_DIR "."
#endif

namespace orbigolf::frontend {
namespace {

using testing::FakeFormHost;

// A form whose modal run ends as soon as it is shown.
class PassingForm : public Form {
public:
    void show() override { ++shown; }
    void handleEvent(const platform::InputEvent&) override {}
    bool modalDone() const override { return true; }
    int shown = 0;
};

class LaunchPadForm : public ::testing::Test {
protected:
    LaunchPadForm() {
        host_.dataDir = ORBIGOLF_CONTENT_DIR;
        host_.win.setWaitAdvancesClock(false);
        form_.emplace(host_, intro_, extro_,
                      [this](LaunchPadControls&) {
                          ++games_;
                          if (!gameFailure_.empty()) throw platform::DisplayError(gameFailure_);
                      },
                      std::filesystem::path());
    }
    FakeFormHost host_;
    PassingForm intro_, extro_;
    int games_ = 0;
    std::string gameFailure_;  // what a game that cannot start throws
    std::optional<Tlaunchpad> form_;
    Tlaunchpad& pad() { return *form_; }

    void click(int x, int y) {
        using T = platform::InputEvent::Type;
        pad().handleEvent(platform::InputEvent::mouse(T::MouseMove, platform::MouseButton::Left, x, y));
        pad().handleEvent(platform::InputEvent::mouse(T::MouseDown, platform::MouseButton::Left, x, y));
        pad().handleEvent(platform::InputEvent::mouse(T::Click, platform::MouseButton::Left, x, y));
        pad().handleEvent(platform::InputEvent::mouse(T::MouseUp, platform::MouseButton::Left, x, y));
    }
    bool playing(int item) { return pad().DXSong().item(item).playing(); }
    void stopAll() {
        for (int i = 0; i < pad().DXSong().count(); ++i) pad().DXSong().item(i).stop();
    }
};

TEST_F(LaunchPadForm, ADisplayThatCannotStartEndsTheProgramAfterTheBox) {
    pad().FormCreate();
    host_.win.setRefuseModes(true);
    pad().show();
    EXPECT_TRUE(pad().modalDone());
    ASSERT_EQ(host_.errors.size(), 1u);
    EXPECT_EQ(host_.errors[0], "DirectX Error: Requires DirectX 6.0 or later");
    EXPECT_EQ(intro_.shown, 0);
}

TEST_F(LaunchPadForm, ShowingOffersTheIntroOnceAndStartsTheMusic) {
    pad().FormCreate();
    pad().show();
    EXPECT_EQ(host_.win.title(), "Orbigolf Demo LaunchPad");
    EXPECT_EQ(intro_.shown, 1);
    EXPECT_TRUE(pad().interfaceUp());
    EXPECT_EQ(host_.win.modeWidth(), 640);
    EXPECT_EQ(pad().panel(), LaunchPadPanel::Menu);
    EXPECT_TRUE(pad().DXSong().item(kMenuMusic).looped());
    EXPECT_TRUE(playing(kMenuMusic));
    EXPECT_EQ(pad().DXSong().item(1).volume(), -700);
    // Background sound off stops the music at once.
    pad().panels().bgsounds->setChecked(false);
    EXPECT_FALSE(playing(kMenuMusic));
    for (const std::string& e : host_.errors) ADD_FAILURE() << e;
}

TEST_F(LaunchPadForm, MenuChoicesFlipWithTheirSoundUnlessFlippingIsOff) {
    pad().FormCreate();
    pad().show();
    stopAll();
    click(276, 266);  // start game
    EXPECT_EQ(pad().panel(), LaunchPadPanel::Start);
    EXPECT_TRUE(playing(kMenuFlip));
    EXPECT_EQ(pad().FliPlayerTimer1().FileName(), host_.dataPath("interface_loop.flc"));

    click(150 + 139, 177 + 123);  // Cancel
    pad().panels().noflip->setChecked(true);
    stopAll();
    click(358, 264);  // setup
    EXPECT_EQ(pad().panel(), LaunchPadPanel::Setup);
    EXPECT_FALSE(playing(kMenuFlip));
}

TEST_F(LaunchPadForm, HoveringANewSpotClicksOncePerChangeOfSpot) {
    pad().FormCreate();
    pad().show();
    using T = platform::InputEvent::Type;
    const auto move = [&](int x, int y) {
        pad().handleEvent(platform::InputEvent::mouse(T::MouseMove, platform::MouseButton::Left, x, y));
    };
    move(160, 190);
    stopAll();
    move(276, 266);
    EXPECT_TRUE(playing(kMenuClick));
    stopAll();
    move(278, 266);  // the same spot
    EXPECT_FALSE(playing(kMenuClick));
    move(358, 264);  // another spot
    EXPECT_TRUE(playing(kMenuClick));
    // With sound off nothing is played.
    pad().panels().soundoff->setChecked(true);
    stopAll();
    move(276, 266);
    EXPECT_FALSE(playing(kMenuClick));
}

TEST_F(LaunchPadForm, StartingAGameHandsOverAndComesBackToTheMenu) {
    pad().FormCreate();
    pad().show();
    click(276, 266);
    click(150 + 53, 177 + 123);  // Start Game
    EXPECT_EQ(games_, 1);
    EXPECT_EQ(intro_.shown, 1);  // not offered again
    EXPECT_EQ(pad().panel(), LaunchPadPanel::Menu);
    EXPECT_EQ(host_.win.title(), "Orbigolf Demo LaunchPad");
    EXPECT_TRUE(playing(kMenuMusic));
}

TEST_F(LaunchPadForm, AGameThatCannotStartIsReportedOnceAndTheMenuComesBack) {
    pad().FormCreate();
    pad().show();
    gameFailure_ = "Display mode 1024x768 is not supported";
    click(276, 266);
    click(150 + 53, 177 + 123);  // Start Game
    EXPECT_EQ(games_, 1);
    ASSERT_EQ(host_.errors.size(), 1u);
    EXPECT_EQ(host_.errors[0], gameFailure_);
    EXPECT_EQ(pad().panel(), LaunchPadPanel::Menu);
    EXPECT_EQ(host_.win.title(), "Orbigolf Demo LaunchPad");
    EXPECT_TRUE(playing(kMenuMusic));
    // The next start goes ahead as usual.
    gameFailure_.clear();
    click(276, 266);
    click(150 + 53, 177 + 123);
    EXPECT_EQ(games_, 2);
    EXPECT_EQ(host_.errors.size(), 1u);
    EXPECT_EQ(pad().panel(), LaunchPadPanel::Menu);
}

}  // namespace
}  // namespace orbigolf::frontend
