#pragma once
// A file the asset tool is given, read and classified: picture list, sound list, bitmap or
// wave. A file that cannot be read gives media::FileError, damage the media layer's own error
// (MediaError); messages do not repeat the file's name, which the caller reports with them.

#include <string>
#include <variant>

#include "media/dib.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "media/wave.h"

namespace orbigolf::assets {

struct BitmapFile {
    media::DibHeader header;
    media::Bitmap bitmap;
};

struct WaveFile {
    media::Wave wave;
};

using AssetFile = std::variant<media::PictureListFile, media::SoundListFile, BitmapFile, WaveFile>;

// Reads and decodes the whole file. The kind comes from the content ("TPF0" streams by their
// root class, "BM", "RIFF"), else from the extension (.dxg, .dxw, .bmp, .wav), so that a
// damaged file still gets its own kind's message.
AssetFile readAssetFile(const std::string& fileName);

// The picture of item `index` of a list or the bitmap itself; throws MediaError
// ("List index out of bounds (<index>)", "Empty picture", "Not a picture").
const media::Bitmap& pictureOf(const AssetFile& file, int index);

}  // namespace orbigolf::assets
