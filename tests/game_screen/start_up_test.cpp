// Bringing the game screen up from the launch pad's controls, and setting up holes.

#include <filesystem>
#include <fstream>
#include <functional>

#include "game/sound_ids.h"
#include "game_screen_support.h"
#include "scratch_dir.h"

namespace orbigolf::testing {
namespace {

namespace fs = std::filesystem;

TEST(StartUp, FormDefaultsGiveTheDemoCourseAt640x480WithSoundAndTheHoleCard) {
    GameRun run;
    TMain& g = run.game();
    EXPECT_EQ(g.display().width(), 640);
    EXPECT_EQ(g.display().height(), 480);
    EXPECT_FALSE(g.display().waitVBlank());  // fast video writes
    EXPECT_EQ(g.timer().interval(), 0);
    EXPECT_EQ(g.timer().maxRate(), 60);  // "60fps" paces, whatever the machine's speed
    EXPECT_TRUE(g.timer().enabled());
    EXPECT_FALSE(run.window().cursorVisible());
    const GameState& s = run.s();
    EXPECT_TRUE(s.soundOn);
    EXPECT_TRUE(s.bgSoundOn);
    EXPECT_EQ(s.holeName, "course1hole1");
    EXPECT_EQ(s.holeNum, 1);
    EXPECT_EQ(s.numPlayers, 1);
    EXPECT_EQ(s.screenMode, ScreenMode::HoleCard);
    EXPECT_EQ(s.substeps, 1);
    EXPECT_EQ(s.swingStep, 0);
    EXPECT_EQ(s.messagePos, 0);
    EXPECT_EQ(s.playerRecs[1].name, "Player 1");
    EXPECT_EQ(s.playerRecs[4].name, "Player 4");
    EXPECT_TRUE(s.playerRecs[3].pullPutt);
    EXPECT_TRUE(s.playerRecs[1].inPlay);
    EXPECT_FALSE(s.playerRecs[2].inPlay);
    // course1hole1 has no fixed sprites.
    for (const spriterec& slot : s.sprites) EXPECT_EQ(slot.image, 0);
    // The loading loop was stopped, the hole's background loop plays.
    EXPECT_FALSE(g.sounds().item(sound::kLoadingLoop).playing());
    EXPECT_TRUE(g.bgsounds().item(sound::kHoleLoop).playing());
    EXPECT_GT(s.courseWidth, 0);
}

TEST(StartUp, ScreenChoiceFrameLimitingAndSoundOffAreRead) {
    LaunchPadControls c;
    ASSERT_FALSE(c.set("screen1024", "1"));
    EXPECT_FALSE(c.screen640);  // radio buttons
    ASSERT_FALSE(c.set("frameskip", "1"));
    ASSERT_FALSE(c.set("soundoff", "1"));
    ASSERT_FALSE(c.set("fastwrite", "0"));
    GameRun run(c);
    EXPECT_EQ(run.game().display().width(), 1024);
    EXPECT_EQ(run.game().display().height(), 768);
    EXPECT_TRUE(run.game().display().waitVBlank());
    EXPECT_EQ(run.game().timer().interval(), 33);
    EXPECT_EQ(run.game().timer().maxRate(), 0);
    EXPECT_FALSE(run.s().soundOn);
    // Background sound is on but sound effects are off: the loop does not start.
    EXPECT_FALSE(run.game().bgsounds().item(sound::kHoleLoop).playing());

    LaunchPadControls fifteen;
    fifteen.frameskip = 2;
    EXPECT_EQ(GameRun(fifteen).game().timer().interval(), 66);
    LaunchPadControls none;
    none.frameskip = 3;
    GameRun unlimited(none);
    EXPECT_EQ(unlimited.game().timer().interval(), 0);
    EXPECT_EQ(unlimited.game().timer().maxRate(), 0);
}

TEST(StartUp, RandomStartPutsOnlyTheChosenPlayersBallInPlay) {
    for (uint64_t seed = 1; seed <= 3; ++seed) {
        LaunchPadControls c;
        c.players = 2;
        c.startplayer = 2;
        GameRun run(c, seed);
        const int p = run.s().curPlayer;
        ASSERT_TRUE(p >= 1 && p <= 3);
        for (int q = 1; q <= 4; ++q) EXPECT_EQ(run.s().playerRecs[q].inPlay != 0, q == p);
    }
}

TEST(StartUp, TrainingHoleGetsItsFixedSprites) {
    LaunchPadControls c;
    c.training = true;
    GameRun run(c);
    EXPECT_EQ(run.s().holeName, "training1");
    EXPECT_EQ(run.s().sprites[35].image, 9);
    EXPECT_EQ(run.s().sprites[36].x, 1071);
    EXPECT_TRUE(run.s().sprites[37].keep);
}

TEST(StartUp, SoundOffKeepsTheLoadingSoundSilent) {
    LaunchPadControls c;
    c.bgsounds = false;
    GameRun run(c);
    EXPECT_FALSE(run.game().sounds().item(sound::kLoadingLoop).playing());
    EXPECT_FALSE(run.game().bgsounds().item(sound::kHoleLoop).playing());
}

// A data folder with every content file but the ones refused by `skip`.
fs::path partialDataDir(const std::string& name, const std::function<bool(const std::string&)>& skip) {
    const fs::path dir = processScratchDir() / ("data-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const fs::directory_entry& e : fs::directory_iterator(ORBIGOLF_CONTENT_DIR)) {
        const std::string file = e.path().filename().string();
        if (skip(file)) continue;
        fs::create_symlink(fs::absolute(e.path()), dir / file);
    }
    return dir;
}

TEST(StartUp, AHoleWhosePicturesCannotLoadShowsTheErrorAndClosesTheGame) {
    const fs::path dir = partialDataDir("nohole", [](const std::string& f) { return f == "course1hole1.dxg"; });
    platform::HeadlessWindow window;
    LaunchPadControls c;
    TMain game(window, nullptr, dir.string(), c, 1);
    game.FormCreate();
    game.show();
    EXPECT_TRUE(game.closed());
    ASSERT_EQ(window.errors().size(), 1u);
    EXPECT_NE(window.errors()[0].find("course1hole1.dxg"), std::string::npos);
    EXPECT_FALSE(game.timer().enabled());
    EXPECT_FALSE(game.runTick(60));
    fs::remove_all(dir);
}

TEST(StartUp, MissingInterfaceListsGoToTheCaller) {
    const fs::path dir = partialDataDir("nogui", [](const std::string& f) { return f == "gui.dxg"; });
    platform::HeadlessWindow window;
    LaunchPadControls c;
    TMain game(window, nullptr, dir.string(), c, 1);
    game.FormCreate();
    EXPECT_ANY_THROW(game.show());
    fs::remove_all(dir);
}

TEST(StartUp, ADamagedSkinFileOrBallTextureIsReportedAndTheGameGoesOn) {
    // A skins folder of its own: the linked one is the program folder's, which the test must
    // not write into.
    const fs::path dir = partialDataDir("skin", [](const std::string& f) { return f == "skins"; });
    fs::create_directories(dir / "skins" / "Broken");
    std::ofstream(dir / "skins" / "Broken" / "panel.bmp") << "not a bitmap";
    std::ofstream(dir / "broken.bmp") << "BM nonsense";
    LaunchPadControls c;
    c.skin = "Broken";
    c.image[1] = "broken.bmp";
    c.image[2] = "missing.bmp";
    platform::HeadlessWindow window;
    TMain game(window, nullptr, dir.string(), c, 1);
    game.FormCreate();
    game.show();
    EXPECT_FALSE(game.closed());
    EXPECT_EQ(window.errors().size(), 3u);
    EXPECT_GT(game.gui().item(1).width(), 0);
    fs::remove_all(dir);
}

TEST(StartUp, AnEmptySkinFolderChangesNothing) {
    const fs::path dir = partialDataDir("skin2", [](const std::string& f) { return f == "skins"; });
    platform::HeadlessWindow window;
    LaunchPadControls plain;
    TMain reference(window, nullptr, dir.string(), plain, 1);
    reference.FormCreate();
    reference.show();
    fs::create_directories(dir / "skins" / "Mine");
    LaunchPadControls c;
    c.skin = "Mine";
    TMain skinned(window, nullptr, dir.string(), c, 1);
    skinned.FormCreate();
    skinned.show();
    EXPECT_TRUE(window.errors().empty());
    EXPECT_EQ(skinned.gui().item(1).width(), reference.gui().item(1).width());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace orbigolf::testing
