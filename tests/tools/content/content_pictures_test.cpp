// The pictures of the built set, read back through the game's picture lists: the cell
// sizes and counts the drawing code relies on, and that the art sits where the game draws
// into it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "built_set.h"
#include "character_sets.h"
#include "media/image_list.h"
#include "putting_art.h"
#include "score_card.h"
#include "sources.h"

namespace orbigolf::content::test {
namespace {

const TDXImageList& menuList() {
    static const TDXImageList list = [] {
        TDXImageList l;
        l.loadFromFile((builtSet() / "menu.dxg").string());
        return l;
    }();
    return list;
}

const TDXImageList& guiList() {
    static const TDXImageList list = [] {
        TDXImageList l;
        l.loadFromFile((builtSet() / "gui.dxg").string());
        return l;
    }();
    return list;
}

struct Expect {
    int index, count, width, height;
    bool transparent;
};

void expectCells(const TDXImageList& list, const Expect& e) {
    const TPictureCollectionItem& item = list.item(e.index);
    SCOPED_TRACE("item " + std::to_string(e.index) + " " + item.name());
    EXPECT_EQ(item.patternCount(), e.count);
    EXPECT_EQ(item.patternWidth(), e.width);
    EXPECT_EQ(item.patternHeight(), e.height);
    EXPECT_EQ(item.transparent(), e.transparent);
}

TEST(ContentPictures, MenuListHoldsFontsPagesAndCard) {
    ASSERT_EQ(menuList().count(), 6);
    expectCells(menuList(), {0, 61, 21, 32, true});   // big font, codes 32..92, 21 apart
    expectCells(menuList(), {4, 1, card::kWidth, card::kHeight, false});
    expectCells(menuList(), {5, 67, 8, 13, true});    // score-card font
    EXPECT_EQ(menuList().item(1).patternCount(), 1);  // loading picture
    // Both help pages are placed with the size of the push-putt page.
    EXPECT_EQ(menuList().item(2).width(), menuList().item(3).width());
    EXPECT_EQ(menuList().item(2).height(), menuList().item(3).height());
    for (int i : {1, 2, 3, 4}) {
        EXPECT_LE(menuList().item(i).width(), 640) << i;
        EXPECT_LE(menuList().item(i).height(), 480) << i;
    }
}

TEST(ContentPictures, InterfaceListHoldsNineteenItemsWithTheirCells) {
    ASSERT_EQ(guiList().count(), 19);
    expectCells(guiList(), {3, 5, 22, 22, true});     // pressed buttons
    expectCells(guiList(), {5, 31, kGaugeWidth, kGaugeHeight, true});
    expectCells(guiList(), {6, 4, kMarkerWidth, kMarkerHeight, true});
    expectCells(guiList(), {7, 67, 6, 10, true});     // small font, 6-pixel advance
    expectCells(guiList(), {8, 12, 8, 14, true});     // "0123456789o-"
    expectCells(guiList(), {9, 32, 96, 142, true});   // club shadow
    expectCells(guiList(), {10, 32, 96, 142, true});  // club
    for (int i = 11; i <= 17; ++i) expectCells(guiList(), {i, 1, 16, 16, i > 14});
    for (int i : {0, 1, 2, 4, 18}) EXPECT_EQ(guiList().item(i).patternCount(), 1) << i;
}

// Panel positions the game draws at must fall inside the pictures.
TEST(ContentPictures, PanelsCoverEveryPlaceTheGameDrawsOrClicks) {
    const auto& panel = guiList().item(1);
    const auto& small = guiList().item(2);
    // Right end of the message line (28 glyphs after (116, 31)), close mark, buttons.
    EXPECT_GE(4 + panel.width(), 116 + 6 * 29);
    EXPECT_GE(4 + panel.width(), 275);
    EXPECT_GE(4 + panel.height(), 99);
    EXPECT_GE(4 + small.width(), 275);
    EXPECT_GE(4 + small.height(), 9 + guiList().item(8).patternHeight());
    // The push sign fills its click box (196..236 x 49..65) from (193, 49).
    EXPECT_GE(193 + guiList().item(4).width(), 237);
    EXPECT_GE(49 + guiList().item(4).height(), 66);
}

// Pressing a button must visibly change it: each pressed pattern differs from the panel
// under it in most pixels.
TEST(ContentPictures, PressedButtonsDifferFromThePanelUnderThem) {
    const auto& panel = guiList().item(1);
    const auto& pressed = guiList().item(3);
    for (int k = 0; k < 5; ++k) {
        const auto r = pressed.frameRect(k);
        int differ = 0;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x)
                differ += pressed.pixel(r.x + x, r.y + y) !=
                          panel.pixel(17 + 22 * k - 4 + x, 76 - 4 + y);
        EXPECT_GT(differ, r.w * r.h / 2) << "button " << k + 1;
    }
}

bool cellHasInk(const TPictureCollectionItem& font, int index) {
    const auto r = font.frameRect(index);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if (font.pixel(r.x + x, r.y + y) != 0) return true;
    return false;
}

// Every character of a font draws something except the blanks: space and the pattern
// drawn for characters outside the set.
TEST(ContentPictures, FontGlyphsHaveInkExceptTheBlanks) {
    const auto& set = labelCharacterSet();
    for (const TPictureCollectionItem* font : {&guiList().item(7), &menuList().item(5)}) {
        for (int i = 0; i < 67; ++i) {
            const bool blank = set[static_cast<size_t>(i)] == ' ' || set[static_cast<size_t>(i)] == kBlankGlyph;
            EXPECT_EQ(cellHasInk(*font, i), !blank) << font->name() << " pattern " << i;
        }
    }
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(cellHasInk(guiList().item(8), i)) << "number " << i;
    const auto& big = menuList().item(0);
    EXPECT_FALSE(cellHasInk(big, 0));  // space, also drawn for characters outside the font
    for (int code = 33; code <= 92; ++code) EXPECT_TRUE(cellHasInk(big, code - 32)) << code;
}

// The glyphs of the small font fit the 6-pixel advance: the last column of a cell holds
// nothing but the one-pixel shadow (the darkest colour), so neighbouring letters never
// run into each other.
TEST(ContentPictures, SmallFontLeavesTheLastColumnToTheShadow) {
    const auto& font = guiList().item(7);
    auto luma = [](uint32_t p) { return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF); };
    uint32_t shadow = 0xFFFFFF;
    for (int y = 0; y < font.height(); ++y)
        for (int x = 0; x < font.width(); ++x)
            if (const uint32_t p = font.pixel(x, y); p != 0 && luma(p) < luma(shadow)) shadow = p;
    for (int i = 0; i < 67; ++i) {
        const auto r = font.frameRect(i);
        for (int y = 0; y < r.h; ++y) {
            const uint32_t p = font.pixel(r.x + r.w - 1, r.y + y);
            EXPECT_TRUE(p == 0 || p == shadow) << "pattern " << i << " row " << y;
        }
    }
}

