#include "asset_file.h"

#include <cstring>
#include <filesystem>

#include "media/component_stream.h"
#include "media/file_read.h"
#include "platform/ascii_case.h"

namespace orbigolf::assets {

namespace {
enum class Kind { Pictures, Sounds, Bitmap, Wave, Unknown };

bool startsWith(const media::Bytes& b, const char* magic) {
    const size_t n = std::strlen(magic);
    return b.size() >= n && std::memcmp(b.data(), magic, n) == 0;
}

std::string lowerExtension(const std::string& fileName) {
    return platform::asciiLower(std::filesystem::path(fileName).extension().string());
}

Kind kindOf(const media::Bytes& bytes, const std::string& fileName) {
    const std::string ext = lowerExtension(fileName);
    if (startsWith(bytes, "TPF0")) {
        try {
            media::ComponentReader r(bytes);
            r.readSignature();
            const std::string cls = r.readObjectHeader().className;
            if (cls == "TWaveCollectionComponent") return Kind::Sounds;
            if (cls == "TPictureCollectionComponent") return Kind::Pictures;
        } catch (const media::MediaError&) {
        }
        return ext == ".dxw" ? Kind::Sounds : Kind::Pictures;
    }
    if (startsWith(bytes, "BM")) return Kind::Bitmap;
    if (startsWith(bytes, "RIFF")) return Kind::Wave;
    if (ext == ".dxg") return Kind::Pictures;
    if (ext == ".dxw") return Kind::Sounds;
    if (ext == ".bmp" || ext == ".dib") return Kind::Bitmap;
    if (ext == ".wav") return Kind::Wave;
    return Kind::Unknown;
}
}  // namespace

AssetFile readAssetFile(const std::string& fileName) {
    const media::Bytes bytes = media::readFileBytes(fileName);
    switch (kindOf(bytes, fileName)) {
        case Kind::Pictures: return media::readPictureList(bytes);
        case Kind::Sounds: return media::readSoundList(bytes);
        case Kind::Bitmap: {
            BitmapFile b;
            b.header = media::readBmpHeader(bytes);
            b.bitmap = media::decodeBmp(bytes);
            return b;
        }
        case Kind::Wave: return WaveFile{media::decodeWave(bytes)};
        case Kind::Unknown: break;
    }
    throw media::MediaError("Unknown file format");
}

const media::Bitmap& pictureOf(const AssetFile& file, int index) {
    if (const auto* b = std::get_if<BitmapFile>(&file)) {
        if (b->bitmap.empty()) throw media::MediaError("Empty picture");
        return b->bitmap;
    }
    const auto* list = std::get_if<media::PictureListFile>(&file);
    if (list == nullptr) throw media::MediaError("Not a picture");
    if (index < 0 || size_t(index) >= list->items.size()) {
        throw media::MediaError("List index out of bounds (" + std::to_string(index) + ")");
    }
    const media::Bitmap& b = list->items[size_t(index)].bitmap;
    if (b.empty()) throw media::MediaError("Item " + std::to_string(index) + " has no picture");
    return b;
}

}  // namespace orbigolf::assets
