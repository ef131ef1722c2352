#include "content_set.h"

#include <algorithm>

#include "art_context.h"
#include "ball_art.h"
#include "drawn_fonts.h"
#include "finish.h"
#include "front_end_content.h"
#include "game/picture_numbers.h"
#include "holes/hole_build.h"
#include "launch_backdrop.h"
#include "media/media_error.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "media/wave.h"
#include "menu_pages.h"
#include "panel_art.h"
#include "pixel_font.h"
#include "putting_art.h"
#include "score_card.h"
#include "sound_recipes.h"

namespace orbigolf::content {

namespace {

namespace fs = std::filesystem;

struct Picture {
    std::string name;
    media::Bitmap bitmap;
    int patternWidth = 0;
    int patternHeight = 0;
    bool transparent = true;
};

void addPicture(media::PictureListFile& list, const Picture& p) {
    media::PictureListItem& item = list.items.emplace_back();
    item.name = p.name;
    item.patternWidth = p.patternWidth;
    item.patternHeight = p.patternHeight;
    item.transparent = p.transparent;
    item.transparentColor = 0;
    storePicture(item, p.bitmap);
}

// Adds the picture that the game looks up by `number`; the list must have reached it.
void addPictureAt(media::PictureListFile& list, int number, const Picture& p) {
    if (list.items.size() != static_cast<size_t>(number))
        throw media::MediaError("picture \"" + p.name + "\" would land at " +
                                std::to_string(list.items.size()) + " instead of " +
                                std::to_string(number));
    addPicture(list, p);
}

// The interface pictures a skin can replace, drawn in the given palette, by list position.
std::vector<Picture> skinnablePictures(const ArtContext& art, const PixelFont& font) {
    std::vector<Picture> p;
    p.push_back({"pointer", buildPointer(art)});
    p.push_back({"panel", buildPanel(art, font)});
    p.push_back({"panelmin", buildPanelMinimised(art, font)});
    p.push_back({"buttonsdown", buildPressedButtons(art), 22, 22});
    p.push_back({"pushputt", buildPushPuttSign(art, font)});
    p.push_back({"gauge", buildGauge(art, font), kGaugeWidth, kGaugeHeight});
    p.push_back({"target", buildAimMarker(art), kMarkerWidth, kMarkerHeight});
    p.push_back({"font", buildSmallFont(font, art.theme), kSmallCellWidth, kSmallCellHeight});
    p.push_back({"numbers", buildNumberFont(art), kNumberCellWidth, kNumberCellHeight});
    return p;  // gui::kPointer..gui::kNumberFont; the name box follows separately
}

media::PictureListFile guiList(const ArtContext& art, const PixelFont& font,
                               const std::vector<BallTexture>& balls) {
    media::PictureListFile list;
    list.objectName = "gui";
    for (const Picture& p : skinnablePictures(art, font)) addPicture(list, p);
    addPictureAt(list, gui::kClubShadow,
                 {"clubshadow", buildClubShadow(art), kClubWidth, kClubHeight});
    addPictureAt(list, gui::kClub, {"club", buildClub(art), kClubWidth, kClubHeight});
    for (size_t i = 0; i < 4; ++i) {
        media::PictureListItem& item = list.items.emplace_back();
        item.name = "ball" + std::to_string(i + 1);
        item.transparent = false;
        item.setDib(balls[i].picture);  // textures stay 24-bit, as the launch pad's are
    }
    addPictureAt(list, gui::kBallShading, {"shading", buildBallShading()});
    addPictureAt(list, gui::kBallTint, {"tint", buildBallTint()});
    addPictureAt(list, gui::kBallShadow, {"shadow", buildBallShadow()});
    addPictureAt(list, gui::kNameBox, {"namebox", buildNameBox(art)});
    return list;
}

media::PictureListFile menuList(const ArtContext& art) {
    media::PictureListFile list;
    list.objectName = "menu";
    addPictureAt(list, menu::kBigFont,
                 {"bigfont", buildBigFont(art), kBigCellWidth, kBigCellHeight});
    addPictureAt(list, menu::kLoading, {"loading", buildLoadingPicture(art), 0, 0, false});
    addPictureAt(list, menu::kHelpPull,
                 {"help_pull", buildHelpPage(art, "help_pull.txt"), 0, 0, false});
    addPictureAt(list, menu::kHelpPush,
                 {"help_push", buildHelpPage(art, "help_push.txt"), 0, 0, false});
    addPictureAt(list, menu::kScoreCard, {"scorecard", buildScoreCard(art), 0, 0, false});
    addPictureAt(list, menu::kCardFont,
                 {"cardfont", buildCardFont(art), kCardCellWidth, kCardCellHeight});
    return list;
}

media::SoundListFile soundList(const fs::path& recipes, const fs::path& sources,
                               const std::string& objectName) {
    media::SoundListFile list;
    list.objectName = objectName;
    for (const SoundItem& s : buildSoundList(recipes, sources)) {
        media::SoundListItem& item = list.items.emplace_back();
        item.name = s.name;
        item.looped = s.looped;
        item.maxPlayingCount = s.maxPlayingCount;
        item.setWave(media::encodeWave16Mono(kSampleRate, s.samples));
    }
    return list;
}

}  // namespace

const std::vector<SkinFile>& skinFiles() {
    static const std::vector<SkinFile> files = {
        {"pointer.bmp", gui::kPointer},         {"panel.bmp", gui::kPanel},
        {"panelmin.bmp", gui::kPanelMinimised}, {"buttonsdown.bmp", gui::kPressedButtons},
        {"pushputt.bmp", gui::kPushPuttSign},   {"gauge.bmp", gui::kGauge},
        {"target.bmp", gui::kAimMarker},        {"font.bmp", gui::kSmallFont},
        {"numbers.bmp", gui::kNumberFont},      {"namebox.bmp", gui::kNameBox}};
    return files;
}

std::vector<std::string> skinNames(const fs::path& sources) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(sources / "palettes")) {
        const std::string stem = entry.path().stem().string();
        if (stem.rfind("skin_", 0) == 0 && entry.path().extension() == ".txt")
            names.push_back(stem.substr(5));
    }
    std::sort(names.begin(), names.end());  // directory order is not stable
    return names;
}

