#include "avi_command.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "json_line.h"
#include "media/media_error.h"
#include "png_file.h"

namespace orbigolf::assets {

namespace {

media::Bitmap bitmapOf(const platform::Surface& s) {
    media::Bitmap b = media::makeBitmap(s.width(), s.height());
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const platform::Rgb c = platform::fromRgb565(s.pixel(x, y));
            b.pixel(x, y) = media::makeRgb(c.r, c.g, c.b);
        }
    return b;
}

}  // namespace

bool isAviFile(const std::string& fileName) {
    // The extension decides for the kinds the tool knows; the content for any other name.
    std::string ext = std::filesystem::path(fileName).extension().string();
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (ext == ".avi") return true;
    for (const char* other : {".wav", ".bmp", ".dib", ".dxg", ".dxw", ".fli", ".flc"})
        if (ext == other) return false;
    char head[12] = {};
    std::ifstream in(fileName, std::ios::binary);
    return in.read(head, sizeof head) && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "AVI ", 4) == 0;
}

std::string aviInfoText(const std::string& fileName, const platform::MovieInfo& m) {
    char line[512];
    std::string out;
    std::snprintf(line, sizeof line, "%s: AVI movie, %d x %d, %lld frames at %.3f a second (%.2f s)\n",
                  fileName.c_str(), m.width, m.height, static_cast<long long>(m.frameCount), m.framesPerSecond,
                  m.framesPerSecond > 0 ? double(m.frameCount) / m.framesPerSecond : 0.0);
    out += line;
    std::snprintf(line, sizeof line, "  pictures: %s (fourcc %s)\n", m.codec.c_str(), m.fourcc.c_str());
    out += line;
    if (m.hasSound) {
        std::snprintf(line, sizeof line, "  sound: %s, %d Hz, %d channel(s)\n", m.soundCodec.c_str(), m.soundRate,
                      m.soundChannels);
    } else {
        std::snprintf(line, sizeof line, "  sound: none\n");
    }
    return out + line;
}

std::string aviInfoJson(const std::string& fileName, const platform::MovieInfo& m) {
    tools::Json j;
    j["file"] = tools::utf8Text(fileName);
    j["kind"] = "avi";
    j["frames"] = m.frameCount;
    j["width"] = m.width;
    j["height"] = m.height;
    j["frame_ms"] = static_cast<int64_t>(m.framesPerSecond > 0 ? 1000.0 / m.framesPerSecond + 0.5 : 0);
    j["codec"] = m.codec;
    j["fourcc"] = tools::utf8Text(m.fourcc);
    j["sound"] = m.hasSound;
    if (m.hasSound) {
        j["sound_codec"] = m.soundCodec;
        j["sound_rate"] = m.soundRate;
        j["sound_channels"] = m.soundChannels;
    }
    return tools::jsonLine(j) + "\n";
}

media::Bitmap aviFrame(const std::string& fileName, int n) {
    platform::Movie movie = platform::Movie::open(fileName);
    platform::Surface s;
    for (int i = 1; movie.nextFrame(s); ++i)
        if (i == n) return bitmapOf(s);
    throw platform::MovieError("Movie " + fileName + " has no frame " + std::to_string(n));
}

std::vector<std::string> exportAviFrames(const std::string& fileName, const std::string& outDir) {
    platform::Movie movie = platform::Movie::open(fileName);
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    std::vector<std::string> paths;
    platform::Surface s;
    while (movie.nextFrame(s)) {
        char name[32];
        std::snprintf(name, sizeof name, "%04zu.png", paths.size() + 1);
        const std::string path = (std::filesystem::path(outDir) / name).string();
        writePng(path, bitmapOf(s));
        paths.push_back(path);
    }
    return paths;
}

}  // namespace orbigolf::assets
