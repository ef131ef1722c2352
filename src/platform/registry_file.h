#pragma once
// The registry stand-in: keys and typed values kept in one text file in the registry
// export format.
//
// Reading accepts "REGEDIT4" files and "Windows Registry Editor Version 5.00" files in
// UTF-16LE with a byte-order mark or in 8-bit text (with or without a UTF-8 mark), with LF
// or CRLF line ends, "\" line continuations,
// comments, key and value deletions ("[-key]", "name"=-), quoted strings with \\ and \"
// escapes, dword: and hex(n): values. A line that cannot be read is skipped and counted;
// a file without either header is not a registry file and is refused. 8-bit text of either
// kind is UTF-8 where a line is valid UTF-8 and Windows-1252 otherwise, so every key, name
// and text read is valid UTF-8.
//
// Writing gives REGEDIT4 with UTF-8 text and LF line ends, and replaces the file
// atomically: the new text goes to a temporary file beside it, which is flushed to disk
// and then renamed over the old one, so after a crash the file holds either the old
// settings or the new ones, never a mix. When the file is a symbolic link, the file it
// points to is replaced and the link stays.
//
// Key paths are full paths with the root's long name ("HKEY_CURRENT_USER\Software\...");
// keys and value names match without regard to ASCII letter case, as the registry's do.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbigolf::platform {

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Value types by their registry numbers.
inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;
inline constexpr uint32_t kRegQword = 11;

struct RegValue {
    uint32_t type = kRegSz;
    std::string text;           // kRegSz and kRegExpandSz: UTF-8, cut at the first zero
    uint32_t dword = 0;         // kRegDword
    std::vector<uint8_t> data;  // any other type: the bytes as stored

    static RegValue string(std::string s);
    static RegValue number(uint32_t v);
    friend bool operator==(const RegValue&, const RegValue&) = default;
};

struct RegKey {
    std::string path;  // as first written
    std::vector<std::pair<std::string, RegValue>> values;
};

class RegistryStore {
public:
    bool keyExists(const std::string& path) const { return find(path) != nullptr; }
    const RegKey* find(const std::string& path) const;
    // Creates the key and every missing parent.
    RegKey& createKey(const std::string& path);
    void deleteKey(const std::string& path);  // with its subkeys

    const RegValue* value(const std::string& keyPath, const std::string& name) const;
    void setValue(const std::string& keyPath, const std::string& name, RegValue v);
    void deleteValue(const std::string& keyPath, const std::string& name);

    const std::vector<RegKey>& keys() const { return keys_; }
    int skippedLines = 0;  // lines the last parse could not read

private:
    RegKey* findMutable(const std::string& path);
    std::vector<RegKey> keys_;
};

bool sameRegName(const std::string& a, const std::string& b);

RegistryStore parseRegistryText(std::span<const uint8_t> file);
std::string writeRegistryText(const RegistryStore& store);

// A missing file is an empty store; an unreadable or foreign one throws RegistryError
// naming the file.
RegistryStore loadRegistryFile(const std::filesystem::path& file);
// Creates the folder when missing; throws RegistryError when the file cannot be written
// (the old file then stays as it was).
void saveRegistryFile(const std::filesystem::path& file, const RegistryStore& store);

// Called between writing the temporary file and renaming it (tests use it to stop a save
// part-way).
extern std::function<void(const std::filesystem::path& temporary)> registrySaveHook;

// $XDG_CONFIG_HOME/orbigolf/settings.reg, else ~/.config/orbigolf/settings.reg.
std::filesystem::path defaultSettingsFile();

}  // namespace orbigolf::platform
