#pragma once
// A hole source: a hole file (what the game reads) plus drawing hints in sections of their
// own, which the game's reader never asks for. Sections are kept in file order so hints
// that come in numbered runs ([floor1], [floor2], ...) are drawn in that order.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "game/state.h"

namespace orbigolf::content {

struct SourceSection {
    std::string name;  // lower case
    std::map<std::string, std::string> keys;  // lower-case key -> trimmed value (first wins)
    int line = 0;

    std::optional<std::string> get(const std::string& key) const;
    std::string text(const std::string& key, const std::string& fallback = "") const;
    // Numbers read the way the game reads them; a value that does not convert is an error.
    int integer(const std::string& key, int fallback) const;
    double real(const std::string& key, double fallback) const;
};

struct Point {
    double x = 0, y = 0;
};

struct HoleSource {
    std::string stem;    // file name without extension
    std::string where;   // file name, for messages
    std::vector<SourceSection> sections;

    // What the game reads, through the game's own reader.
    int par = 3;
    int teeX = 320, teeY = 240;
    OneBased<arearec, kMaxAreas> areas{};

    const SourceSection* section(const std::string& name) const;
    // Sections named prefix + number (e.g. "floor1", "floor2"), in number order.
    std::vector<const SourceSection*> numbered(const std::string& prefix) const;
    // The drawing hints of area n ("[areaN.draw]"), or null.
    const SourceSection* areaHints(int n) const;

    // Hole-wide hints.
    std::string title() const;              // [hole] title, else the stem
    std::optional<std::pair<int, int>> size() const;  // [hole] size=WxH
    Colour colour(const std::string& key, uint32_t fallback) const;  // [hole] key=#rrggbb
};

HoleSource parseHoleSource(const std::string& text, const std::string& stem, const std::string& where);
HoleSource loadHoleSource(const std::filesystem::path& file);

// The hole file the game reads: [course], [ball] and the used [areaN] sections, every
// value as the game would read it from the source, nothing else. A cup without a lip
// position gets one 10 pixels left of its rim, at its centre line.
std::string holeFileText(const HoleSource& source);

// Parses "x,y x,y ..." (blanks between points).
std::vector<Point> parsePoints(const std::string& text, const std::string& where);
// "#rrggbb" -> 0xRRGGBB.
uint32_t parseRgb(const std::string& text, const std::string& where);

}  // namespace orbigolf::content