uint32_t cardPixel(int x, int y) { return menuList().item(4).pixel(x, y); }

// Every place the score card drawing writes text must lie on plain cell colour, for the
// longest text it writes there (glyph k of a text at x stands at x + 8k, 8 x 13).
TEST(ContentPictures, ScoreCardCellsLieUnderEveryNumberAndName) {
    const uint32_t cell = cardPixel(card::kSummaryX + 8, card::kSummaryY);
    auto expectPlain = [&](int x, int y, int chars, const std::string& what) {
        for (int k = 1; k <= chars; ++k)
            for (int dy = 0; dy < 13; ++dy)
                for (int dx = 0; dx < 8; ++dx)
                    if (cardPixel(x + 8 * k + dx, y + dy) != cell) {
                        ADD_FAILURE() << what << ": glyph " << k << " pixel (" << x + 8 * k + dx
                                      << ", " << y + dy << ") is not on a cell";
                        return;
                    }
    };
    expectPlain(card::kSummaryX, card::kSummaryY, card::kSummaryChars, "summary");
    expectPlain(card::kCourseParX, card::kParRowY, 1, "course par");
    expectPlain(card::kCourseParWideX, card::kParRowY, 2, "course par of 10 or more");
    for (int f = 1; f <= 9; ++f)
        expectPlain(card::kParX + card::kHoleStep * (f - 1), card::kParRowY, 2,
                    "par of hole " + std::to_string(f));
    for (int h = 1; h <= 4; ++h) {
        const int y = card::kRowY + card::kRowStep * (h - 1);
        const std::string row = "player " + std::to_string(h);
        expectPlain(card::kNameX, y, 14, row + " name");
        for (int f = 1; f <= 9; ++f)
            expectPlain(card::kHoleX + card::kHoleStep * (f - 1), y, 2,
                        row + " hole " + std::to_string(f));
        expectPlain(card::kTotalX, y, 1, row + " total");
        expectPlain(card::kTotalWideX, y, 3, row + " total of 10 or more");
        expectPlain(card::kWonX, y, 2, row + " holes won");
    }
}

