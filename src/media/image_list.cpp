#include "media/image_list.h"

#include "media/file_read.h"
#include "platform/surface.h"

namespace orbigolf {

TPictureCollectionItem::TPictureCollectionItem(media::PictureListItem stored)
    : stored_(std::move(stored)), bitmap_(std::move(stored_.bitmap)) {
    stored_.bitmap = media::Bitmap{};
    prepare();
}

void TPictureCollectionItem::prepare() {
    platform::Surface surface(bitmap_.width, bitmap_.height);
    for (int y = 0; y < bitmap_.height; ++y) {
        platform::Pixel565* row = surface.row(y);
        for (int x = 0; x < bitmap_.width; ++x) {
            const media::Rgb c = bitmap_.pixel(x, y);
            row[x] = platform::toRgb565(media::redOf(c), media::greenOf(c), media::blueOf(c));
        }
    }
    surface.setTransparent(stored_.transparent);
    surface.setTransparentColor(uint32_t(stored_.transparentColor));
    prepared_.surface = std::move(surface);
    prepared_.layout = platform::FrameLayout{stored_.patternWidth, stored_.patternHeight,
                                             stored_.skipWidth, stored_.skipHeight};
}

uint32_t TPictureCollectionItem::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= bitmap_.width || y >= bitmap_.height) return 0xFFFFFFFFu;
    return media::colorRefFromRgb(bitmap_.pixel(x, y));
}

void TPictureCollectionItem::setPixel(int x, int y, uint32_t colorRef) {
    if (x < 0 || y < 0 || x >= bitmap_.width || y >= bitmap_.height) return;
    const media::Rgb c = media::rgbFromColorRef(colorRef & 0xFFFFFFu);
    bitmap_.pixel(x, y) = c;
    prepared_.surface.setPixel(x, y, platform::toRgb565(media::redOf(c), media::greenOf(c), media::blueOf(c)));
}

void TPictureCollectionItem::setPicture(const media::Bitmap& picture) {
    bitmap_ = picture;
    prepare();
}

void TPictureCollectionItem::loadPictureFromFile(const std::string& fileName) {
    setPicture(media::loadBmpFile(fileName));
}

void TDXImageList::loadFromFile(const std::string& fileName) {
    const media::Bytes bytes = media::readFileBytes(fileName);
    items_.clear();
    media::PictureListFile file;
    try {
        media::readPictureList(bytes, file);
    } catch (...) {
        for (auto& stored : file.items) add(std::move(stored));
        throw;
    }
    for (auto& stored : file.items) add(std::move(stored));
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
