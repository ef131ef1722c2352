#include <gtest/gtest.h>

#include "export.h"

namespace orbigolf::assets {
namespace {

TEST(ExportName, IndexDigitsAndSafeNames) {
    EXPECT_EQ(exportName(7, "ball", ".png"), "007-ball.png");
    EXPECT_EQ(exportName(123, "a/b\\c:d", ".wav"), "123-a_b_c_d.wav");
    EXPECT_EQ(exportName(1, "", ".png"), "001.png");
    EXPECT_EQ(exportName(2, "..", ".png"), "002-_.png");
    EXPECT_EQ(exportName(1000, "x", ".png"), "1000-x.png");
}

}  // namespace
}  // namespace orbigolf::assets
