#pragma once
// Breaking a caption into lines: at "\r\n" (or "\n") always, and with word wrap also
// between words where the next word would pass the width.

#include <string>
#include <vector>

namespace orbigolf::widgets {

std::vector<std::string> layoutLines(const std::string& text, bool wordWrap, int width);

}  // namespace orbigolf::widgets
