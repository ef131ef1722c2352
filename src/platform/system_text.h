#pragma once
// Text that controls write on their own surface with the system's plain font (a 5 x 7
// pixel font in 6 x 9 cells), black on a white box as a default canvas writes it. Used for
// messages a control shows in place of its picture.

#include <string>

#include "platform/surface.h"

namespace orbigolf::platform {

inline constexpr int kSystemTextCellWidth = 6;
inline constexpr int kSystemTextCellHeight = 9;

// Draws `text` with its top-left corner at (x, y), clipped to the surface. Characters
// outside printable ASCII draw as blanks.
void drawSystemText(Surface& surface, int x, int y, const std::string& text, Pixel565 ink = 0,
                    Pixel565 paper = 0xFFFF);

}  // namespace orbigolf::platform
