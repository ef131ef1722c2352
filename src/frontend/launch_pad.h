#pragma once
// Tlaunchpad: the program's main form. It covers the screen with the looping interface
// animation and shows one small panel at a time over it: the picture menu and the start,
// rules, set-up and quit panels it opens. It owns the menu sounds, the settings store
// and, while "Use Full Screen Interface *" is checked, a 640 x 480 display of its own.
//
// Its controls are the hand-over to the game: "Start Game" and "Start Training" save the
// settings and hand the chosen options, rules and player entries to the game runner the
// program gives it, which shows a new game screen modally.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/am_reg.h"
#include "frontend/form.h"
#include "frontend/launch_pad_panels.h"
#include "frontend/widgets/widget_form.h"
#include "game/launch_pad_controls.h"
#include "media/flic_player.h"
#include "media/hot_image.h"
#include "media/wave_list.h"
#include "platform/display.h"
#include "platform/sound.h"

namespace orbigolf::frontend {

inline constexpr const char* kLaunchPadCaption = "Orbigolf Demo LaunchPad";
inline constexpr const char* kVersionLine = "Orbigolf Demo Version 1.1";
inline constexpr const char* kDefaultInterface = "[default interface]";

// Menu sound items of "menu.dxw".
inline constexpr int kMenuMusic = 0;
inline constexpr int kMenuClick = 1;
inline constexpr int kMenuFlip = 3;

// The panel a launch pad shows (none while a game runs or before the first show).
enum class LaunchPadPanel { None, Menu, Start, Rules, Setup, Quit };
const char* panelName(LaunchPadPanel panel);

class Tlaunchpad : public Form {
public:
    // Runs one game with the chosen controls: creates the game screen, shows it modally
    // and destroys it when it closes.
    using GameRunner = std::function<void(LaunchPadControls&)>;

    // `settings` is the settings store's file (empty: a store kept in memory for this run).
    Tlaunchpad(FormHost& host, Form& intro, Form& extro, GameRunner runGame, std::filesystem::path settings);
    ~Tlaunchpad() override;

    // --- the form ---
    void FormCreate();
    void FormShow();
    void show() override { FormShow(); }
    void handleEvent(const platform::InputEvent& event) override;
    std::vector<platform::TDXTimer*> timers() override;
    // The main form's run ends when the application ends (after "Exit", or a display that
    // cannot start).
    bool modalDone() const override { return terminated_; }

    // --- handlers ---
    void HotImage1SelectSpot();
    void HotImage1Click();
    void launchClick();
    void showrulesClick();
    void rulesokClick();
    void gametypeChange();
    void playerinfoTabChanged();
    void nameChange();
    void easytargetMouseUp();
    void tex_incClick();
    void OkButton1Click();
    void cancelButton1Click();
    void quitbuttonClick();
    void bgsoundsClick();
    void skinMouseDown();
    void flipinterface();

    // --- what tests and the program look at ---
    LaunchPadPanels& panels() { return p_; }
    media::THotImage& HotImage1() { return hotImage_; }
    media::TFliPlayerTimer& FliPlayerTimer1() { return flic_; }
    TDXWaveList& DXSong() { return song_; }
    LaunchPadPanel panel() const;
    bool introshown() const { return introshown_; }
    // The intro was skipped from the command line: it is not offered in this run.
    void setIntroShown(bool shown) { introshown_ = shown; }
    bool interfaceUp() const { return interface_.initialized(); }
    // The controls the game reads, as they stand now.
    LaunchPadControls controls() const;
    // Where the panels lie in the form (form coordinates of `mainmenu`'s top-left).
    int panelLeft() const;
    int panelTop() const;
    // Composes the form's picture and shows it.
    void present();

private:
    void bindHandlers();
    void placePanel(widgets::Panel* panel);
    void playSound(int index);
    void loadSettings();
    void saveSettings();
    void fillSkinList();
    void initSound();
    void initInterface();
    void layout();
    platform::Surface& surface();
    void endApplication() { terminated_ = true; }
    void report(const std::string& message) { host_.showError(message); }
    std::string path(const std::string& name) const { return host_.dataPath(name); }
    widgets::Image* activeImage() const;
    int activePlayer() const;
    void routeMouseToMenu(const platform::InputEvent& event);

    FormHost& host_;
    Form& intro_;
    Form& extro_;
    GameRunner runGame_;

    widgets::WidgetForm form_;
    LaunchPadPanels p_;
    media::THotImage hotImage_;
    media::TFliPlayerTimer flic_;
    platform::TDXSound sound_;
    TDXWaveList song_;
    TAMReg reg_;
    platform::Display interface_;  // DXinterface: 640 x 480 while the full-screen interface is up
    platform::Display plain_;      // the form's own picture when it is not
    platform::TDXTimer frameTimer_;

    platform::Surface defaultBall_;
    std::array<std::string, 4> ballFiles_{};
    std::vector<std::string> textures_;  // the texture search's files, in the order found
    int textureNext_ = -1;               // the search's position; -1 before it is opened
    std::string storedSkin_;
    std::vector<std::string> pictureErrors_;  // reported once the form is created
    bool introshown_ = false;
    bool terminated_ = false;
    bool menuPressed_ = false;
    bool refreshingPage_ = false;  // the player page is being filled from an entry  // a press on the picture menu waits for its release
};

}  // namespace orbigolf::frontend
