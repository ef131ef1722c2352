// The review pictures are made from a built set: the contact sheet with every item (or the
// items a filter picks) and the mock game screens.

#include <gtest/gtest.h>

#include <filesystem>

#include "built_set.h"
#include "contact_sheet.h"
#include "media/file_read.h"
#include "preview.h"

namespace orbigolf::content::test {
namespace {

bool isPng(const std::filesystem::path& f) {
    const media::Bytes b = media::readFileBytes(f.string());
    return b.size() > 8 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G';
}

TEST(Review, SheetAndPreviewAreWrittenAsPng) {
    const auto dir = scratchDir("review");
    drawContactSheet(builtSet(), dir / "sheet.png", "gui.dxg #7 |textures/", 2);
    EXPECT_TRUE(isPng(dir / "sheet.png"));
    drawPreview(builtSet(), dir / "preview.png");
    EXPECT_TRUE(isPng(dir / "preview.png"));
    EXPECT_THROW(drawContactSheet(builtSet(), dir / "none.png", "no such item"), std::runtime_error);
}

}  // namespace
}  // namespace orbigolf::content::test
