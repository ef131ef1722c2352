#include "holes/hole_build.h"

#include <algorithm>
#include <sstream>

#include "font_faces.h"
#include "game/area_kinds.h"
#include "game/hit_tests.h"
#include "game/hole_setup.h"
#include "holes/hole_pictures.h"
#include "media/media_error.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "sources.h"

namespace orbigolf::content {

namespace fs = std::filesystem;

namespace {

void writeText(const fs::path& file, const std::string& text) {
    media::writeFileBytes(file.string(), media::ByteView(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void writePng(const media::Bitmap& b, const fs::path& file, const HoleSource* overlay) {
    Canvas c(b.width, b.height);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) c.setArgb(x, y, 0xFF000000u | b.pixel(x, y));
    c.markDirty();
    if (overlay) drawAreaOverlay(c, *overlay, 1.0);
    if (cairo_surface_write_to_png(c.surface(), file.string().c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string());
}

// The course with the fixed sprites the game places on this hole (frame 0 of each, added,
// subtracted or plain as the slot says), as a player first sees it.
media::Bitmap withFixedSprites(const BuiltHole& built, const std::string& stem) {
    GameState s;
    s.holeName = stem;
    placeFixedSprites(s);
    media::Bitmap out = built.art.course;
    for (int slot = kMaxSprites; slot >= 1; --slot) {
        const spriterec& sp = s.sprites[slot];
        if (sp.x == 0 && sp.y == 0) continue;
        if (sp.image < 0 || static_cast<size_t>(sp.image) >= built.pictures.items.size()) continue;
        const media::PictureListItem& item = built.pictures.items[static_cast<size_t>(sp.image)];
        const int fw = item.patternWidth ? item.patternWidth : item.bitmap.width;
        const int fh = item.patternHeight ? item.patternHeight : item.bitmap.height;
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x) {
                const int ox = sp.x + x, oy = sp.y + y;
                if (ox < 0 || oy < 0 || ox >= out.width || oy >= out.height) continue;
                const media::Rgb src = item.bitmap.pixel(x, y);
                if (src == 0) continue;
                const media::Rgb dst = out.pixel(ox, oy);
                auto ch = [](media::Rgb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
                int r = ch(src, 16), g = ch(src, 8), b = ch(src, 0);
                if (sp.blend > 0) {
                    r = std::min(255, ch(dst, 16) + r * sp.blend / 255);
                    g = std::min(255, ch(dst, 8) + g * sp.blend / 255);
                    b = std::min(255, ch(dst, 0) + b * sp.blend / 255);
                } else if (sp.blend < 0) {
                    r = std::max(0, ch(dst, 16) - r * -sp.blend / 255);
                    g = std::max(0, ch(dst, 8) - g * -sp.blend / 255);
                    b = std::max(0, ch(dst, 0) - b * -sp.blend / 255);
                }
                out.pixel(ox, oy) = media::makeRgb(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
            }
    }
    return out;
}

}  // namespace

const std::vector<std::string>& setHoleNames() {
    static const std::vector<std::string> names = {"training1", "course1hole1", "course1hole2",
                                                   "course1hole3", "course5hole1"};
    return names;
}

std::pair<int, int> parseSize(const std::string& text) {
    int w = 0, h = 0;
    char x = 0;
    std::istringstream in(text);
    if (!(in >> w >> x >> h) || (x != 'x' && x != 'X') || !in.eof() || w < 64 || h < 64 || w > 8192 ||
        h > 8192)
        throw SourceError("size " + text + ": expected WxH, 64..8192 each");
    return {w, h};
}

void checkPlayable(const HoleSource& src) {
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        // A ball put down inside the area that moved it there is moved again in every
        // pass and never comes to rest.
        const bool mover =
            a.kind == area::kTeleport || a.kind == area::kPipe || a.kind == area::kLauncher;
        if (mover && insideArea(a.x2, a.y2, a))
            throw SourceError(src.where + ": area " + std::to_string(n) + " (kind " + std::to_string(a.kind) +
                              ") puts the ball out at (" + std::to_string(a.x2) + ", " + std::to_string(a.y2) +
                              ") inside itself, where it would be caught again for ever");
    }
}

void buildHoleFiles(const fs::path& source, const fs::path& outDir, std::optional<std::pair<int, int>> size,
                    FontFaces& fonts, const fs::path& sources) {
    const HoleSource src = loadHoleSource(source);
    checkPlayable(src);
    const auto [w, h] = size ? *size : courseSize(src);
    const BuiltHole built = buildHole(src, w, h, fonts, sources);
    fs::create_directories(outDir);
    writeText(outDir / (src.stem + ".hole"), holeFileText(src));
    media::savePictureListFile((outDir / (src.stem + ".dxg")).string(), built.pictures);
    media::saveSoundListFile((outDir / (src.stem + ".dxw")).string(), built.sounds);
}

void buildHoleSet(const fs::path& sources, const fs::path& outDir, FontFaces& fonts) {
    for (const std::string& name : setHoleNames())
        buildHoleFiles(sources / "holes" / (name + ".hole"), outDir, std::nullopt, fonts, sources);
}

void writeHoleReview(const fs::path& sources, const fs::path& outDir, std::vector<fs::path> holeSources) {
    FontFaces fonts;
    fs::create_directories(outDir);
    if (holeSources.empty())
        for (const std::string& name : setHoleNames()) holeSources.push_back(sources / "holes" / (name + ".hole"));
    for (const fs::path& file : holeSources) {
        const HoleSource src = loadHoleSource(file);
        const std::string name = src.stem;
        const auto [w, h] = courseSize(src);
        const BuiltHole built = buildHole(src, w, h, fonts, sources);
        writePng(withFixedSprites(built, name), outDir / (name + "-course.png"), nullptr);
        writePng(built.art.course, outDir / (name + "-areas.png"), &src);
        writePng(built.card, outDir / (name + "-card.png"), nullptr);
        writePng(built.art.foreground, outDir / (name + "-foreground.png"), nullptr);
    }
}

}  // namespace orbigolf::content
