#include "platform/wrap_text.h"

#include <string_view>

namespace orbigolf::platform {
namespace {

void wrapLine(std::string_view line, std::size_t width, std::string& out) {
    while (line.size() > width) {
        // The last break that leaves a non-empty first part within the width.
        std::size_t cut = std::string_view::npos;
        bool dropSpace = false;
        for (std::size_t i = width; i > 0; --i) {
            if (line[i] == ' ') {
                cut = i;
                dropSpace = true;
                break;
            }
            if (line[i - 1] == '/' || line[i - 1] == '\\') {
                cut = i;
                break;
            }
        }
        if (cut == std::string_view::npos) cut = width;
        std::string_view head = line.substr(0, cut);
        while (!head.empty() && head.back() == ' ') head.remove_suffix(1);
        out.append(head);
        out.push_back('\n');
        line.remove_prefix(cut + (dropSpace ? 1 : 0));
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    }
    out.append(line);
}

}  // namespace

std::string wrapText(const std::string& text, std::size_t width) {
    if (width == 0) width = 1;
    std::string out;
    out.reserve(text.size() + text.size() / width + 1);
    std::string_view rest = text;
    for (;;) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        wrapLine(line, width, out);
        if (end == std::string_view::npos) break;
        out.push_back('\n');
        rest.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace orbigolf::platform
