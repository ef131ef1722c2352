#pragma once
// Texts of the message lines. Scrolling texts carry 27 leading spaces so that
// they scroll in from the right.

#include <string>
#include <string_view>

#include "game/state.h"

namespace orbigolf {

inline std::string scrolling(std::string_view text) {
    return std::string(27, ' ') + std::string(text);
}

// Restarts the scrolling message line with a new text.
inline void showMessage(GameState& s, std::string_view text) {
    s.messagePos = 0;
    s.message = scrolling(text);
}

inline void showBigMessage(GameState& s, std::string_view text) {
    s.bigMessage = std::string(text);
    s.bigMessageFade = 255;
}

}  // namespace orbigolf
