#include "game/ini_file.h"

#include <cstdint>
#include <limits>

#include "media/file_read.h"
#include "media/media_error.h"

namespace orbigolf {

namespace {

std::string_view trimBlanks(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string makeKey(std::string_view section, std::string_view key) {
    return lower(section) + '\n' + lower(key);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    std::string section;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trimBlanks(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            section = std::string(trimBlanks(line.substr(1, close - 1)));
            inSection = true;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        const std::string_view key = trimBlanks(line.substr(0, eq));
        std::string_view value = trimBlanks(line.substr(eq + 1));
        if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
        ini.values_.emplace(makeKey(section, key), std::string(value));  // first one wins
        ini.sections_.insert(lower(section));
    }
    return ini;
}

IniFile IniFile::load(const std::string& path, std::string* whyNot) {
    try {
        const media::Bytes bytes = media::readFileBytes(path, kMaxFileSize);
        return parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const media::MediaError& e) {
        if (whyNot != nullptr) *whyNot = e.what();
        return IniFile{};
    }
}

bool IniFile::hasKeys(std::string_view section) const { return sections_.contains(lower(section)); }

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto it = values_.find(makeKey(section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string IniFile::text(std::string_view section, std::string_view key) const {
    return value(section, key).value_or(std::string{});
}

int32_t IniFile::integer(std::string_view section, std::string_view key, int32_t fallback) const {
    const auto v = value(section, key);
    if (!v) return fallback;
    return parseInteger(*v).value_or(fallback);
}

bool IniFile::flag(std::string_view section, std::string_view key) const {
    return integer(section, key, 0) != 0;
}

std::optional<int32_t> parseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;

    std::string_view hex;
    if (text.front() == '$') {
        hex = text.substr(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = text.substr(2);
    }
    if (text.front() == '$' || !hex.empty()) {
        // Hexadecimal takes the full 32 bits, so $FFFFFFFF reads as -1.
        if (hex.empty() || hex.size() > 8) return std::nullopt;
        uint32_t v = 0;
        for (char c : hex) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            v = v * 16 + static_cast<uint32_t>(d);
        }
        if (negative) v = 0u - v;
        return static_cast<int32_t>(v);
    }

    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(v);
}

}  // namespace orbigolf
