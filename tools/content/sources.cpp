#include "sources.h"

#include <cmath>
#include <sstream>

#include "media/file_read.h"

namespace orbigolf::content {

std::vector<std::string> readSourceLines(const std::filesystem::path& file) {
    std::string whyNot;
    const auto text = media::readFileText(file.string(), media::kMaxFileBytes, &whyNot);
    if (!text) throw SourceError(whyNot);
    std::istringstream in(*text);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        for (size_t i = 0; i < line.size(); ++i) {
            // "#" starts a comment at the start of a line or when a blank follows it;
            // "#1a2240" is a colour.
            const bool blankAfter =
                i + 1 == line.size() || line[i + 1] == ' ' || line[i + 1] == '\t';
            if (line[i] == '#' && (i == 0 || blankAfter)) {
                line.erase(i);
                break;
            }
        }
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

uint32_t snapToDisplayGrid(uint32_t rgb) {
    // The nearest colour a 16-bit (5-6-5) display shows exactly: flat areas drawn in it
    // stay flat instead of being dithered.
    auto snap = [](uint32_t v, int bits) {
        const int maxLevel = (1 << bits) - 1;
        const int level = static_cast<int>(std::nearbyint(v * maxLevel / 255.0));
        return static_cast<uint32_t>(bits == 5 ? (level << 3) | (level >> 2) : (level << 2) | (level >> 4));
    };
    return (snap((rgb >> 16) & 0xFF, 5) << 16) | (snap((rgb >> 8) & 0xFF, 6) << 8) | snap(rgb & 0xFF, 5);
}

Palette Palette::load(const std::filesystem::path& file) {
    Palette p;
    p.name_ = file.stem().string();
    const auto lines = readSourceLines(file);
    for (size_t n = 0; n < lines.size(); ++n) {
        const auto words = splitWords(lines[n]);
        if (words.empty()) continue;
        const std::string where = file.string() + ":" + std::to_string(n + 1);
        if (words.size() != 2 || words[1].size() != 7 || words[1][0] != '#')
            throw SourceError(where + ": expected \"name #rrggbb\"");
        size_t used = 0;
        uint32_t value = 0;
        try {
            value = static_cast<uint32_t>(std::stoul(words[1].substr(1), &used, 16));
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != 6) throw SourceError(where + ": bad colour " + words[1]);
        p.colours_[words[0]] = snapToDisplayGrid(value);
    }
    return p;
}

uint32_t Palette::rgb(const std::string& name) const {
    auto it = colours_.find(name);
    if (it == colours_.end())
        throw SourceError("palette " + name_ + " has no colour \"" + name + "\"");
    return it->second;
}

Colour Palette::operator[](const std::string& name) const { return colourFromRgb(rgb(name)); }

Params::Params(const std::vector<std::string>& words, size_t first, const std::string& where)
    : where_(where) {
    for (size_t i = first; i < words.size(); ++i) {
        const auto eq = words[i].find('=');
        if (eq == std::string::npos || eq == 0)
            throw SourceError(where + ": expected key=value, got \"" + words[i] + "\"");
        values_[words[i].substr(0, eq)] = words[i].substr(eq + 1);
    }
}

double Params::number(const std::string& key, double fallback) const {
    auto it = values_.find(key);
    if (it == values_.end()) return fallback;
    try {
        size_t used = 0;
        const double v = std::stod(it->second, &used);
        if (used == it->second.size()) return v;
    } catch (const std::exception&) {
    }
    throw SourceError(where_ + ": " + key + " is not a number");
}

std::vector<double> Params::numbers(const std::string& key) const {
    std::vector<double> out;
    auto it = values_.find(key);
    if (it == values_.end()) return out;
    std::istringstream in(it->second);
    std::string part;
    while (std::getline(in, part, ',')) {
        try {
            out.push_back(std::stod(part));
        } catch (const std::exception&) {
            throw SourceError(where_ + ": " + key + " holds a bad number \"" + part + "\"");
        }
    }
    return out;
}

std::string Params::text(const std::string& key, const std::string& fallback) const {
    auto it = values_.find(key);
    return it == values_.end() ? fallback : it->second;
}

}  // namespace orbigolf::content
