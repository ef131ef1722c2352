#pragma once
// TDXImageList: the library layer's picture list. It loads a picture list file and holds,
// per item, the decoded picture and the display's form of it (an RGB565 surface with the
// item's colour key, plus its frame cell rules), ready for Display::drawFrame.
//
// Items are addressed by position from 0. A picture can be replaced by a bitmap file (skins,
// ball textures) and read pixel by pixel.
//
// A list read for display only (PictureColours::Display, what the game uses) holds just the
// display's 16-bit pixels of each picture: neither the file's picture data nor a 32-bit copy
// stays in memory. A list read with exact colours also keeps the 24-bit pictures, for tools
// and tests that look at the art's own colours.

#include <cstdint>
#include <string>
#include <vector>

#include "media/dib.h"
#include "media/picture_list_file.h"
#include "platform/frames.h"

namespace orbigolf {

// What a picture list keeps of its pictures (see above).
enum class PictureColours { Display, Exact };

class TPictureCollectionItem {
public:
    TPictureCollectionItem() = default;
    // An item with exact colours (the stored item's bitmap), prepared for drawing.
    explicit TPictureCollectionItem(media::PictureListItem stored);
    // An item for display only, from a list read with readPictureListForDisplay.
    explicit TPictureCollectionItem(media::DisplayListItem item);

    const std::string& name() const { return stored_.name; }
    const media::PictureListItem& stored() const { return stored_; }

    // The picture's own size.
    int width() const { return prepared_.surface.width(); }
    int height() const { return prepared_.surface.height(); }
    bool exactColours() const { return exact_; }
    // Frame size and count by the cell rules.
    int patternWidth() const { return prepared_.frameWidth(); }
    int patternHeight() const { return prepared_.frameHeight(); }
    int patternCount() const { return prepared_.frameCount(); }
    platform::Rect frameRect(int index) const { return prepared_.frameRect(index); }

    bool transparent() const { return stored_.transparent; }
    uint32_t transparentColor() const { return uint32_t(stored_.transparentColor); }

    // What the display draws from: surface with colour key, and cell rules.
    const platform::Picture& picture() const { return prepared_; }
    // The exact picture; empty for an item kept for display only.
    const media::Bitmap& bitmap() const { return bitmap_; }

    // The colour of a picture pixel as 0x00BBGGRR (for display only items, the colour the
    // display shows); 0xFFFFFFFF outside the picture.
    uint32_t pixel(int x, int y) const;
    // Sets a picture pixel (and its display pixel); outside the picture nothing happens.
    void setPixel(int x, int y, uint32_t colorRef);

    // A new picture, prepared for drawing again; the cell rules and colour key stay.
    void setPicture(const media::Bitmap& picture);
    // Another item's picture, as setPicture would take it.
    void copyPicture(const TPictureCollectionItem& from);
    // A BMP file; "Cannot open file <name>" or the bitmap's own error on failure, the item
    // then keeps its picture.
    void loadPictureFromFile(const std::string& fileName);

private:
    void prepare();
    // Takes a surface as this item's picture, with the item's colour key and cell rules.
    void takeSurface(platform::Surface surface);

    media::PictureListItem stored_;
    bool exact_ = true;
    media::Bitmap bitmap_;  // exact items only
    platform::Picture prepared_;
};

class TDXImageList {
public:
    // Replaces all items with those of a picture list file. A file that cannot be opened
    // leaves the list as it was; a damaged one leaves the items read completely before the
    // fault. Either way the MediaError goes to the caller.
    void loadFromFile(const std::string& fileName, PictureColours colours = PictureColours::Exact);

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
