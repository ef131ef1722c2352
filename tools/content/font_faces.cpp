#include "font_faces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <stdexcept>

namespace orbigolf::content {

namespace {
constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";
}

std::string FontFaces::pathOf(FontStyle style) {
    switch (style) {
        case FontStyle::Sans:
            return std::string(kFontDir) + "DejaVuSans.ttf";
        case FontStyle::SansBold:
            return std::string(kFontDir) + "DejaVuSans-Bold.ttf";
    }
    return {};
}

FontFaces::FontFaces() {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("cannot start FreeType");
    library_ = lib;
}

namespace {
const cairo_user_data_key_t kFaceKey{};
void doneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }
}  // namespace

FontFaces::~FontFaces() {
    // Cairo keeps scaled fonts (and so our faces) in caches after the last use; the FreeType
    // faces go when Cairo lets go of them, and the library only after the caches are empty.
    for (auto& [style, entry] : faces_) cairo_font_face_destroy(entry.second);
    faces_.clear();
    cairo_debug_reset_static_data();
    FT_Done_FreeType(static_cast<FT_Library>(library_));
}

cairo_font_face_t* FontFaces::face(FontStyle style) {
    auto it = faces_.find(style);
    if (it != faces_.end()) return it->second.second;
    const std::string path = pathOf(style);
    if (!std::filesystem::exists(path))
        throw std::runtime_error("font " + path +
                                 " is missing: install the Debian package fonts-dejavu-core "
                                 "(scripts/setup does)");
    FT_Face ft = nullptr;
    if (FT_New_Face(static_cast<FT_Library>(library_), path.c_str(), 0, &ft) != 0)
        throw std::runtime_error("cannot read font " + path);
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(ft, 0);
    cairo_font_face_set_user_data(cf, &kFaceKey, ft, doneFace);
    faces_[style] = {ft, cf};
    return cf;
}

void FontFaces::use(cairo_t* cr, FontStyle style, double size, bool hinted) {
    cairo_set_font_face(cr, face(style));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, hinted ? CAIRO_HINT_STYLE_FULL : CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

}  // namespace orbigolf::content
