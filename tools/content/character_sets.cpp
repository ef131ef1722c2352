#include "character_sets.h"

namespace orbigolf::content {

const std::vector<int>& labelCharacterSet() {
    static const std::vector<int> set = [] {
        std::vector<int> s;
        for (int c = 'A'; c <= 'Z'; ++c) s.push_back(c);
        s.push_back('"');
        s.push_back('a');
        s.push_back('t');
        s.push_back(' ');
        s.push_back(kBlankGlyph);
        for (int c = '0'; c <= '9'; ++c) s.push_back(c);
        for (char c : std::string("<>=()-`!_+\\/{}^&%.")) s.push_back(static_cast<unsigned char>(c));
        s.push_back('=');
        s.push_back('$');
        s.push_back('#');
        s.push_back(197);
        s.push_back(214);
        s.push_back(196);
        s.push_back('?');
        s.push_back('*');
        return s;
    }();
    return set;
}

int labelGlyphIndex(unsigned char c) {
    const auto& set = labelCharacterSet();
    for (size_t i = 0; i < set.size(); ++i)
        if (set[i] == c) return static_cast<int>(i);
    return 30;
}

}  // namespace orbigolf::content
