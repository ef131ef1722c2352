#pragma once
// Small files of the kinds the asset tool reads beside lists: a movie and a form holding a
// hot-spot image.

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "media/component_stream.h"
#include "media/hot_image.h"
#include "platform/movie/movie_writer.h"

namespace orbigolf::assets::test {

// 48 x 32, six frames going from black to red, with a sound track.
inline void writeSampleMovie(const std::string& path) {
    platform::MovieWriterOptions o;
    o.width = 48;
    o.height = 32;
    o.frameCount = 6;
    o.sound.assign(22050 * 6 / 15, 1000);
    platform::writeMovie(path, o, [](int i, platform::Surface& s) { s.fill(platform::toRgb565(40 * i, 0, 0)); });
}

// A form "launchpad" with one 20 x 10 hot-spot image "HotImage1": an ellipse spot with a mask
// item and a disabled rectangle spot.
inline void writeSampleForm(const std::string& path) {
    media::StreamObject form;
    form.header.className = "Tlaunchpad";
    form.header.objectName = "launchpad";
    media::StreamObject& im = form.children.emplace_back();
    im.header.className = "THotImage";
    im.header.objectName = "HotImage1";
    auto binary = [](media::Bytes b) {
        media::StreamValue v;
        v.tag = media::ValueTag::Binary;
        v.bytes = std::move(b);
        return v;
    };
    im.properties.emplace_back("Picture.Data",
                               binary(media::encodePictureData(media::encodeBmp24(media::makeBitmap(20, 10, 0x102030)))));
    im.properties.emplace_back("MaskPicture.Data",
                               binary(media::encodePictureData(media::encodeBmp24(media::makeBitmap(20, 10, 0xFFA000)))));
    std::vector<media::TSpot> spots{media::TSpot::ellipse({2, 1, 12, 9}), media::TSpot::rectangle({14, 2, 19, 8})};
    spots[0].maskItem = media::MaskItem{media::kMaskHot, {2, 1}, {0, 0}};
    spots[1].Enabled = false;
    im.properties.emplace_back("HotSpots.Spots", binary(media::writeSpots(spots)));
    im.properties.emplace_back("HotSpots.MaskItems", binary(media::writeMaskItems(spots)));
    media::ComponentWriter w;
    w.writeSignature();
    w.writeObject(form);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(w.bytes().data()), std::streamsize(w.bytes().size()));
}

}  // namespace orbigolf::assets::test
