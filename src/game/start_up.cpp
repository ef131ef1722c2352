// Bringing the game screen up: creation, the sound device, the display and the
// interface assets, the first hole, the ball textures and the scenery motes.

#include <chrono>
#include <filesystem>
#include <thread>

#include "game/hole_setup.h"
#include "game/scenery.h"
#include "game/tmain.h"
#include "game/turns.h"
#include "media/media_error.h"

namespace orbigolf {
namespace {

// The skin files and the interface pictures they replace.
struct SkinFile {
    const char* file;
    int item;
};
constexpr SkinFile kSkinFiles[] = {
    {"pointer.bmp", 0}, {"panel.bmp", 1}, {"panelmin.bmp", 2}, {"buttonsdown.bmp", 3}, {"pushputt.bmp", 4},
    {"gauge.bmp", 5},   {"target.bmp", 6}, {"font.bmp", 7},      {"numbers.bmp", 8},     {"namebox.bmp", 18},
};

constexpr const char* kDefaultSkin = "[default interface]";

// How long start-up waits for the display to become drawable before giving up.
constexpr int kDisplayWaitMs = 2000;
constexpr int kDisplayPollMs = 10;

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void TMain::FormCreate() {
    s_.panelSmall = 0;
    s_.exitAsked = 0;
    s_.random.seed(seed_ ? *seed_
                         : static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    if (controls_.screen1024) display_.setMode(1024, 768);
    if (controls_.screen800) display_.setMode(800, 600);
    if (controls_.screen640) display_.setMode(640, 480);
    if (controls_.screen512) display_.setMode(512, 384);
    // Fast video writes draw without page flipping and without waiting for the blank.
    display_.setWaitVBlank(!controls_.fastwrite);
    switch (controls_.frameskip) {
        case 1: timer_.setInterval(33); break;
        case 2: timer_.setInterval(66); break;
        default: timer_.setInterval(0); break;
    }
    window_.setCursorVisible(false);
    sound_.initialize();
}

void TMain::DXSoundInitialize() {
    if (controls_.soundoff) s_.soundOn = 0;
    if (controls_.soundon) s_.soundOn = 1;
    s_.bgSoundOn = controls_.bgsounds ? 1 : 0;
    sound_.setPrimaryFormat(platform::PcmFormat{1, 22050, 16});
}

void TMain::show() { display_.initialize(); }

void TMain::waitForDisplay() {
    for (int waited = 0; !display_.ready(); waited += kDisplayPollMs) {
        if (waited >= kDisplayWaitMs) throw platform::DisplayError("The display did not become ready for drawing");
        std::this_thread::sleep_for(std::chrono::milliseconds(kDisplayPollMs));
    }
}

void TMain::DXDrawInitialize() {
    window_.setCursorVisible(false);
    menu_.loadFromFile(dataPath("menu.dxg"), PictureColours::Display);
    sounds_.loadFromFile(dataPath("sound.dxw"));
    waitForDisplay();
    s_.substeps = 1;
    s_.bgSoundOn = controls_.bgsounds ? 1 : 0;
    gui_.loadFromFile(dataPath("gui.dxg"), PictureColours::Display);
    applySkin();

    const Rules rules = controls_.rules();
    FirstHole(s_, rules, controls_.course);
    if (firstHole_) s_.holeName = *firstHole_;
    PlayerChoice choices[kMaxPlayers];
    for (size_t i = 0; i < kMaxPlayers; ++i) {
        choices[i].name = controls_.player[i];
        choices[i].pullPutt = controls_.pull[i];
        choices[i].easyTarget = controls_.easy[i];
    }
    resetForNewGame(s_, controls_.players + 1, choices);

    HoleInit();
    if (closed_) return;
    loadBallTextures();
    const platform::Picture* coursePicture = pictureOf(&course_, 0);
    scatterMotes(s_, display_.width(), display_.height(),
                 coursePicture != nullptr ? coursePicture->frameHeight() : display_.height());
}

void TMain::applySkin() {
    if (controls_.skin.empty() || controls_.skin == kDefaultSkin) return;
    for (const SkinFile& f : kSkinFiles) {
        const std::string path = dataPath("skins/" + controls_.skin + "/" + f.file);
        if (!isRegularFile(path) || f.item >= gui_.count()) continue;
        // A damaged skin file is reported; the picture from "gui.dxg" stays.
        try {
            gui_.item(f.item).loadPictureFromFile(path);
        } catch (const std::exception& e) {
            report(e.what());
        }
    }
}

void TMain::loadBallTextures() {
    if (gui_.count() <= 14) return;
    // The launch pad's own ball picture, which every player has until one is chosen.
    const TPictureCollectionItem formBall = gui_.item(11);
    for (size_t n = 1; n <= 4; ++n) {
        TPictureCollectionItem& item = gui_.item(static_cast<int>(10 + n));
        item.copyPicture(formBall);
        const std::string& file = controls_.image[n - 1];
        if (file.empty()) continue;
        try {
            item.loadPictureFromFile(dataPath(file));
        } catch (const std::exception& e) {
            report(e.what());
        }
    }
    // The item surfaces already hold the display's own pixel values, which the ball
    // drawing copies unchanged.
}

}  // namespace orbigolf
