#pragma once
// Names the game compares without regard to letter case (file names from data sets made on
// Windows, stream property names, colour identifiers, hole-file keys) fold ASCII letters only:
// 8-bit names from old data sets keep their other bytes as they are, whatever the locale.

#include <string>
#include <string_view>

namespace orbigolf::platform {

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

inline std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = asciiLower(c);
    return out;
}

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace orbigolf::platform
