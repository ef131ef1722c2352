#pragma once
// Breaks a message into lines for a message box that sizes itself to its longest line:
// without breaks, one long message (a file path and the reason it failed) makes a box
// wider than a 640 x 480 screen.

#include <cstddef>
#include <string>

namespace orbigolf::platform {

// The characters of a line in a message box: about 420 pixels in the system's fonts.
inline constexpr std::size_t kMessageLineChars = 60;

// `text` with every line longer than `width` characters broken after its last space
// (the space is dropped) or path separator that fits; a run without either is cut at
// `width`. Existing line breaks stay, and "\r\n" becomes "\n".
std::string wrapText(const std::string& text, std::size_t width = kMessageLineChars);

}  // namespace orbigolf::platform