void buildContentSet(const fs::path& sources, const fs::path& outDir) {
    fs::create_directories(outDir);
    FontFaces fonts;
    const PixelFont font = PixelFont::load(sources / "fonts" / "small_font.txt");
    const Palette theme = Palette::load(sources / "palettes" / "interface_default.txt");
    const ArtContext art{fonts, theme, sources};
    const std::vector<BallTexture> balls = buildBallTextures(sources / "textures" / "balls.txt");

    media::savePictureListFile((outDir / "menu.dxg").string(), menuList(art));
    media::savePictureListFile((outDir / "gui.dxg").string(), guiList(art, font, balls));
    media::saveSoundListFile((outDir / "sound.dxw").string(),
                             soundList(sources / "sounds" / "game_sounds.txt", sources, "sounds"));
    media::saveSoundListFile((outDir / "menu.dxw").string(),
                             soundList(sources / "sounds" / "menu_sounds.txt", sources, "DXSong"));

    const LaunchAnimations launch = buildLaunchAnimations(art);
    media::writeFileBytes((outDir / "interface_loop.flc").string(), encodeFlic(launch.loop));
    media::writeFileBytes((outDir / "interface.flc").string(), encodeFlic(launch.flip));

    buildFrontEndContent(art, outDir);

    fs::create_directories(outDir / "textures");
    for (const BallTexture& b : balls)
        media::writeFileBytes((outDir / "textures" / (b.name + ".bmp")).string(),
                              media::encodeBmp24(b.picture));
    media::writeFileBytes((outDir / kDefaultBallFile).string(), media::encodeBmp24(balls[0].picture));

    for (const std::string& name : skinNames(sources)) {
        const Palette skinTheme = Palette::load(sources / "palettes" / ("skin_" + name + ".txt"));
        const ArtContext skinArt{fonts, skinTheme, sources};
        std::vector<Picture> pictures = skinnablePictures(skinArt, font);
        const fs::path dir = outDir / "skins" / name;
        fs::create_directories(dir);
        for (const SkinFile& f : skinFiles()) {
            const media::Bitmap& b = f.guiIndex == gui::kNameBox
                                         ? buildNameBox(skinArt)
                                         : pictures[static_cast<size_t>(f.guiIndex)].bitmap;
            media::writeFileBytes((dir / f.fileName).string(), encodeBmpFile(b));
        }
    }

    buildHoleSet(sources, outDir, fonts);
}

}  // namespace orbigolf::content
