// Finding the game's data without --data: beside the program (a build folder, a game kept
// in one folder), else in the share folder of the installation the program belongs to.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frontend/data_folder.h"

namespace orbigolf::frontend {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
  protected:
    // A scratch installation prefix with an empty bin folder; only this folder is removed.
    void SetUp() override {
        prefix_ =
            fs::temp_directory_path() / ("orbigolf_data_folder_test_" + std::to_string(::getpid()));
        fs::remove_all(prefix_);
        fs::create_directories(bin());
    }
    void TearDown() override { fs::remove_all(prefix_); }

    fs::path bin() const { return prefix_ / "bin"; }
    fs::path share() const { return prefix_ / "share" / "orbigolf"; }

    static void touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }

    fs::path prefix_;
};

TEST_F(DataFolderTest, DataBesideTheProgramComesBeforeTheInstallation) {
    touch(bin() / "gui.dxg");
    touch(share() / "gui.dxg");
    EXPECT_EQ(findDataFolder(bin()), bin());
}

TEST_F(DataFolderTest, ProgramInBinFindsTheShareFolderOfItsPrefix) {
    touch(bin() / "sound.dxw");  // other files beside the program do not make a data folder
    touch(share() / "gui.dxg");
    const fs::path found = findDataFolder(bin());
    EXPECT_EQ(found, share());
    EXPECT_EQ(found.string().find(".."), std::string::npos) << found;  // named plainly in messages
}

TEST_F(DataFolderTest, WithoutDataAnywhereTheProgramsFolderIsNamed) {
    touch(share() / "menu.dxg");
    fs::create_directories(bin() / "gui.dxg");  // a folder of that name is not the file
    EXPECT_FALSE(holdsGameData(bin()));
    EXPECT_FALSE(holdsGameData(share()));
    EXPECT_EQ(findDataFolder(bin()), bin());
    EXPECT_EQ(findDataFolder(prefix_ / "missing" / "bin"), prefix_ / "missing" / "bin");
}

TEST_F(DataFolderTest, MarkerInAnotherLetterCaseCounts) {
    touch(share() / "GUI.DXG");
    EXPECT_TRUE(holdsGameData(share()));
    EXPECT_EQ(findDataFolder(bin()), share());
}

}  // namespace
}  // namespace orbigolf::frontend
