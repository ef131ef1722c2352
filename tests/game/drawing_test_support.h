#pragma once
// Small pictures and picture lists made in the drawing tests, and pixel helpers.

#include <cstdint>
#include <vector>

#include "game/game_pictures.h"
#include "media/image_list.h"
#include "platform/display.h"

namespace orbigolf::testing {

using media::makeRgb;

// A w x h list item whose pixel (x, y) has colour(x, y) (0x00RRGGBB), cut into cells of
// pw x ph (0: whole picture), opaque unless `keyed` (the key then is black).
template <class F>
media::PictureListItem pictureItem(int w, int h, F colour, int pw = 0, int ph = 0, bool keyed = false) {
    media::Bitmap b = media::makeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.pixel(x, y) = colour(x, y);
    media::PictureListItem item;
    item.patternWidth = pw;
    item.patternHeight = ph;
    item.transparent = keyed;
    item.transparentColor = 0;
    item.setDib(b);
    return item;
}

inline media::PictureListItem solidItem(int w, int h, media::Rgb colour, int pw = 0, int ph = 0) {
    return pictureItem(w, h, [&](int, int) { return colour; }, pw, ph);
}

// A list of `count` one-pixel black pictures, so that later items can be set by index.
inline void fillList(TDXImageList& list, int count) {
    list.clear();
    for (int i = 0; i < count; ++i) list.add(solidItem(1, 1, 0));
}

inline void setItem(TDXImageList& list, int index, media::PictureListItem item) {
    list.item(index) = TPictureCollectionItem(std::move(item));
}

// A headless display of w x h pixels, initialised and cleared.
inline void initDisplay(platform::Display& d, int w, int h) {
    d.setMode(w, h);
    d.initialize();
    d.fill(0);
}

inline platform::Rgb at(const platform::Display& d, int x, int y) {
    return platform::fromRgb565(d.backBuffer().pixel(x, y));
}
inline platform::Pixel565 raw(const platform::Display& d, int x, int y) { return d.backBuffer().pixel(x, y); }

// Pixels of a row as RGB565 (for comparing whole rows).
inline std::vector<platform::Pixel565> rowOf(const platform::Display& d, int y) {
    std::vector<platform::Pixel565> r;
    for (int x = 0; x < d.width(); ++x) r.push_back(d.backBuffer().pixel(x, y));
    return r;
}

}  // namespace orbigolf::testing
