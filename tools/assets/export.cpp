#include "export.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "media/file_read.h"
#include "png_file.h"

namespace orbigolf::assets {

std::string exportName(size_t index, const std::string& name, const std::string& ext) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03zu", index);
    std::string safe;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        const bool ok = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '-' ||
                        u == '_' || u == '.' || u == ' ' || u >= 0x80;
        safe += ok ? c : '_';
    }
    if (safe == "." || safe == "..") safe = "_";
    return safe.empty() ? std::string(digits) + ext : std::string(digits) + "-" + safe + ext;
}

std::vector<std::string> exportItems(const AssetFile& file, const std::string& outDir) {
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (!std::filesystem::is_directory(outDir)) {
        throw media::FileError("Cannot create folder " + outDir, ec ? ec.message() : "a file of that name is in the way");
    }
    const std::filesystem::path dir(outDir);
    std::vector<std::string> written;
    if (const auto* p = std::get_if<media::PictureListFile>(&file)) {
        for (size_t i = 0; i < p->items.size(); ++i) {
            if (p->items[i].bitmap.empty()) continue;
            const std::string path = (dir / exportName(i, p->items[i].name, ".png")).string();
            writePng(path, p->items[i].bitmap);
            written.push_back(path);
        }
    } else if (const auto* s = std::get_if<media::SoundListFile>(&file)) {
        for (size_t i = 0; i < s->items.size(); ++i) {
            if (s->items[i].riff.empty()) continue;
            const std::string path = (dir / exportName(i, s->items[i].name, ".wav")).string();
            media::writeFileBytes(path, s->items[i].riff);  // the wave exactly as stored
            written.push_back(path);
        }
    } else {
        throw media::MediaError("Not a picture or sound list");
    }
    return written;
}

}  // namespace orbigolf::assets
