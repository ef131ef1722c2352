#pragma once
// Windows-1252, the forms' character set: one byte per character. Bytes 0x80..0x9F map
// to the table below (0 where the code page leaves them undefined); every other byte is
// the Unicode code point of the same value.

#include <cstdint>
#include <optional>
#include <string>

namespace orbigolf::widgets {

inline constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88..8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98..9F
};

// The code point of a Windows-1252 byte; 0 for the undefined ones.
constexpr char32_t cp1252ToUnicode(unsigned char c) {
    return (c >= 0x80 && c <= 0x9F) ? kCp1252High[c - 0x80] : static_cast<char32_t>(c);
}

// The Windows-1252 byte of one UTF-8 encoded character, or nothing when the text is not
// exactly one well-formed character, is a control character, or has no byte in the code
// page.
std::optional<unsigned char> utf8CharToCp1252(const std::string& text);

}  // namespace orbigolf::widgets
