// Names of the stream's colour identifiers: the sixteen standard colours, clNone, and the
// Windows system colours (0x80000000 + system colour index).

#include <array>
#include <string_view>

#include "media/component_stream.h"
#include "platform/ascii_case.h"

namespace orbigolf::media {

namespace {
struct Named {
    std::string_view name;
    int32_t value;
};

constexpr int32_t kSystem = static_cast<int32_t>(0x80000000u);

constexpr std::array<Named, 42> kColours{{
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},   {"clNone", 0x1FFFFFFF},
    {"clScrollBar", kSystem + 0},         {"clBackground", kSystem + 1},
    {"clActiveCaption", kSystem + 2},     {"clInactiveCaption", kSystem + 3},
    {"clMenu", kSystem + 4},              {"clWindow", kSystem + 5},
    {"clWindowFrame", kSystem + 6},       {"clMenuText", kSystem + 7},
    {"clWindowText", kSystem + 8},        {"clCaptionText", kSystem + 9},
    {"clActiveBorder", kSystem + 10},     {"clInactiveBorder", kSystem + 11},
    {"clAppWorkSpace", kSystem + 12},     {"clHighlight", kSystem + 13},
    {"clHighlightText", kSystem + 14},    {"clBtnFace", kSystem + 15},
    {"clBtnShadow", kSystem + 16},        {"clGrayText", kSystem + 17},
    {"clBtnText", kSystem + 18},          {"clInactiveCaptionText", kSystem + 19},
    {"clBtnHighlight", kSystem + 20},     {"cl3DDkShadow", kSystem + 21},
    {"cl3DLight", kSystem + 22},          {"clInfoText", kSystem + 23},
    {"clInfoBk", kSystem + 24},
}};
}  // namespace

// Identifiers are matched without regard to case, as the stream's identifiers are.
std::optional<int32_t> colourFromIdent(const std::string& ident) {
    for (const auto& c : kColours) {
        if (platform::sameIgnoringCase(c.name, ident)) return c.value;
    }
    return std::nullopt;
}

std::optional<std::string> identFromColour(int32_t colour) {
    for (const auto& c : kColours) {
        if (c.value == colour) return std::string(c.name);
    }
    return std::nullopt;
}

}  // namespace orbigolf::media
