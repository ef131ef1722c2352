#include "contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas.h"
#include "content_set.h"
#include "font_faces.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "platform/byte_order.h"
#include "platform/frames.h"

namespace orbigolf::content {

namespace {

namespace fs = std::filesystem;

struct Entry {
    std::string title;
    media::Bitmap bitmap;
    platform::FrameLayout layout;
    bool transparent = true;
    std::vector<int16_t> samples;  // a sound: drawn as its waveform instead
};

constexpr int kSheetWidth = 1500;
constexpr int kMargin = 12;
constexpr int kLabel = 12;  // height of a frame's index label
constexpr int kWaveHeight = 48;
constexpr double kPixelsPerSecond = 400;

// A sound as the outline of its waveform (the lowest and highest sample per column), with
// lines at -3 dB, so levels and fades can be checked at a glance.
int placeSound(Canvas& c, FontFaces& fonts, const Entry& e, int top, bool draw) {
    const int height = 20 + kWaveHeight + 10;
    if (!draw) return height;
    cairo_t* cr = c.cr();
    fonts.use(cr, FontStyle::SansBold, 13);
    cairo_move_to(cr, kMargin, top + 15);
    c.setColour(colourFromRgb(0x9fe8ff));
    cairo_show_text(cr, e.title.c_str());
    const double seconds = static_cast<double>(e.samples.size()) / 22050;
    const int width = std::clamp(static_cast<int>(seconds * kPixelsPerSecond), 1, kSheetWidth - 2 * kMargin);
    const double mid = top + 20 + kWaveHeight / 2.0;
    cairo_rectangle(cr, kMargin, top + 20, width, kWaveHeight);
    c.setColour(colourFromRgb(0x1a2240));
    cairo_fill(cr);
    const double limit = 0.708 * kWaveHeight / 2;  // -3 dB
    c.setColour(colourFromRgb(0x8a3e00));
    cairo_set_line_width(cr, 1);
    for (double y : {mid - limit, mid + limit}) {
        cairo_move_to(cr, kMargin, std::floor(y) + 0.5);
        cairo_line_to(cr, kMargin + width, std::floor(y) + 0.5);
    }
    cairo_stroke(cr);
    const size_t perColumn = std::max<size_t>(1, e.samples.size() / static_cast<size_t>(width));
    c.setColour(colourFromRgb(0x3ff0ff));
    for (int x = 0; x < width; ++x) {
        const size_t from = static_cast<size_t>(x) * perColumn;
        if (from >= e.samples.size()) break;
        const size_t to = std::min(e.samples.size(), from + perColumn);
        int lo = 0, hi = 0;
        for (size_t i = from; i < to; ++i) {
            lo = std::min<int>(lo, e.samples[i]);
            hi = std::max<int>(hi, e.samples[i]);
        }
        const double scale = kWaveHeight / 2.0 / 32768;
        cairo_rectangle(cr, kMargin + x, mid - hi * scale, 1, std::max(1.0, (hi - lo) * scale));
    }
    cairo_fill(cr);
    return height;
}


// Lays out one entry; returns its height. Draws only when `draw`.
int placeEntry(Canvas& c, FontFaces& fonts, const Entry& e, int top, bool draw, int zoom) {
    if (!e.samples.empty()) return placeSound(c, fonts, e, top, draw);
    const int fw = e.layout.frameWidth(e.bitmap.width) * zoom;
    const int fh = e.layout.frameHeight(e.bitmap.height) * zoom;
    const int count = e.layout.frameCount(e.bitmap.width, e.bitmap.height);
    const int cellW = std::max(fw, 18) + 6, cellH = fh + kLabel + 6;
    const int perRow = std::max(1, (kSheetWidth - 2 * kMargin) / cellW);
    const int rows = (count + perRow - 1) / perRow;
    const int height = 20 + rows * cellH + 10;
    if (!draw) return height;
    cairo_t* cr = c.cr();
    fonts.use(cr, FontStyle::SansBold, 13);
    cairo_move_to(cr, kMargin, top + 15);
    c.setColour(colourFromRgb(0xffd27a));
    const std::string title = e.title + "   " + std::to_string(e.bitmap.width) + " x " +
                              std::to_string(e.bitmap.height) + ", " + std::to_string(count) +
                              " frame(s) of " + std::to_string(fw) + " x " + std::to_string(fh) +
                              (e.transparent ? ", keyed" : "");
    cairo_show_text(cr, title.c_str());
    for (int i = 0; i < count; ++i) {
        const platform::Rect r = e.layout.frameRect(i, e.bitmap.width, e.bitmap.height);
        const int x0 = kMargin + (i % perRow) * cellW;
        const int y0 = top + 20 + (i / perRow) * cellH;
        fonts.use(cr, FontStyle::Sans, 9);
        cairo_move_to(cr, x0, y0 + 9);
        c.setColour(colourFromRgb(0x9fb4d8));
        cairo_show_text(cr, std::to_string(i).c_str());
        cairo_rectangle(cr, x0 - 0.5, y0 + kLabel - 0.5, r.w * zoom + 1, r.h * zoom + 1);
        c.setColour(colourFromRgb(0x4a5a94));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_surface_flush(c.surface());
        for (int y = 0; y < r.h * zoom; ++y) {
            for (int x = 0; x < r.w * zoom; ++x) {
                const media::Rgb p = e.bitmap.pixel(r.x + x / zoom, r.y + y / zoom);
                if (e.transparent && p == 0) continue;  // the key shows the sheet behind
                c.setArgb(x0 + x, y0 + kLabel + y, 0xFF000000u | p);
            }
        }
        c.markDirty();
    }
    return height;
}

std::vector<Entry> collect(const fs::path& dir) {
    std::vector<Entry> entries;
    size_t guiStart = 0;
    for (const char* listName : {"menu.dxg", "gui.dxg"}) {
        guiStart = entries.size();
        const media::PictureListFile list = media::loadPictureListFile((dir / listName).string());
        for (size_t i = 0; i < list.items.size(); ++i) {
            const media::PictureListItem& item = list.items[i];
            entries.push_back({std::string(listName) + " #" + std::to_string(i) + " " + item.name,
                               item.bitmap,
                               {item.patternWidth, item.patternHeight, item.skipWidth, item.skipHeight},
                               item.transparent,
                               {}});
        }
    }
    // Skin pictures are cut like the interface items they replace.
    std::map<std::string, Entry> guiByFile;
    for (const SkinFile& f : skinFiles())
        if (guiStart + static_cast<size_t>(f.guiIndex) < entries.size())
            guiByFile[f.fileName] = entries[guiStart + static_cast<size_t>(f.guiIndex)];
    std::vector<fs::path> files;
    for (const auto& f : fs::directory_iterator(dir / "textures")) files.push_back(f.path());
    if (fs::exists(dir / "skins"))
        for (const auto& f : fs::recursive_directory_iterator(dir / "skins"))
            if (f.is_regular_file()) files.push_back(f.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        Entry e{fs::relative(f, dir).string(), media::loadBmpFile(f.string()), {}, true, {}};
        const auto gui = guiByFile.find(f.filename().string());
        if (f.parent_path().parent_path().filename() == "skins" && gui != guiByFile.end()) {
            e.layout = gui->second.layout;
            e.transparent = gui->second.transparent;
        }
        entries.push_back(std::move(e));
    }
    for (const char* listName : {"sound.dxw", "menu.dxw"}) {
        const media::SoundListFile list = media::loadSoundListFile((dir / listName).string());
        for (size_t i = 0; i < list.items.size(); ++i) {
            const media::SoundListItem& item = list.items[i];
            Entry e;
            const media::Bytes& b = item.wave.samples;
            for (size_t k = 0; k + 1 < b.size(); k += 2)
                e.samples.push_back(static_cast<int16_t>(static_cast<uint16_t>(platform::u16At(b, k))));
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.2f s", static_cast<double>(e.samples.size()) / 22050);
            e.title = std::string(listName) + " #" + std::to_string(i) + " " + item.name + "   " + seconds +
                      ", at most " + std::to_string(item.maxPlayingCount) + " at once" +
                      (item.looped ? ", looped" : "");
            if (!e.samples.empty()) entries.push_back(std::move(e));
        }
    }
    return entries;
}

}  // namespace

void drawContactSheet(const fs::path& contentDir, const fs::path& png, const std::string& filter,
                      int zoom) {
    std::vector<Entry> entries = collect(contentDir);
    // The filter may list several alternatives separated by "|".
    std::vector<std::string> wanted;
    for (size_t start = 0;;) {
        const size_t bar = filter.find('|', start);
        wanted.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::erase_if(entries, [&](const Entry& e) {
        return std::none_of(wanted.begin(), wanted.end(), [&](const std::string& w) {
            return e.title.find(w) != std::string::npos;
        });
    });
    if (entries.empty()) throw std::runtime_error("no picture matches \"" + filter + "\"");
    zoom = std::clamp(zoom, 1, 8);
    FontFaces fonts;
    int height = kMargin;
    {
        Canvas probe(1, 1);
        for (const Entry& e : entries) height += placeEntry(probe, fonts, e, 0, false, zoom);
    }
    {
        Canvas sheet(kSheetWidth, height + kMargin);
        sheet.fill(colourFromRgb(0x2a2e3a));
        int top = kMargin;
        for (const Entry& e : entries) top += placeEntry(sheet, fonts, e, top, true, zoom);
        cairo_surface_flush(sheet.surface());
        if (cairo_surface_write_to_png(sheet.surface(), png.string().c_str()) != CAIRO_STATUS_SUCCESS)
            throw std::runtime_error("cannot write " + png.string());
    }
}

}  // namespace orbigolf::content
