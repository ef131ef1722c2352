#include "media/file_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "media/dib.h"
#include "test_bytes.h"

namespace orbigolf::media {
namespace {

namespace fs = std::filesystem;

TEST(FileLookup, NamesFromWindowsDataSetsMatchInAnyCase) {
    const fs::path root = fs::temp_directory_path() / "orbigolf_file_lookup";
    fs::remove_all(root);
    fs::create_directories(root / "Skins" / "Blue");
    const fs::path real = root / "Skins" / "Blue" / "PANEL.Bmp";
    writeFileBytes(real.string(), encodeBmp24(makeBitmap(3, 2)));

    const std::string asked = (root / "skins" / "blue" / "panel.bmp").string();
    EXPECT_EQ(resolveFileName(asked), real.string());
    EXPECT_EQ(loadBmpFile(asked).width, 3);
    EXPECT_EQ(resolveFileName(real.string()), real.string());

    // Nothing matches: the name as asked, and the error names it.
    const std::string missing = (root / "skins" / "red" / "panel.bmp").string();
    EXPECT_EQ(resolveFileName(missing), missing);
    EXPECT_EQ(test::errorOf([&] { loadBmpFile(missing); }), "Cannot open file " + missing);
    fs::remove_all(root);
}

}  // namespace
}  // namespace orbigolf::media
