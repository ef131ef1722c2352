#include "holes/hole_build.h"

#include <fstream>
#include <sstream>

#include "font_faces.h"
#include "holes/hole_pictures.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "sources.h"

namespace orbigolf::content {

namespace fs = std::filesystem;

namespace {

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + file.string());
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

void buildHoleFiles(const fs::path& source, const fs::path& outDir, std::optional<std::pair<int, int>> size,
                    FontFaces& fonts, const fs::path& sources) {
    const HoleSource src = loadHoleSource(source);
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
        writePng(built.art.course, outDir / (name + "-course.png"), nullptr);
        writePng(built.art.course, outDir / (name + "-areas.png"), &src);
        writePng(built.card, outDir / (name + "-card.png"), nullptr);
        writePng(built.art.foreground, outDir / (name + "-foreground.png"), nullptr);
    }
}

}  // namespace orbigolf::content
