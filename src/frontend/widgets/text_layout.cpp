#include "frontend/widgets/text_layout.h"

#include "frontend/widgets/form_font.h"

namespace orbigolf::widgets {

namespace {

std::vector<std::string> hardLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') {
            lines.emplace_back();
            continue;
        }
        lines.back() += text[i];
    }
    return lines;
}

}  // namespace

std::vector<std::string> layoutLines(const std::string& text, bool wordWrap, int width) {
    std::vector<std::string> out;
    for (const std::string& line : hardLines(text)) {
        if (!wordWrap) {
            out.push_back(line);
            continue;
        }
        std::string current;
        size_t i = 0;
        while (i < line.size()) {
            // The next word with the spaces before it.
            size_t j = i;
            while (j < line.size() && line[j] == ' ') ++j;
            while (j < line.size() && line[j] != ' ') ++j;
            const std::string piece = line.substr(i, j - i);
            if (!current.empty() && textWidth(current + piece) > width) {
                out.push_back(current);
                // A wrapped line starts with its word, not with the spaces before it.
                size_t k = 0;
                while (k < piece.size() && piece[k] == ' ') ++k;
                current = piece.substr(k);
            } else {
                current += piece;
            }
            i = j;
        }
        out.push_back(current);
    }
    return out;
}

}  // namespace orbigolf::widgets
