#include "media/image_list.h"

#include <algorithm>

#include "media/media_error.h"
#include "platform/surface.h"

namespace orbigolf {

TPictureCollectionItem::TPictureCollectionItem(media::PictureListItem stored)
    : stored_(std::move(stored)), bitmap_(std::move(stored_.bitmap)) {
    stored_.bitmap = media::Bitmap{};
    prepare();
}

TPictureCollectionItem::TPictureCollectionItem(media::DisplayListItem item)
    : stored_(std::move(item.stored)), exact_(false) {
    stored_.pictureData = media::Bytes{};
    stored_.bitmap = media::Bitmap{};
    takeSurface(std::move(item.surface));
}

void TPictureCollectionItem::prepare() {
    platform::Surface surface(bitmap_.width, bitmap_.height);
    for (int y = 0; y < bitmap_.height; ++y) {
        platform::Pixel565* row = surface.row(y);
        const media::Rgb* src = &bitmap_.pixels[size_t(y) * size_t(bitmap_.width)];
        for (int x = 0; x < bitmap_.width; ++x) {
            const media::Rgb c = src[x];
            row[x] = platform::toRgb565(media::redOf(c), media::greenOf(c), media::blueOf(c));
        }
    }
    takeSurface(std::move(surface));
}

void TPictureCollectionItem::takeSurface(platform::Surface surface) {
    surface.setTransparent(stored_.transparent);
    surface.setTransparentColor(uint32_t(stored_.transparentColor));
    prepared_.surface = std::move(surface);
    prepared_.layout = platform::FrameLayout{stored_.patternWidth, stored_.patternHeight,
                                             stored_.skipWidth, stored_.skipHeight};
}

uint32_t TPictureCollectionItem::pixel(int x, int y) const {
    if (!prepared_.surface.contains(x, y)) return 0xFFFFFFFFu;
    if (exact_) return media::colorRefFromRgb(bitmap_.pixel(x, y));
    return platform::colorRefFromRgb(platform::fromRgb565(prepared_.surface.pixel(x, y)));
}

void TPictureCollectionItem::setPixel(int x, int y, uint32_t colorRef) {
    if (!prepared_.surface.contains(x, y)) return;
    const media::Rgb c = media::rgbFromColorRef(colorRef & 0xFFFFFFu);
    if (exact_) bitmap_.pixel(x, y) = c;
    prepared_.surface.setPixel(x, y, platform::toRgb565(media::redOf(c), media::greenOf(c), media::blueOf(c)));
}

void TPictureCollectionItem::setPicture(const media::Bitmap& picture) {
    bitmap_ = picture;
    prepare();
    if (!exact_) bitmap_ = media::Bitmap{};
}

void TPictureCollectionItem::copyPicture(const TPictureCollectionItem& from) {
    if (exact_ && from.exact_) {
        setPicture(from.bitmap_);
        return;
    }
    // The display's pixels are all that one of the two keeps: they are what the other
    // would have made of the exact picture.
    if (exact_) {
        bitmap_ = media::Bitmap{};
        exact_ = false;
    }
    platform::Surface surface(from.width(), from.height());
    const auto src = from.prepared_.surface.pixels();
    std::copy(src.begin(), src.end(), surface.pixels().begin());
    takeSurface(std::move(surface));
}

void TPictureCollectionItem::loadPictureFromFile(const std::string& fileName) {
    if (exact_) {
        setPicture(media::loadBmpFile(fileName));
    } else {
        takeSurface(media::decodeBmpSurface(media::readFileBytes(fileName)));
    }
}

void TDXImageList::loadFromFile(const std::string& fileName, PictureColours colours) {
    std::vector<TPictureCollectionItem> items;
    media::withFileBytes(fileName, [&](media::ByteView bytes) {
        items_.clear();
        if (colours == PictureColours::Display) {
            std::vector<media::DisplayListItem> read;
            try {
                media::readPictureListForDisplay(bytes, read);
            } catch (...) {
                for (auto& it : read) items_.emplace_back(std::move(it));
                throw;
            }
            items.reserve(read.size());
            for (auto& it : read) items.emplace_back(std::move(it));
        } else {
            media::PictureListFile file;
            try {
                media::readPictureList(bytes, file);
            } catch (...) {
                for (auto& stored : file.items) add(std::move(stored));
                throw;
            }
            items.reserve(file.items.size());
            for (auto& stored : file.items) items.emplace_back(std::move(stored));
        }
    });
    items_ = std::move(items);
}

TPictureCollectionItem& TDXImageList::item(int index) {
    if (index < 0 || index >= count()) {
        throw media::MediaError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return items_[size_t(index)];
}

const TPictureCollectionItem& TDXImageList::item(int index) const {
    return const_cast<TDXImageList*>(this)->item(index);
}

TPictureCollectionItem* TDXImageList::find(const std::string& name) {
    for (auto& it : items_) {
        if (it.name() == name) return &it;
    }
    return nullptr;
}

}  // namespace orbigolf
