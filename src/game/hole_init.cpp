// Setting up one hole: the loading screen and sound, the hole's three files, the
// per-hole state and the start card, with the game timer off throughout.

#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/picture_numbers.h"
#include "game/sound_ids.h"
#include "game/tmain.h"

namespace orbigolf {

void TMain::HoleInit() {
    timer_.setEnabled(false);
    display_.fill(0);
    if (const platform::Picture* loading = pictureOf(&menu_, menu::kLoading))
        display_.drawFrame(*loading, 0, (display_.width() - loading->frameWidth()) / 2,
                           (display_.height() - loading->frameHeight()) / 2);
    display_.flip();
    TWaveCollectionItem* loadingLoop = sounds_.count() > sound::kLoadingLoop ? &sounds_.item(sound::kLoadingLoop) : nullptr;
    if (s_.soundOn && s_.bgSoundOn && loadingLoop != nullptr) {
        loadingLoop->setLooped(true);
        loadingLoop->play();
    }
    display_.fill(0);

    // A hole whose pictures or sounds cannot be loaded ends the game: the player is told
    // why and the game screen closes, with the timer still off.
    try {
        bgsounds_.loadFromFile(dataPath(s_.holeName + ".dxw"));
        course_.loadFromFile(dataPath(s_.holeName + ".dxg"), PictureColours::Display);
    } catch (const std::exception& e) {
        if (loadingLoop != nullptr) loadingLoop->stop();
        report(e.what());
        leave();
        return;
    }
    const platform::Picture* coursePicture = pictureOf(&course_, 0);
    s_.courseWidth = coursePicture != nullptr ? coursePicture->frameWidth() : 0;
    s_.courseHeight = coursePicture != nullptr ? coursePicture->frameHeight() : 0;
    // A missing hole file is not an error: the hole is played with its defaults.
    (void)ReadHoleFile(s_, dataPath(s_.holeName + ".hole"));

    setUpHoleState(s_, controls_.rules());

    if (loadingLoop != nullptr) loadingLoop->stop();
    if (bgsounds_.count() > sound::kHoleLoop) {
        TWaveCollectionItem& loop = bgsounds_.item(sound::kHoleLoop);
        loop.setLooped(true);
        if (s_.soundOn && s_.bgSoundOn) loop.play();
    }
    s_.screenMode = ScreenMode::HoleCard;
    timer_.setEnabled(true);
}

}  // namespace orbigolf
