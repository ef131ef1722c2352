#include "frontend/widgets/cp1252.h"

namespace orbigolf::widgets {

namespace {

// Decodes exactly one UTF-8 character filling the whole text; refuses overlong forms,
// surrogates and anything past U+10FFFF.
std::optional<char32_t> decodeOne(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const auto b = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = b(0);
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        length = 1;
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() != length) return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        if ((b(i) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

}  // namespace

std::optional<unsigned char> utf8CharToCp1252(const std::string& text) {
    const std::optional<char32_t> cp = decodeOne(text);
    if (!cp) return std::nullopt;
    if (*cp < 0x20 || *cp == 0x7F) return std::nullopt;
    if (*cp <= 0xFF && !(*cp >= 0x80 && *cp <= 0x9F)) return static_cast<unsigned char>(*cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == *cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

}  // namespace orbigolf::widgets
