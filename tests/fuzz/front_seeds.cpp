// Writes the seed corpora of the front end's fuzz targets:
//   orbigolf_fuzz_front_seeds OUTDIR  ->  OUTDIR/hot_spot, OUTDIR/settings, OUTDIR/avi

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "media/hot_spots.h"
#include "platform/movie/movie_writer.h"

namespace fs = std::filesystem;
using namespace orbigolf;

namespace {

void write(const fs::path& file, const std::vector<uint8_t>& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> hotSeed(const std::vector<media::TSpot>& spots, bool older) {
    media::Bytes s = media::writeSpots(spots);
    if (older) {
        // The older format: the count first and no shape bytes (all spots are polygons).
        media::Bytes o(s.begin() + 4, s.begin() + 8);
        size_t at = 8;
        for (const media::TSpot& spot : spots) {
            const size_t length = 1 + 4 + 1 + 4 + spot.Hint.size() + 4 + spot.Points.size() * 4;
            o.insert(o.end(), s.begin() + long(at) + 1, s.begin() + long(at + length));
            at += length;
        }
        s = o;
    }
    const media::Bytes m = media::writeMaskItems(spots);
    std::vector<uint8_t> out{uint8_t(s.size()), uint8_t(s.size() >> 8)};
    out.insert(out.end(), s.begin(), s.end());
    out.insert(out.end(), m.begin(), m.end());
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orbigolf_fuzz_front_seeds OUTDIR\n");
        return 2;
    }
    const fs::path out = argv[1];
    std::vector<media::TSpot> spots{media::TSpot::ellipse({2, 2, 20, 14}), media::TSpot::rectangle({0, 0, 8, 8}),
                                    media::TSpot::polygon({{1, 1}, {30, 2}, {15, 20}, {3, 18}})};
    spots[0].maskItem = media::MaskItem{media::kMaskHot, {2, 2}, {0, 0}};
    spots[2].maskItem = media::MaskItem{media::kMaskHot | media::kMaskDown, {0, 0}, {4, 4}};
    spots[1].Hint = "hint";
    write(out / "hot_spot" / "current", hotSeed(spots, false));
    const std::vector<media::TSpot> polygons{spots[2], spots[2]};
    write(out / "hot_spot" / "older", hotSeed(polygons, true));

    const std::string reg4 =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vexlo\\Orbigolf Demo v1.1\\Skin]\n\"Skin\"=\"amber\"\n"
        "[HKEY_CURRENT_USER\\Software\\Vexlo\\Orbigolf Demo v1.1\\RunOnce]\n\"RunOnce\"=dword:00000001\n"
        "\"Bin\"=hex:01,02,\\\n  03\n\"E\"=hex(2):41,00\n[-HKEY_CURRENT_USER\\X]\n\"v\"=-\n@=\"d\"\n";
    write(out / "settings" / "regedit4", {reg4.begin(), reg4.end()});
    std::string reg5 = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"N\"=dword:0000002a\r\n";
    std::vector<uint8_t> utf16{0xFF, 0xFE};
    for (char c : reg5) {
        utf16.push_back(uint8_t(c));
        utf16.push_back(0);
    }
    write(out / "settings" / "version5_utf16", utf16);

    // A tiny movie in each period codec we write, with and without sound.
    for (const char* codec : {"msvideo1", "cinepak"}) {
        platform::MovieWriterOptions o;
        o.width = 16;
        o.height = 16;
        o.frameCount = 3;
        o.codec = codec;
        if (std::string(codec) == "msvideo1") o.sound.assign(2940, 100);
        const fs::path file = out / "avi" / (std::string(codec) + ".avi");
        fs::create_directories(file.parent_path());
        platform::writeMovie(file.string(), o, [](int i, platform::Surface& s) { s.fill(platform::toRgb565(80 * i, 40, 200)); });
    }
    return 0;
}
