#pragma once
// Keyed reading of initialisation-file text: sections in square brackets followed
// by key=value lines. Section and key names match without regard to letter case;
// same-named sections merge and the first occurrence of a key wins; values lose
// their leading and trailing blanks (spaces and tabs) and are cut at 2047 characters.

#include <map>
#include <set>
#include <optional>
#include <string>
#include <string_view>

namespace orbigolf {

class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    IniFile() = default;
    // Parses text; never fails (lines that are neither a section nor key=value are skipped).
    static IniFile parse(std::string_view text);
    // The largest file read; nothing of the game's comes near it, and it keeps a
    // stray device or huge file from eating memory.
    static constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

    // Reads a file (regular files only, its name matched without regard to letter
    // case when the exact one is missing). A file that cannot be read reads as
    // empty, and `whyNot`, when given, receives the reason.
    static IniFile load(const std::string& path, std::string* whyNot = nullptr);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string text(std::string_view section, std::string_view key) const;
    int32_t integer(std::string_view section, std::string_view key, int32_t fallback) const;
    bool flag(std::string_view section, std::string_view key) const;

    // Whether the section holds any key at all; a hole file names few of its 99
    // area sections, and every key of a missing one takes its default.
    bool hasKeys(std::string_view section) const;

private:
    std::map<std::string, std::string> values_;  // "section\nkey", both lower case
    std::set<std::string, std::less<>> sections_;  // lower case, those with keys
};

// Converts text the way the hole files and the game read numbers: signed decimal,
// or hexadecimal after "$", "0x" or "0X". Empty or not fully converted text gives
// no value.
std::optional<int32_t> parseInteger(std::string_view text);

}  // namespace orbigolf
