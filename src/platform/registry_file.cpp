#include "platform/registry_file.h"

#include <algorithm>
#include <cstdio>

namespace orbigolf::platform {

namespace {

constexpr const char* kHeader4 = "REGEDIT4";
constexpr const char* kHeader5 = "Windows Registry Editor Version 5.00";

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::string utf8FromUtf16le(std::span<const uint8_t> b) {
    std::string out;
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        uint32_t u = b[i] | (uint32_t(b[i + 1]) << 8);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < b.size()) {
            const uint32_t lo = b[i + 2] | (uint32_t(b[i + 3]) << 8);
            if (lo >= 0xDC00 && lo < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            } else {
                u = 0xFFFD;
            }
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD;
        }
        appendUtf8(out, u);
    }
    return out;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF (what JSON
// writers and readers accept).
bool validUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<uint8_t>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const size_t n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        const auto second = static_cast<uint8_t>(s[i + 1]);
        const uint8_t low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
        const uint8_t high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
        if (second < low || second > high) return false;
        for (size_t k = 2; k < n; ++k)
            if ((static_cast<uint8_t>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// 8-bit text that is not UTF-8 (older exports, hand-edited files) is read as Windows-1252.
std::string utf8FromAnsi(const std::string& s) {
    if (validUtf8(s)) return s;
    static const uint16_t k80[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                     0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string out;
    for (char ch : s) {
        const auto c = static_cast<uint8_t>(ch);
        appendUtf8(out, c >= 0x80 && c < 0xA0 ? k80[c - 0x80] : c);
    }
    return out;
}

std::string trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
    return s.substr(a, b - a);
}

std::string cutAtZero(std::string s) {
    const size_t z = s.find('\0');
    if (z != std::string::npos) s.resize(z);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// `"...` at pos: the unescaped text, pos after the closing quote.
std::optional<std::string> quoted(const std::string& line, size_t& pos) {
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    std::string out;
    for (size_t i = pos + 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            out += line[++i];
        } else if (line[i] == '"') {
            pos = i + 1;
            return out;
        } else {
            out += line[i];
        }
    }
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> hexBytes(const std::string& s) {
    std::vector<uint8_t> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == ',')) ++i;
        if (i >= s.size()) break;
        if (i + 1 >= s.size()) return std::nullopt;
        const int hi = hexDigit(s[i]), lo = hexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out.push_back(static_cast<uint8_t>(hi * 16 + lo));
        i += 2;
        if (i < s.size() && s[i] != ',' && s[i] != ' ' && s[i] != '\t') return std::nullopt;
    }
    return out;
}

// The data of a value line after '=': a RegValue, or nothing for "-" (deletion); throws
// nothing, gives false when the data cannot be read.
bool parseData(const std::string& data, bool unicode, std::optional<RegValue>& out) {
    if (data == "-") {
        out.reset();
        return true;
    }
    if (!data.empty() && data[0] == '"') {
        size_t pos = 0;
        auto s = quoted(data, pos);
        if (!s || !trim(data.substr(pos)).empty()) return false;
        out = RegValue::string(cutAtZero(*s));
        return true;
    }
    const std::string low = [&] {
        std::string l = data.substr(0, 8);
        for (char& c : l) c = lower(c);
        return l;
    }();
    if (low.rfind("dword:", 0) == 0) {
        std::string digits = trim(data.substr(6));
        // Hand-written exports sometimes carry extra leading zeros ("0ffffffff").
        const size_t nonZero = std::min(digits.find_first_not_of('0'), digits.size() - 1);
        digits.erase(0, nonZero);
        if (digits.empty() || digits.size() > 8) return false;
        uint32_t v = 0;
        for (char c : digits) {
            const int d = hexDigit(c);
            if (d < 0) return false;
            v = v * 16 + uint32_t(d);
        }
        out = RegValue::number(v);
        return true;
    }
    if (low.rfind("hex", 0) != 0) return false;
    uint32_t type = kRegBinary;
    size_t colon = 3;
    if (data.size() > 3 && data[3] == '(') {
        const size_t close = data.find(')', 4);
        if (close == std::string::npos || close == 4 || close > 12) return false;
        type = 0;
        for (size_t i = 4; i < close; ++i) {
            const int d = hexDigit(data[i]);
            if (d < 0) return false;
            type = type * 16 + uint32_t(d);
        }
        colon = close + 1;
    }
    if (colon >= data.size() || data[colon] != ':') return false;
    auto bytes = hexBytes(data.substr(colon + 1));
    if (!bytes) return false;
    RegValue v;
    v.type = type;
    if (type == kRegSz || type == kRegExpandSz) {
        v.text = cutAtZero(unicode ? utf8FromUtf16le(*bytes) : utf8FromAnsi(std::string(bytes->begin(), bytes->end())));
    } else if (type == kRegDword && bytes->size() == 4) {
        v.dword = (*bytes)[0] | ((*bytes)[1] << 8) | ((*bytes)[2] << 16) | (uint32_t((*bytes)[3]) << 24);
    } else {
        v.data = std::move(*bytes);
        if (type == kRegDword) v.type = kRegBinary;  // not four bytes: kept, but not a number
    }
    out = std::move(v);
    return true;
}

void writeHex(std::string& out, size_t nameLength, const std::string& prefix, const std::vector<uint8_t>& bytes) {
    // Wrapped the way exports wrap them: about 80 columns, continued with "\" and two spaces.
    std::string line(nameLength, ' ');
    line += prefix;
    out += prefix;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        const std::string piece = std::string(hex) + (i + 1 < bytes.size() ? "," : "");
        if (line.size() + piece.size() > 77 && i + 1 < bytes.size()) {
            out += "\\\n  ";
            line = "  ";
        }
        out += piece;
        line += piece;
    }
    out += '\n';
}

std::string escaped(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

RegValue RegValue::string(std::string s) {
    RegValue v;
    v.type = kRegSz;
    v.text = std::move(s);
    return v;
}

RegValue RegValue::number(uint32_t n) {
    RegValue v;
    v.type = kRegDword;
    v.dword = n;
    return v;
}

bool sameRegName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

const RegKey* RegistryStore::find(const std::string& path) const {
    for (const RegKey& k : keys_)
        if (sameRegName(k.path, path)) return &k;
    return nullptr;
}

RegKey* RegistryStore::findMutable(const std::string& path) {
    for (RegKey& k : keys_)
        if (sameRegName(k.path, path)) return &k;
    return nullptr;
}

RegKey& RegistryStore::createKey(const std::string& path) {
    for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        const std::string parent = path.substr(0, slash);
        if (!parent.empty() && !find(parent)) keys_.push_back({parent, {}});
    }
    if (RegKey* k = findMutable(path)) return *k;
    keys_.push_back({path, {}});
    return keys_.back();
}

void RegistryStore::deleteKey(const std::string& path) {
    // Every key under it goes too, including a key "A\" under "A" (a name ending in a
    // backslash), which would otherwise bring its parent back when the store is read again.
    const std::string prefix = path + "\\";
    std::erase_if(keys_, [&](const RegKey& k) {
        return sameRegName(k.path, path) ||
               (k.path.size() >= prefix.size() && sameRegName(k.path.substr(0, prefix.size()), prefix));
    });
}

const RegValue* RegistryStore::value(const std::string& keyPath, const std::string& name) const {
    const RegKey* k = find(keyPath);
    if (!k) return nullptr;
    for (const auto& [n, v] : k->values)
        if (sameRegName(n, name)) return &v;
    return nullptr;
}

void RegistryStore::setValue(const std::string& keyPath, const std::string& name, RegValue v) {
    RegKey& k = createKey(keyPath);
    for (auto& [n, old] : k.values) {
        if (sameRegName(n, name)) {
            old = std::move(v);
            return;
        }
    }
    k.values.emplace_back(name, std::move(v));
}

void RegistryStore::deleteValue(const std::string& keyPath, const std::string& name) {
    if (RegKey* k = findMutable(keyPath))
        std::erase_if(k->values, [&](const auto& nv) { return sameRegName(nv.first, name); });
}

RegistryStore parseRegistryText(std::span<const uint8_t> file) {
    bool unicode = false;
    std::string text;
    if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE) {
        text = utf8FromUtf16le(file.subspan(2));
        unicode = true;
    } else {
        size_t start = file.size() >= 3 && file[0] == 0xEF && file[1] == 0xBB && file[2] == 0xBF ? 3 : 0;
        text.assign(reinterpret_cast<const char*>(file.data() + start), file.size() - start);
    }
    std::vector<std::string> lines;
    for (size_t pos = 0; pos <= text.size();) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(pos, nl - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        pos = nl + 1;
    }
    size_t i = 0;
    while (i < lines.size() && trim(lines[i]).empty()) ++i;
    if (i == lines.size()) throw RegistryError("not a registry file (no header line)");
    const std::string header = trim(lines[i]);
    if (header == kHeader5) {
        unicode = true;
    } else if (header != kHeader4) {
        throw RegistryError("not a registry file (unknown header line)");
    }
    const bool ansi = header == kHeader4;