// The score-card font is smoothed against the cell colour: its edge pixels lie between
// the cell and the ink, never darker than the cell.
TEST(ContentPictures, ScoreCardFontBlendsIntoTheCellColour) {
    const uint32_t cell = cardPixel(card::kSummaryX + 8, card::kSummaryY);
    const auto& font = menuList().item(5);
    const auto r = font.frameRect(0);  // "A"
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const uint32_t p = font.pixel(r.x + x, r.y + y);
            if (p == 0) continue;
            EXPECT_GE(p & 0xFF, (cell & 0xFF) - 8);  // red, as 0x00BBGGRR
            EXPECT_GE((p >> 16) & 0xFF, ((cell >> 16) & 0xFF) - 8);
        }
    }
}

// The putting control draws pose p for a ball that will travel towards heading
// 128 - 8p (turn units, y down). The club stands behind the ball: its shaft leans away
// from where the ball goes, so seen from the side its top is on the far side.
TEST(ContentPictures, ClubPosesLeanAwayFromTheDirectionOfTravel) {
    const auto& club = guiList().item(10);
    for (int p = 0; p < 32; ++p) {
        const double heading = clubPoseHeading(p) * 2 * 3.14159265358979 / 256;
        if (std::fabs(std::cos(heading)) < 0.7) continue;  // travel mostly up or down the screen
        const auto r = club.frameRect(p);
        double sumX = 0;
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < r.w; ++x)
                if (club.pixel(r.x + x, r.y + y) != 0) {
                    sumX += x;
                    ++n;
                }
        ASSERT_GT(n, 0) << "pose " << p << " has no grip";
        const double lean = sumX / n - kClubHeadX;
        EXPECT_LT(lean * std::cos(heading), 0) << "pose " << p;
        // The head is where the game puts it: bright pixels around (47, 125).
        int head = 0;
        for (int y = kClubHeadY - 8; y <= kClubHeadY + 6; ++y)
            for (int x = kClubHeadX - 12; x <= kClubHeadX + 12; ++x)
                head += club.pixel(r.x + x, r.y + y) != 0;
        EXPECT_GT(head, 20) << "pose " << p;
    }
}

// Nothing of a club pose, its shadow or a big-font glyph with its glow is cut off by the
// edge of its cell (a cut glow shows as a seam between letters).
TEST(ContentPictures, ClubPosesShadowsAndBigGlyphsStayInsideTheirCells) {
    for (const TPictureCollectionItem* pic_ : {&guiList().item(9), &guiList().item(10), &menuList().item(0)}) {
        const auto& pic = *pic_;
        for (int p = 0; p < pic.patternCount(); ++p) {
            const auto r = pic.frameRect(p);
            int edge = 0;
            for (int x = 0; x < r.w; ++x)
                edge += (pic.pixel(r.x + x, r.y) != 0) + (pic.pixel(r.x + x, r.y + r.h - 1) != 0);
            for (int y = 0; y < r.h; ++y)
                edge += (pic.pixel(r.x, r.y + y) != 0) + (pic.pixel(r.x + r.w - 1, r.y + y) != 0);
            EXPECT_EQ(edge, 0) << pic.name() << " pose " << p;
        }
    }
}

// The gauge fills with strength: each pattern shows more of the bar than the one before.
TEST(ContentPictures, GaugePatternsRiseInStrength) {
    const auto& gauge = guiList().item(5);
    int previous = -1;
    for (int i = 0; i < 31; ++i) {
        const auto r = gauge.frameRect(i);
        int lit = 0;  // bright, saturated pixels along the middle of the bar
        const int y = r.y + 16;
        for (int x = 0; x < r.w; ++x) {
            const uint32_t p = gauge.pixel(r.x + x, y);
            const int maxC = std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF});
            lit += maxC > 150;
        }
        EXPECT_GT(lit, previous) << "pattern " << i;
        previous = lit;
    }
}

}  // namespace
}  // namespace orbigolf::content::test
