// The key names of replay files. Every virtual-key code the platform delivers has a name,
// so that every key a player presses is recorded and reaches the game on playback.

#include <charconv>

#include "frontend/replay.h"
#include "platform/vk.h"

namespace orbigolf::replay {
namespace {

namespace vk = platform::vk;

struct NamedKey {
    const char* name;
    int code;
};

constexpr NamedKey kKeys[] = {
    {"Backspace", vk::VK_BACK},
    {"Tab", vk::VK_TAB},
    {"Clear", vk::VK_CLEAR},
    {"Enter", vk::VK_RETURN},
    {"Shift", vk::VK_SHIFT},
    {"Ctrl", vk::VK_CONTROL},
    {"Alt", vk::VK_MENU},
    {"Pause", vk::VK_PAUSE},
    {"CapsLock", vk::VK_CAPITAL},
    {"Escape", vk::VK_ESCAPE},
    {"Space", vk::VK_SPACE},
    {"PageUp", vk::VK_PRIOR},
    {"PageDown", vk::VK_NEXT},
    {"End", vk::VK_END},
    {"Home", vk::VK_HOME},
    {"Left", vk::VK_LEFT},
    {"Up", vk::VK_UP},
    {"Right", vk::VK_RIGHT},
    {"Down", vk::VK_DOWN},
    {"PrintScreen", vk::VK_SNAPSHOT},
    {"Insert", vk::VK_INSERT},
    {"Delete", vk::VK_DELETE},
    {"LeftWindows", vk::VK_LWIN},
    {"RightWindows", vk::VK_RWIN},
    {"Menu", vk::VK_APPS},
    {"Num0", vk::VK_NUMPAD0},
    {"Num1", vk::VK_NUMPAD0 + 1},
    {"Num2", vk::VK_NUMPAD0 + 2},
    {"Num3", vk::VK_NUMPAD0 + 3},
    {"Num4", vk::VK_NUMPAD0 + 4},
    {"Num5", vk::VK_NUMPAD0 + 5},
    {"Num6", vk::VK_NUMPAD0 + 6},
    {"Num7", vk::VK_NUMPAD0 + 7},
    {"Num8", vk::VK_NUMPAD0 + 8},
    {"Num9", vk::VK_NUMPAD0 + 9},
    {"NumMultiply", vk::VK_MULTIPLY},
    {"NumPlus", vk::VK_ADD},
    {"NumSeparator", vk::VK_SEPARATOR},
    {"NumMinus", vk::VK_SUBTRACT},
    {"NumPeriod", vk::VK_DECIMAL},
    {"NumDivide", vk::VK_DIVIDE},
    {"NumLock", vk::VK_NUMLOCK},
    {"ScrollLock", vk::VK_SCROLL},
    {"Semicolon", vk::VK_OEM_1},
    {"Equals", vk::VK_OEM_PLUS},
    {"Comma", vk::VK_OEM_COMMA},
    {"Minus", vk::VK_OEM_MINUS},
    {"Period", vk::VK_OEM_PERIOD},
    {"Slash", vk::VK_OEM_2},
    {"Backquote", vk::VK_OEM_3},
    {"LeftBracket", vk::VK_OEM_4},
    {"Backslash", vk::VK_OEM_5},
    {"RightBracket", vk::VK_OEM_6},
    {"Quote", vk::VK_OEM_7},
};

constexpr int kFunctionKeys = 24;

// A number written without sign or leading zeros, in 1..limit.
std::optional<int> plainNumber(std::string_view text, int limit) {
    if (text.empty() || text[0] == '0') return std::nullopt;
    int v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || v < 1 || v > limit) return std::nullopt;
    return v;
}

}  // namespace

std::optional<int> keyCode(std::string_view name) {
    for (const NamedKey& k : kKeys)
        if (name == k.name) return k.code;
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) return name[0];
    if (name.size() >= 2 && name[0] == 'F') {
        if (const std::optional<int> n = plainNumber(name.substr(1), kFunctionKeys)) return vk::VK_F1 + *n - 1;
    }
    // Codes without a name of their own.
    if (name.size() > 3 && name.substr(0, 3) == "Key") {
        const std::optional<int> code = plainNumber(name.substr(3), kLastKeyCode);
        if (code && !keyName(*code)->starts_with("Key")) return std::nullopt;
        return code;
    }
    return std::nullopt;
}

std::optional<std::string> keyName(int code) {
    if (code < 1 || code > kLastKeyCode) return std::nullopt;
    for (const NamedKey& k : kKeys)
        if (code == k.code) return std::string(k.name);
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return std::string(1, static_cast<char>(code));
    if (code >= vk::VK_F1 && code < vk::VK_F1 + kFunctionKeys) return "F" + std::to_string(code - vk::VK_F1 + 1);
    return "Key" + std::to_string(code);
}

}  // namespace orbigolf::replay