    RegistryStore store;
    std::optional<std::string> key;
    for (++i; i < lines.size(); ++i) {
        std::string line = trim(lines[i]);
        while (!line.empty() && line.back() == '\\' && line[0] != ';' && i + 1 < lines.size()) {
            line.pop_back();
            line += trim(lines[++i]);
        }
        if (line.empty() || line[0] == ';') continue;
        line = utf8FromAnsi(line);
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3) {
                ++store.skippedLines;
                key.reset();
                continue;
            }
            if (line[1] == '-') {
                store.deleteKey(line.substr(2, line.size() - 3));
                key.reset();
            } else {
                key = line.substr(1, line.size() - 2);
                store.createKey(*key);
            }
            continue;
        }
        std::string name;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (auto q = quoted(line, pos)) {
            name = *q;
        } else {
            ++store.skippedLines;
            continue;
        }
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        std::optional<RegValue> v;
        if (pos >= line.size() || line[pos] != '=' || !parseData(trim(line.substr(pos + 1)), unicode && !ansi, v)) {
            ++store.skippedLines;
            continue;
        }
        if (!key) continue;  // values of a deleted or unreadable key
        if (v) {
            store.setValue(*key, name, std::move(*v));
        } else {
            store.deleteValue(*key, name);
        }
    }
    return store;
}

