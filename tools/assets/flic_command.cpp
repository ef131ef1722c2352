#include "flic_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "json_line.h"
#include "media/file_lookup.h"
#include "media/media_error.h"
#include "media/flic_player.h"
#include "png_file.h"

namespace orbigolf::assets {

namespace {

uint16_t le16(const media::Bytes& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }
uint32_t le32(const media::Bytes& b, size_t at) { return uint32_t(le16(b, at)) | (uint32_t(le16(b, at + 2)) << 16); }

const char* chunkName(int type) {
    switch (type) {
        case media::kFlicColor256: return "256-level colour";
        case media::kFlicDeltaFlc: return "word delta";
        case media::kFlicColor64: return "64-level colour";
        case media::kFlicDeltaFli: return "line delta";
        case media::kFlicBlack: return "black";
        case media::kFlicByteRun: return "byte run";
        case media::kFlicLiteral: return "literal";
        case media::kFlicStamp: return "postage stamp";
        default: return "other";
    }
}

uint64_t noClock() { return 0; }

// A player positioned on the file (stopped again when it goes).
struct OpenPlayer {
    media::TFliPlayerTimer player{noClock};
    explicit OpenPlayer(const std::string& fileName) {
        player.setFileName(fileName);
        player.Play();
        if (player.playState() == media::TFliPlayerTimer::PlayState::Stopped)
            throw media::MediaError("Cannot open file " + fileName);
    }
};

media::Bitmap toBitmap(const media::FlicPicture& p) {
    media::Bitmap b = media::makeBitmap(p.width, p.height);
    b.bitsPerPixel = 8;
    for (const platform::Rgb& c : p.palette) b.palette.push_back(media::makeRgb(c.r, c.g, c.b));
    for (size_t i = 0; i < p.indexes.size(); ++i) b.pixels[i] = b.palette[p.indexes[i]];
    return b;
}

}  // namespace

bool isFlicFile(const std::string& fileName) {
    std::ifstream in(media::resolveFileName(fileName), std::ios::binary);
    unsigned char head[6] = {};
    if (in.read(reinterpret_cast<char*>(head), 6)) {
        const int magic = head[4] | (head[5] << 8);
        if (magic == media::kFlicMagicFli || magic == media::kFlicMagicFlc) return true;
    }
    std::string ext = std::filesystem::path(fileName).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".fli" || ext == ".flc";
}

FlicSummary summariseFlic(const std::string& fileName) {
    FlicSummary s;
    {
        OpenPlayer open(fileName);
        media::TFliPlayerTimer& p = open.player;
        s.magic = p.magic();
        s.frames = p.frameCount();
        s.width = p.animationWidth();
        s.height = p.animationHeight();
        s.speed = p.speed();
        s.delayMs = p.delay();
        for (int n = 1; n <= s.frames; ++n)
            if (!p.GotoFrame(n)) throw media::MediaError(p.errorMessage().empty() ? "Frame " + std::to_string(n) + " cannot be read" : p.errorMessage());
    }
    // The chunk kinds: every frame record from the first to the end of the file.
    const media::Bytes b = media::readFileBytes(fileName);
    size_t pos = 128;
    while (pos + 16 <= b.size()) {
        const uint32_t size = le32(b, pos);
        const uint16_t type = le16(b, pos + 4);
        if (size < 16 || size > b.size() - pos + 1) break;  // one missing pad byte is common
        if (type == media::kFlicFrameType) {
            ++s.framesInFile;
            const size_t end = std::min(b.size(), pos + size);
            size_t c = pos + 16;
            for (unsigned k = 0; k < le16(b, pos + 6) && c + 6 <= end; ++k) {
                const uint32_t chunkSize = le32(b, c);
                ++s.chunks[le16(b, c + 4)];
                if (chunkSize < 6) break;
                c += chunkSize;
            }
        } else if (type != media::kFlicPrefixType) {
            break;
        }
        pos += size;
    }
    return s;
}

std::string flicInfoText(const std::string& fileName, const FlicSummary& s) {
    char line[256];
    std::string out;
    std::snprintf(line, sizeof line, "%s: %s animation (magic 0x%04X)\n", fileName.c_str(),
                  s.magic == media::kFlicMagicFli ? "FLI" : "FLC", s.magic);
    out += line;
    std::snprintf(line, sizeof line, "size: %d x %d, 256 colours\n", s.width, s.height);
    out += line;
    std::snprintf(line, sizeof line, "frames: %d%s\n", s.frames,
                  s.framesInFile > s.frames ? " (and a ring frame back to the first)" : "");
    out += line;
    std::snprintf(line, sizeof line, "speed: %d %s = %d ms a frame\n", s.speed,
                  s.magic == media::kFlicMagicFli ? "x 1/70 s" : "ms", s.delayMs);
    out += line;
    out += "chunks:";
    for (const auto& [type, count] : s.chunks) {
        std::snprintf(line, sizeof line, " %s (%d) x %d;", chunkName(type), type, count);
        out += line;
    }
    out += "\n";
    return out;
}

std::string flicInfoJson(const std::string& fileName, const FlicSummary& s) {
    tools::Json j;
    j["file"] = tools::utf8Text(fileName);
    j["kind"] = s.magic == media::kFlicMagicFli ? "fli" : "flc";
    j["magic"] = int{s.magic};
    j["frames"] = s.frames;
    j["width"] = s.width;
    j["height"] = s.height;
    j["speed"] = int{s.speed};
    j["delayMs"] = int{s.delayMs};
    j["ringFrame"] = s.framesInFile > s.frames;
    j["chunks"] = tools::Json::array();
    for (const auto& [type, count] : s.chunks)
        j["chunks"].push_back(tools::Json{{"type", type}, {"name", chunkName(type)}, {"count", count}});
    return tools::jsonLine(j) + "\n";
}

media::Bitmap flicFrame(const std::string& fileName, int n) {
    OpenPlayer open(fileName);
    if (n < 1 || n > open.player.frameCount())
        throw media::MediaError("Frame " + std::to_string(n) + " is not in 1.." + std::to_string(open.player.frameCount()));
    if (!open.player.GotoFrame(n)) throw media::MediaError(open.player.errorMessage());
    return toBitmap(open.player.picture());
}

std::vector<std::string> exportFlicFrames(const std::string& fileName, const std::string& outDir) {
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (!std::filesystem::is_directory(outDir)) throw media::MediaError("Cannot create folder " + outDir);
    OpenPlayer open(fileName);
    std::vector<std::string> written;
    for (int n = 1; n <= open.player.frameCount(); ++n) {
        if (!open.player.GotoFrame(n)) throw media::MediaError(open.player.errorMessage());
        char name[16];
        std::snprintf(name, sizeof name, "%04d.png", n);
        const std::string path = (std::filesystem::path(outDir) / name).string();
        writePng(path, toBitmap(open.player.picture()));
        written.push_back(path);
    }
    return written;
}

}  // namespace orbigolf::assets
