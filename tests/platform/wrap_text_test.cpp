// Message box text broken into lines that fit a small screen.

#include <gtest/gtest.h>

#include <sstream>

#include "platform/wrap_text.h"

namespace orbigolf::platform {
namespace {

std::size_t longestLine(const std::string& text) {
    std::istringstream in(text);
    std::size_t longest = 0;
    for (std::string line; std::getline(in, line);) longest = std::max(longest, line.size());
    return longest;
}

TEST(WrapText, ShortLinesAndExistingBreaksStay) {
    EXPECT_EQ(wrapText("File not found", 20), "File not found");
    EXPECT_EQ(wrapText("one\ntwo\r\nthree", 20), "one\ntwo\nthree");
    EXPECT_EQ(wrapText("", 20), "");
    EXPECT_EQ(wrapText("a\n\nb", 20), "a\n\nb");
}

TEST(WrapText, BreaksAtTheLastSpaceThatFitsAndDropsIt) {
    EXPECT_EQ(wrapText("the quick brown fox jumps", 10), "the quick\nbrown fox\njumps");
    EXPECT_EQ(wrapText("exactly ten", 11), "exactly ten");
    EXPECT_EQ(wrapText("many    spaces here", 8), "many\nspaces\nhere");
}

TEST(WrapText, LongPathsBreakAfterASeparatorAndLongWordsAreCut) {
    EXPECT_EQ(wrapText("/home/player/games/data/gui.dxg", 14), "/home/player/\ngames/data/\ngui.dxg");
    EXPECT_EQ(wrapText("abcdefghijkl", 5), "abcde\nfghij\nkl");
    EXPECT_EQ(wrapText("C:\\games\\orbi", 9), "C:\\games\\\norbi");
}

TEST(WrapText, ARealFailureFitsTheDefaultWidth) {
    const std::string message =
        "Cannot read the picture list /home/somebody/.local/share/orbigolf/a-rather-long-folder-name/"
        "skins/default/gui.dxg: the file ends inside the header of item 3 (expected 64 more bytes)";
    const std::string wrapped = wrapText(message);
    EXPECT_LE(longestLine(wrapped), kMessageLineChars);
    // Only the break points change: the same characters apart from spaces and breaks.
    auto letters = [](std::string t) {
        std::erase_if(t, [](char c) { return c == ' ' || c == '\n'; });
        return t;
    };
    EXPECT_EQ(letters(wrapped), letters(message)) << wrapped;
}

}  // namespace
}  // namespace orbigolf::platform
