// The panel art around the places the game writes into: text and numbers must land on
// the plain colour of their windows and wells, and the clickable marks must be where
// the game tests for them.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "built_set.h"
#include "media/image_list.h"

namespace orbigolf::content::test {
namespace {

const TDXImageList& gui() {
    static const TDXImageList list = [] {
        TDXImageList l;
        l.loadFromFile((builtSet() / "gui.dxg").string());
        return l;
    }();
    return list;
}

// The panels are drawn at (4, 4): a screen position's pixel of a panel picture.
uint32_t panelPixel(int item, int screenX, int screenY) {
    return gui().item(item).pixel(screenX - 4, screenY - 4);
}

// The colour found most often in a screen rectangle of a panel.
uint32_t commonColour(int item, int x0, int y0, int x1, int y1) {
    std::map<uint32_t, int> counts;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) ++counts[panelPixel(item, x, y)];
    uint32_t best = 0;
    int most = 0;
    for (const auto& [c, n] : counts)
        if (n > most) best = c, most = n;
    return best;
}

// Every pixel of the rectangle has the colour: nothing of the art runs into the text.
void expectPlain(int item, int x0, int y0, int x1, int y1, uint32_t colour, const std::string& what) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (panelPixel(item, x, y) != colour) {
                ADD_FAILURE() << what << ": screen pixel (" << x << ", " << y << ") is not plain";
                return;
            }
}

// Width of a text in a font: characters times advance, starting one advance to the right.
constexpr int kSmall = 6, kNumber = 9, kNumberHeight = 14, kSmallHeight = 10;

TEST(PanelFit, MessageLineRunsInsidePlainWindows) {
    const uint32_t window = commonColour(1, 122, 31, 289, 40);
    expectPlain(1, 116 + kSmall, 31, 116 + kSmall * 29 - 1, 31 + kSmallHeight - 1, window,
                "message line, full panel");
    const uint32_t small = commonColour(2, 86, 9, 195, 18);
    // On the minimised panel the window ends just before a two-digit stroke count.
    expectPlain(2, 80 + kSmall, 9, 200, 9 + kSmallHeight - 1, small, "message line, minimised");
}

TEST(PanelFit, NumbersLandOnPlainWells) {
    // Strokes and par are small-font figures: strokes at 118 (113 from 10 on), par at 161.
    const uint32_t field = commonColour(1, 118, 48, 132, 57);
    expectPlain(1, 118 + kSmall, 48, 118 + 2 * kSmall - 1, 48 + kSmallHeight - 1, field, "strokes");
    expectPlain(1, 113 + kSmall, 48, 113 + 3 * kSmall - 1, 48 + kSmallHeight - 1, field,
                "strokes of 10 or more");
    expectPlain(1, 161 + kSmall, 48, 161 + 3 * kSmall - 1, 48 + kSmallHeight - 1,
                commonColour(1, 165, 48, 178, 57), "par");
    // Scores: up to three glyphs ("o12", "-10") at the four player places.
    const int sx[4] = {19, 64, 19, 64}, sy[4] = {27, 27, 48, 48};
    for (int p = 0; p < 4; ++p)
        expectPlain(1, sx[p] + kNumber, sy[p], sx[p] + 3 * kNumber + 7, sy[p] + kNumberHeight - 1,
                    field, "score of player " + std::to_string(p + 1));
    // The minimised message window holds all 21 letters and so reaches into the strokes
    // place: a one-digit count (drawn from 206) lands on the plain field; a count of 10 or
    // more (from 201) shares its first figure's place with the window's last letter.
    expectPlain(2, 206 + kSmall, 9, 206 + 2 * kSmall - 1, 9 + kSmallHeight - 1,
                commonColour(2, 212, 9, 220, 18), "strokes, minimised");
    // Pars are single figures; the minimised par well holds one.
    expectPlain(2, 221 + kSmall, 9, 221 + 2 * kSmall - 1, 9 + kSmallHeight - 1,
                commonColour(2, 225, 9, 235, 18), "par, minimised");
}

bool orangeish(uint32_t bgr) {
    const int r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return r > 150 && r > g && g > b;
}

TEST(PanelFit, CloseMarkFillsItsClickBoxOnBothPanels) {
    for (int item : {1, 2}) {
        int marked = 0;
        for (int y = 7; y <= 13; ++y)
            for (int x = 267; x <= 274; ++x) marked += orangeish(panelPixel(item, x, y)) ||
                                                       panelPixel(item, x, y) == panelPixel(item, 270, 10);
        EXPECT_GT(marked, 7 * 8 * 3 / 4) << "panel item " << item;
        EXPECT_FALSE(orangeish(panelPixel(item, 262, 10))) << "mark reaches too far left";
    }
}

// The label over a ball, centred on its length, sits inside the name box (drawn 52 left of
// and 40 above the ball, the text 35 above it).
TEST(PanelFit, LongestBallLabelFitsTheNameBox) {
    const auto& box = gui().item(18);
    const int m = 3 + 9 + 2 + 3 + 1;  // "1. ", nine name characters, " (", strokes, ")"
    const int left = -3 * m + kSmall, right = -3 * m + kSmall * (m + 1) - 1;
    const uint32_t fill = box.pixel(52, 8);
    EXPECT_NE(fill, 0u);
    for (int x = left; x <= right; ++x)
        for (int y = -35 + 2; y <= -35 + 8; ++y)  // the capital rows of the glyphs
            EXPECT_NE(box.pixel(x + 52, y + 40), 0u) << "label pixel " << x << ", " << y;
}

}  // namespace
}  // namespace orbigolf::content::test
