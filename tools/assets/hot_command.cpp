#include "hot_command.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "export.h"
#include "media/media_error.h"
#include "json_line.h"
#include "png_file.h"

namespace orbigolf::assets {

namespace {

const char* shapeName(media::SpotShape s) {
    switch (s) {
    case media::SpotShape::Rectangle: return "rectangle";
    case media::SpotShape::Ellipse: return "ellipse";
    case media::SpotShape::Polygon: return "polygon";
    }
    return "?";
}

}  // namespace

bool readHotForm(const std::string& fileName, HotForm& into) {
    media::Bytes bytes;
    try {
        bytes = media::readFileBytes(fileName);
    } catch (const media::MediaError&) {
        return false;
    }
    // Form files carry a short resource header before the stream.
    size_t at = 0;
    while (at < 64 && at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, "TPF0", 4) != 0) ++at;
    if (at + 4 > bytes.size() || std::memcmp(bytes.data() + at, "TPF0", 4) != 0) return false;
    try {
        media::ComponentReader r(media::ByteView(bytes).subspan(at));
        r.readSignature();
        into.root = r.readObject();
    } catch (const media::MediaError&) {
        return false;
    }
    const auto found = media::findHotImages(into.root);
    if (found.empty()) return false;
    for (const media::StreamObject* o : found) {
        HotForm::Image& im = into.images.emplace_back();
        im.name = o->header.objectName;
        media::loadHotImage(*o, im.image);  // damage here is the file's fault: MediaError goes on
    }
    return true;
}

std::string hotInfoText(const std::string& fileName, const HotForm& form) {
    std::string out = fileName + ": form " + form.root.header.className + " with " +
                      std::to_string(form.images.size()) + " hot-spot image(s)\n";
    char line[256];
    for (const auto& [name, im] : form.images) {
        std::snprintf(line, sizeof line, "  %s: %d x %d at (%d, %d), picture %d x %d, mask %d x %d, %d spot(s)\n",
                      name.c_str(), im.Width, im.Height, im.Left, im.Top, im.Picture.width, im.Picture.height,
                      im.MaskPicture.width, im.MaskPicture.height, im.HotSpots.count());
        out += line;
        for (int i = 0; i < im.HotSpots.count(); ++i) {
            const media::TSpot& s = im.HotSpots.items[size_t(i)];
            const media::SpotRect b = s.bounds();
            std::snprintf(line, sizeof line, "    #%d %s id %d%s, bounds (%d, %d)-(%d, %d)", i, shapeName(s.Shape), s.Id,
                          s.Enabled ? "" : " disabled", b.left, b.top, b.right, b.bottom);
            out += line;
            if (s.maskItem) {
                std::snprintf(line, sizeof line, ", mask flags %d hot (%d, %d) down (%d, %d)", s.maskItem->state,
                              s.maskItem->hot.x, s.maskItem->hot.y, s.maskItem->down.x, s.maskItem->down.y);
                out += line;
            }
            out += s.Hint.empty() ? "\n" : ", hint \"" + s.Hint + "\"\n";
        }
    }
    return out;
}

std::string hotInfoJson(const std::string& fileName, const HotForm& form) {
    tools::Json j;
    j["file"] = tools::utf8Text(fileName);
    j["kind"] = "form";
    j["class"] = tools::utf8Text(form.root.header.className);
    j["hot_images"] = tools::Json::array();
    for (const auto& [name, im] : form.images) {
        tools::Json o;
        o["name"] = tools::utf8Text(name);
        o["width"] = im.Width;
        o["height"] = im.Height;
        o["picture_width"] = im.Picture.width;
        o["picture_height"] = im.Picture.height;
        o["mask_width"] = im.MaskPicture.width;
        o["mask_height"] = im.MaskPicture.height;
        o["spots"] = tools::Json::array();
        for (const media::TSpot& s : im.HotSpots.items) {
            tools::Json spot;
            spot["shape"] = shapeName(s.Shape);
            spot["id"] = s.Id;
            spot["enabled"] = s.Enabled;
            spot["hint"] = tools::utf8Text(s.Hint);
            spot["points"] = s.Points;
            if (s.maskItem) {
                spot["mask_flags"] = int{s.maskItem->state};
                spot["hot"] = {s.maskItem->hot.x, s.maskItem->hot.y};
                spot["down"] = {s.maskItem->down.x, s.maskItem->down.y};
            }
            o["spots"].push_back(spot);
        }
        j["hot_images"].push_back(o);
    }
    return tools::jsonLine(j) + "\n";
}

media::Bitmap spotOverview(const media::THotImage& image) {
    media::Bitmap out = image.Picture;
    media::THotImage probe = image;
    probe.onWindow = false;
    for (int i = 0; i < probe.HotSpots.count(); ++i) {
        probe.ShowSpotState(i, media::SpotState::Hot);
        const media::Bitmap& lit = probe.overlay();
        const media::SpotPoint at = probe.overlayPosition();
        for (int y = 0; y < lit.height; ++y)
            for (int x = 0; x < lit.width; ++x) out.pixel(at.x + x, at.y + y) = lit.pixel(x, y);
        probe.ShowSpotState(-1, media::SpotState::Hot);
    }
    // Outline: spot pixels with a neighbour outside the spot.
    for (const media::TSpot& s : image.HotSpots.items) {
        const media::SpotRect b = s.bounds();
        for (int y = std::max(0, b.top); y < std::min(out.height, b.bottom); ++y)
            for (int x = std::max(0, b.left); x < std::min(out.width, b.right); ++x)
                if (s.contains(x, y) && (!s.contains(x - 1, y) || !s.contains(x + 1, y) || !s.contains(x, y - 1) ||
                                         !s.contains(x, y + 1)))
                    out.pixel(x, y) = s.Enabled ? media::makeRgb(255, 0, 0) : media::makeRgb(128, 128, 128);
    }
    return out;
}

std::vector<NamedPicture> hotPictures(const HotForm& form) {
    std::vector<NamedPicture> out;
    for (const auto& [name, im] : form.images) {
        if (!im.Picture.empty()) out.push_back({name + "-picture", im.Picture});
        if (!im.MaskPicture.empty()) out.push_back({name + "-mask", im.MaskPicture});
        if (!im.Picture.empty()) out.push_back({name + "-spots", spotOverview(im)});
    }
    return out;
}

std::vector<std::string> exportHotPictures(const HotForm& form, const std::string& outDir) {
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    std::vector<std::string> written;
    const std::vector<NamedPicture> pictures = hotPictures(form);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const std::string path = (std::filesystem::path(outDir) / exportName(i, pictures[i].name, ".png")).string();
        writePng(path, pictures[i].bitmap);
        written.push_back(path);
    }
    return written;
}

}  // namespace orbigolf::assets
