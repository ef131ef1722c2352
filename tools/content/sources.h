#pragma once
// Reading the text sources of the content set (palettes, glyph drawings, page texts,
// sound recipes). Every reader fails with a message naming the file and line.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "canvas.h"

namespace orbigolf::content {

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of a text file with comments ("#" to the end of a line, when the "#" starts
// the line or follows a blank) and trailing blanks removed; blank lines are kept as
// empty strings so line numbers stay right.
std::vector<std::string> readSourceLines(const std::filesystem::path& file);

// Splits at runs of blanks.
std::vector<std::string> splitWords(const std::string& line);

// The nearest colour (0xRRGGBB) that a 16-bit display shows exactly.
uint32_t snapToDisplayGrid(uint32_t rgb);

// A named set of colours: lines "name #rrggbb", each taken to the display's grid.
class Palette {
public:
    static Palette load(const std::filesystem::path& file);

    Colour operator[](const std::string& name) const;
    uint32_t rgb(const std::string& name) const;
    bool has(const std::string& name) const { return colours_.count(name) != 0; }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::map<std::string, uint32_t> colours_;
};

// "key=value" words after the first few words of a recipe line.
class Params {
public:
    Params() = default;
    Params(const std::vector<std::string>& words, size_t first, const std::string& where);

    double number(const std::string& key, double fallback) const;
    std::vector<double> numbers(const std::string& key) const;  // comma separated
    std::string text(const std::string& key, const std::string& fallback) const;
    bool has(const std::string& key) const { return values_.count(key) != 0; }

private:
    std::string where_;
    std::map<std::string, std::string> values_;
};

}  // namespace orbigolf::content
