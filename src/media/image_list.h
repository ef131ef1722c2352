#pragma once
// TDXImageList: the library layer's picture list. It loads a picture list file and holds,
// per item, the decoded picture and the display's form of it (an RGB565 surface with the
// item's colour key, plus its frame cell rules), ready for Display::drawFrame.
//
// Items are addressed by position from 0. A picture can be replaced by a bitmap file (skins,
// ball textures) and read pixel by pixel.

#include <cstdint>
#include <string>
#include <vector>

#include "media/dib.h"
#include "media/picture_list_file.h"
#include "platform/frames.h"

namespace orbigolf {

class TPictureCollectionItem {
public:
    TPictureCollectionItem() = default;
    explicit TPictureCollectionItem(media::PictureListItem stored);

    const std::string& name() const { return stored_.name; }
    const media::PictureListItem& stored() const { return stored_; }

    // The picture's own size.
    int width() const { return bitmap_.width; }
    int height() const { return bitmap_.height; }
    // Frame size and count by the cell rules.
    int patternWidth() const { return prepared_.frameWidth(); }
    int patternHeight() const { return prepared_.frameHeight(); }
    int patternCount() const { return prepared_.frameCount(); }
    platform::Rect frameRect(int index) const { return prepared_.frameRect(index); }

    bool transparent() const { return stored_.transparent; }
    uint32_t transparentColor() const { return uint32_t(stored_.transparentColor); }

    // What the display draws from: surface with colour key, and cell rules.
    const platform::Picture& picture() const { return prepared_; }
    const media::Bitmap& bitmap() const { return bitmap_; }

    // The colour of a picture pixel as 0x00BBGGRR; 0xFFFFFFFF outside the picture.
    uint32_t pixel(int x, int y) const;
    // Sets a picture pixel (and its display pixel); outside the picture nothing happens.
    void setPixel(int x, int y, uint32_t colorRef);

    // A new picture, prepared for drawing again; the cell rules and colour key stay.
    void setPicture(const media::Bitmap& picture);
    // A BMP file; "Cannot open file <name>" or the bitmap's own error on failure, the item
    // then keeps its picture.
    void loadPictureFromFile(const std::string& fileName);

private:
    void prepare();

    media::PictureListItem stored_;
    media::Bitmap bitmap_;
    platform::Picture prepared_;
};

class TDXImageList {
public:
    // Replaces all items with those of a picture list file. A file that cannot be opened
    // leaves the list as it was; a damaged one leaves the items read completely before the
    // fault. Either way the MediaError goes to the caller.
    void loadFromFile(const std::string& fileName);

    int count() const { return static_cast<int>(items_.size()); }
    // "List index out of bounds (<index>)" outside 0..count-1.
    TPictureCollectionItem& item(int index);
    const TPictureCollectionItem& item(int index) const;
    // The first item with this name, or nullptr.
    TPictureCollectionItem* find(const std::string& name);

    void clear() { items_.clear(); }
    void add(media::PictureListItem stored) { items_.emplace_back(std::move(stored)); }

private:
    std::vector<TPictureCollectionItem> items_;
};

}  // namespace orbigolf
