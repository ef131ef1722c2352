#pragma once
// Windows virtual-key codes: the key codes that forms receive on every platform.
// Letters and digits are their upper-case ASCII codes ('A' = 65, '0' = 48).

namespace orbigolf::platform::vk {

inline constexpr int VK_LBUTTON = 1;
inline constexpr int VK_RBUTTON = 2;
inline constexpr int VK_MBUTTON = 4;
inline constexpr int VK_BACK = 8;
inline constexpr int VK_TAB = 9;
inline constexpr int VK_CLEAR = 12;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_SHIFT = 16;
inline constexpr int VK_CONTROL = 17;
inline constexpr int VK_MENU = 18;  // Alt
inline constexpr int VK_PAUSE = 19;
inline constexpr int VK_CAPITAL = 20;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_PRIOR = 33;  // Page Up
inline constexpr int VK_NEXT = 34;   // Page Down
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_SNAPSHOT = 44;
inline constexpr int VK_INSERT = 45;
inline constexpr int VK_DELETE = 46;
inline constexpr int VK_0 = 48;  // '0'..'9'
inline constexpr int VK_A = 65;  // 'A'..'Z'
inline constexpr int VK_LWIN = 91;
inline constexpr int VK_RWIN = 92;
inline constexpr int VK_APPS = 93;
inline constexpr int VK_NUMPAD0 = 96;
inline constexpr int VK_MULTIPLY = 106;
inline constexpr int VK_ADD = 107;
inline constexpr int VK_SEPARATOR = 108;
inline constexpr int VK_SUBTRACT = 109;
inline constexpr int VK_DECIMAL = 110;
inline constexpr int VK_DIVIDE = 111;
inline constexpr int VK_F1 = 112;  // VK_F1 + n - 1 is Fn, up to F24
inline constexpr int VK_F2 = 113;
inline constexpr int VK_F3 = 114;
inline constexpr int VK_F4 = 115;
inline constexpr int VK_F5 = 116;
inline constexpr int VK_F6 = 117;
inline constexpr int VK_F7 = 118;
inline constexpr int VK_F8 = 119;
inline constexpr int VK_F9 = 120;
inline constexpr int VK_F10 = 121;
inline constexpr int VK_F11 = 122;
inline constexpr int VK_F12 = 123;
inline constexpr int VK_NUMLOCK = 144;
inline constexpr int VK_SCROLL = 145;
inline constexpr int VK_OEM_1 = 186;       // ;:
inline constexpr int VK_OEM_PLUS = 187;    // =+
inline constexpr int VK_OEM_COMMA = 188;   // ,<
inline constexpr int VK_OEM_MINUS = 189;   // -_
inline constexpr int VK_OEM_PERIOD = 190;  // .>
inline constexpr int VK_OEM_2 = 191;       // /?
inline constexpr int VK_OEM_3 = 192;       // `~
inline constexpr int VK_OEM_4 = 219;       // [{
inline constexpr int VK_OEM_5 = 220;       // \|
inline constexpr int VK_OEM_6 = 221;       // ]}
inline constexpr int VK_OEM_7 = 222;       // '"

}  // namespace orbigolf::platform::vk
