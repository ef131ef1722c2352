#pragma once
// The three picture lists the game screen draws from, and checked access to their items:
// picture numbers come from hole files and sprite slots, so an index outside a list draws
// nothing instead of failing.

#include <cstdint>

#include "media/image_list.h"
#include "platform/frames.h"

namespace orbigolf {

struct GamePictures {
    const TDXImageList* gui = nullptr;     // interface pictures, fonts, ball textures
    const TDXImageList* menu = nullptr;    // big font, help pages, score card
    const TDXImageList* course = nullptr;  // the current hole's pictures
};

// Item `index` of `list` as the display draws it; nullptr for no list or an index
// outside it.
inline const platform::Picture* pictureOf(const TDXImageList* list, int64_t index) {
    if (list == nullptr || index < 0 || index >= list->count()) return nullptr;
    return &list->item(static_cast<int>(index)).picture();
}

// Screen coordinates worked out from course positions can be far outside any screen;
// clamping them keeps the display's own arithmetic away from overflow.
inline int screenCoord(int64_t v) {
    constexpr int64_t kLimit = int64_t{1} << 24;
    return static_cast<int>(v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v));
}

}  // namespace orbigolf
