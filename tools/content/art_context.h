#pragma once
// What every piece of drawn content needs: the fonts, the interface palette of the set
// being drawn, and the folder of the text sources.

#include <filesystem>

#include "font_faces.h"
#include "sources.h"

namespace orbigolf::content {

struct ArtContext {
    FontFaces& fonts;
    const Palette& theme;  // the interface palette (default or a skin's)
    std::filesystem::path sources;  // the content/ folder
};

}  // namespace orbigolf::content
