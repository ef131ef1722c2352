#pragma once
// `orbigolf-assets` on form streams that hold hot-spot images: `info` lists every image's
// pictures and spots; `png` and `export` write its pictures (the picture, the mask picture
// and an overview with every spot lit from the mask, outlined).

#include <string>
#include <vector>

#include "media/component_stream.h"
#include "media/dib.h"
#include "media/hot_image.h"

namespace orbigolf::assets {

struct HotForm {
    media::StreamObject root;
    struct Image {
        std::string name;
        media::THotImage image;
    };
    std::vector<Image> images;
};

// A form stream (from its "TPF0" signature, which may follow a resource header) with at
// least one hot-spot image; nothing when the file is anything else.
bool readHotForm(const std::string& fileName, HotForm& into);

std::string hotInfoText(const std::string& fileName, const HotForm& form);
std::string hotInfoJson(const std::string& fileName, const HotForm& form);

// The pictures in export order: per image its picture, its mask picture and the overview.
struct NamedPicture {
    std::string name;
    media::Bitmap bitmap;
};
std::vector<NamedPicture> hotPictures(const HotForm& form);
// The overview: the picture with every enabled spot shown lit and outlined in red.
media::Bitmap spotOverview(const media::THotImage& image);

// Every picture as OUTDIR/NNN-NAME-picture.png, -mask.png, -spots.png; returns the paths written.
std::vector<std::string> exportHotPictures(const HotForm& form, const std::string& outDir);

}  // namespace orbigolf::assets