std::string writeRegistryText(const RegistryStore& store) {
    std::string out = std::string(kHeader4) + "\n\n";
    for (const RegKey& k : store.keys()) {
        out += "[" + k.path + "]\n";
        for (const auto& [name, v] : k.values) {
            const std::string lhs = name.empty() ? "@=" : escaped(name) + "=";
            out += lhs;
            const bool plain = v.type == kRegSz &&
                               std::none_of(v.text.begin(), v.text.end(), [](char c) { return uint8_t(c) < 0x20; });
            if (plain) {
                out += escaped(v.text) + "\n";
            } else if (v.type == kRegDword) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "dword:%08x\n", v.dword);
                out += hex;
            } else if (v.type == kRegSz || v.type == kRegExpandSz) {
                std::vector<uint8_t> bytes(v.text.begin(), v.text.end());
                bytes.push_back(0);
                writeHex(out, lhs.size(), v.type == kRegSz ? "hex(1):" : "hex(2):", bytes);
            } else {
                char prefix[16];
                if (v.type == kRegBinary) {
                    std::snprintf(prefix, sizeof prefix, "hex:");
                } else {
                    std::snprintf(prefix, sizeof prefix, "hex(%x):", v.type);
                }
                writeHex(out, lhs.size(), prefix, v.data);
            }
        }
        out += "\n";
    }
    return out;
}

}  // namespace orbigolf::platform
