#pragma once
// Outline fonts for the drawn text (pages, big font, score card), read with FreeType
// from Debian's font packages by their install path.

#include <cairo.h>

#include <map>
#include <string>

namespace orbigolf::content {

// Both come with Debian's fonts-dejavu-core.
enum class FontStyle { Sans, SansBold };

class FontFaces {
public:
    FontFaces();
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    // A Cairo face for the style, owned by this object. Throws with the missing path and
    // the package that provides it when the file is not installed.
    cairo_font_face_t* face(FontStyle style);

    // Sets the face and size on the context with fixed rendering options (grey
    // anti-aliasing; hinting only when asked, for small text that must stay crisp).
    void use(cairo_t* cr, FontStyle style, double size, bool hinted = false);

    static std::string pathOf(FontStyle style);

private:
    void* library_ = nullptr;  // FT_Library
    std::map<FontStyle, std::pair<void*, cairo_font_face_t*>> faces_;
};

}  // namespace orbigolf::content
