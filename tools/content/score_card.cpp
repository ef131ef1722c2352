#include "score_card.h"

#include <string>

#include "finish.h"
#include "page_common.h"

namespace orbigolf::content {

namespace {

using namespace card;

void cell(const Canvas& c, int left, int top, int right, int bottom, const Colour& fill) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, left, top, right - left + 1, bottom - top + 1);
    c.setColour(fill);
    cairo_fill(cr);
}

// A one-pixel frame just outside a cell.
void frame(const Canvas& c, int left, int top, int right, int bottom, const Colour& edge) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, left - 0.5, top - 0.5, right - left + 2, bottom - top + 2);
    c.setColour(edge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

int holeLeft(int f) { return kHoleLeft + kHoleStep * (f - 1); }
int holeRight(int f) { return holeLeft(f) + kHoleStep - 2; }

}  // namespace

media::Bitmap buildScoreCard(const ArtContext& art) {
    const Palette& t = art.theme;
    const auto file = art.sources / "pages" / "score_card.txt";
    const auto text = readPageText(file);
    Canvas c(kWidth, kHeight);
    drawSpaceBackdrop(c, 29u);
    drawPagePanel(c, t, 4, 4, kWidth - 8, kHeight - 8);
    drawGlowTitle(c, art.fonts, 36, pageValue(text, "title", file), kWidth / 2.0, 62,
                  t["big_fill"], t["big_glow"]);
    drawTextLine(c, art.fonts, FontStyle::SansBold, 13, pageValue(text, "course", file),
                 kWidth / 2.0, 90, Align::Centre, t["text"]);

    const Colour cellFill = t["card_cell"];
    const Colour header = t["glass_light"];
    const Colour edge = withAlpha(t["window_edge"], 0.55);
    const Colour headText = t["accent_light"];

    // Header row: column titles.
    auto headerCell = [&](int left, int right, const std::string& words) {
        cell(c, left, kHeaderTop, right, kHeaderBottom, header);
        frame(c, left, kHeaderTop, right, kHeaderBottom, edge);
        const bool narrow = right - left < 40 && words.size() > 2;
        drawTextLine(c, art.fonts, FontStyle::SansBold, narrow ? 10 : 12, words,
                     (left + right + 1) / 2.0, kHeaderBottom - 8, Align::Centre, headText);
    };
    headerCell(kNameLeft, kNameRight, pageValue(text, "player", file));
    for (int f = 1; f <= 9; ++f) headerCell(holeLeft(f), holeRight(f), std::to_string(f));
    headerCell(kTotalLeft, kTotalRight, pageValue(text, "total", file));
    headerCell(kWonLeft, kWonRight, pageValue(text, "won", file));

    // Par row: its label is printed, the values are written by the game.
    cell(c, kNameLeft, kParTop, kNameRight, kParBottom, darker(header, 0.25));
    frame(c, kNameLeft, kParTop, kNameRight, kParBottom, edge);
    drawTextLine(c, art.fonts, FontStyle::SansBold, 12, pageValue(text, "par", file),
                 kNameLeft + 10, kParBottom - 7, Align::Left, t["accent"]);
    for (int f = 1; f <= 9; ++f) {
        cell(c, holeLeft(f), kParTop, holeRight(f), kParBottom, cellFill);
        frame(c, holeLeft(f), kParTop, holeRight(f), kParBottom, withAlpha(t["accent"], 0.5));
    }
    cell(c, kTotalLeft, kParTop, kTotalRight, kParBottom, cellFill);
    frame(c, kTotalLeft, kParTop, kTotalRight, kParBottom, withAlpha(t["accent"], 0.5));

    // Player rows.
    for (int h = 0; h < 4; ++h) {
        const int top = kRowTop + kRowStep * h, bottom = top + kRowHeight - 1;
        auto rowCell = [&](int left, int right) {
            cell(c, left, top, right, bottom, cellFill);
            frame(c, left, top, right, bottom, edge);
        };
        rowCell(kNameLeft, kNameRight);
        for (int f = 1; f <= 9; ++f) rowCell(holeLeft(f), holeRight(f));
        rowCell(kTotalLeft, kTotalRight);
        rowCell(kWonLeft, kWonRight);
        // A player number in the margin.
        drawTextLine(c, art.fonts, FontStyle::SansBold, 11, std::to_string(h + 1), 13,
                     top + 20, Align::Centre, t["label"]);
    }

    // Summary line.
    cell(c, kSummaryLeft, kSummaryTop, kSummaryRight, kSummaryBottom, cellFill);
    frame(c, kSummaryLeft, kSummaryTop, kSummaryRight, kSummaryBottom, t["window_edge"]);
    FinishOptions o;
    o.keyed = false;
    return finishCanvas(c, o);
}

}  // namespace orbigolf::content
