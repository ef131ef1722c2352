#include "holes/hole_source.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "game/area_kinds.h"
#include "game/hole_file.h"
#include "game/ini_file.h"
#include "media/media_error.h"
#include "sources.h"

namespace orbigolf::content {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool isNumber(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

std::optional<std::string> SourceSection::get(const std::string& key) const {
    const auto it = keys.find(lower(key));
    if (it == keys.end()) return std::nullopt;
    return it->second;
}

std::string SourceSection::text(const std::string& key, const std::string& fallback) const {
    return get(key).value_or(fallback);
}

int SourceSection::integer(const std::string& key, int fallback) const {
    const auto v = get(key);
    if (!v || v->empty()) return fallback;
    const auto n = parseInteger(*v);
    if (!n) throw SourceError("[" + name + "] " + key + "=" + *v + ": not a whole number");
    return *n;
}

double SourceSection::real(const std::string& key, double fallback) const {
    const auto v = get(key);
    if (!v || v->empty()) return fallback;
    try {
        size_t used = 0;
        const double d = std::stod(*v, &used);
        if (used == v->size()) return d;
    } catch (const std::exception&) {
    }
    throw SourceError("[" + name + "] " + key + "=" + *v + ": not a number");
}

const SourceSection* HoleSource::section(const std::string& name) const {
    const std::string want = lower(name);
    for (const SourceSection& s : sections)
        if (s.name == want) return &s;
    return nullptr;
}

std::vector<const SourceSection*> HoleSource::numbered(const std::string& prefix) const {
    std::vector<std::pair<int, const SourceSection*>> found;
    for (const SourceSection& s : sections) {
        if (s.name.rfind(prefix, 0) != 0) continue;
        const std::string rest = s.name.substr(prefix.size());
        if (isNumber(rest) && rest.size() < 6) found.emplace_back(std::stoi(rest), &s);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const SourceSection*> out;
    for (const auto& f : found) out.push_back(f.second);
    return out;
}

const SourceSection* HoleSource::areaHints(int n) const {
    return section("area" + std::to_string(n) + ".draw");
}

std::string HoleSource::title() const {
    const SourceSection* h = section("hole");
    return h ? h->text("title", stem) : stem;
}

std::optional<std::pair<int, int>> HoleSource::size() const {
    const SourceSection* h = section("hole");
    if (!h) return std::nullopt;
    const auto v = h->get("size");
    if (!v) return std::nullopt;
    int w = 0, hgt = 0;
    char x = 0;
    std::istringstream in(*v);
    if (!(in >> w >> x >> hgt) || (x != 'x' && x != 'X') || w < 64 || hgt < 64 || w > 8192 ||
        hgt > 8192)
        throw SourceError(where + ": [hole] size=" + *v + ": expected WxH, 64..8192 each");
    return std::make_pair(w, hgt);
}

Colour HoleSource::colour(const std::string& key, uint32_t fallback) const {
    const SourceSection* h = section("hole");
    if (!h || !h->get(key)) return colourFromRgb(snapToDisplayGrid(fallback));
    return colourFromRgb(snapToDisplayGrid(parseRgb(*h->get(key), where)));
}

uint32_t parseRgb(const std::string& text, const std::string& where) {
    if (text.size() != 7 || text[0] != '#' ||
        !std::all_of(text.begin() + 1, text.end(), [](unsigned char c) { return std::isxdigit(c); }))
        throw SourceError(where + ": colour " + text + ": expected #rrggbb");
    return static_cast<uint32_t>(std::stoul(text.substr(1), nullptr, 16));
}

std::vector<Point> parsePoints(const std::string& text, const std::string& where) {
    std::vector<Point> pts;
    for (const std::string& word : splitWords(text)) {
        const size_t comma = word.find(',');
        try {
            if (comma == std::string::npos) throw std::invalid_argument("no comma");
            size_t a = 0, b = 0;
            const double x = std::stod(word.substr(0, comma), &a);
            const double y = std::stod(word.substr(comma + 1), &b);
            if (a != comma || b != word.size() - comma - 1) throw std::invalid_argument("junk");
            pts.push_back({x, y});
        } catch (const std::exception&) {
            throw SourceError(where + ": point " + word + ": expected x,y");
        }
    }
    return pts;
}

HoleSource parseHoleSource(const std::string& text, const std::string& stem, const std::string& where) {
    HoleSource src;
    src.stem = stem;
    src.where = where;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    int current = -1;  // index: the vector grows while we read
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = trim(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            if (close == std::string::npos)
                throw SourceError(where + ":" + std::to_string(lineNo) + ": section without ]");
            const std::string name = lower(trim(line.substr(1, close - 1)));
            auto it = std::find_if(src.sections.begin(), src.sections.end(),
                                   [&](const SourceSection& s) { return s.name == name; });
            if (it != src.sections.end()) {
                current = static_cast<int>(it - src.sections.begin());  // same-named sections merge
            } else {
                src.sections.push_back({name, {}, lineNo});
                current = static_cast<int>(src.sections.size()) - 1;
            }
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos || current < 0) continue;  // the game skips such lines too
        src.sections[static_cast<size_t>(current)].keys.emplace(lower(trim(line.substr(0, eq))), trim(line.substr(eq + 1)));
    }

    // The game's own reader decides what the hole file means.
    GameState s;
    s.numPlayers = 1;
    s.holeNum = 1;
    readHole(s, IniFile::parse(text));
    src.par = s.holePar;
    src.areas = s.areas;
    const IniFile ini = IniFile::parse(text);
    src.teeX = ini.integer("ball", "x", 320);
    src.teeY = ini.integer("ball", "y", 240);
    for (int n = 1; n <= kMaxAreas; ++n) {
        arearec& a = src.areas[n];
        if (a.kind == area::kCup && a.x2 == 0 && a.y2 == 0) {
            a.x2 = a.x1 - a.r - 10;
            a.y2 = a.y1 - 1;
        }
    }
    return src;
}

HoleSource loadHoleSource(const std::filesystem::path& file) {
    std::string whyNot;
    const auto text = media::readFileText(file.string(), media::kMaxFileBytes, &whyNot);
    if (!text) throw SourceError(whyNot);
    return parseHoleSource(*text, file.stem().string(), file.string());
}

std::string holeFileText(const HoleSource& src) {
    std::ostringstream out;
    out << "[course]\r\npar=" << src.par << "\r\n\r\n[ball]\r\nx=" << src.teeX << "\r\ny=" << src.teeY
        << "\r\n";
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        const bool used =
            a.kind != area::kEmpty || a.enabled || !a.comment.empty() || a.x1 || a.y1 || a.r;
        if (!used) continue;
        out << "\r\n[area" << n << "]\r\nkind=" << a.kind << "\r\n";
        const std::pair<const char*, int32_t> fields[] = {
            {"x1", a.x1}, {"y1", a.y1}, {"r", a.r},   {"x2", a.x2}, {"y2", a.y2}, {"x3", a.x3},
            {"y3", a.y3}, {"x4", a.x4}, {"y4", a.y4}, {"p1", a.p1}, {"p2", a.p2}, {"p3", a.p3},
            {"p4", a.p4}, {"p5", a.p5}, {"p6", a.p6}};
        for (const auto& [key, value] : fields)
            if (value != 0) out << key << "=" << value << "\r\n";
        if (a.enabled) out << "enabled=1\r\n";
        if (!a.comment.empty()) out << "comment=" << a.comment << "\r\n";
    }
    return out.str();
}

}  // namespace orbigolf::content
