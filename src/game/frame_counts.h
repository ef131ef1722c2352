#pragma once
// How many frames each picture of the hole's list has. A sprite slot's animation and a
// mote's cycle end after the last frame, so the state steps need the counts, but not the
// pictures: the game reads them from the loaded list, the headless player from the
// hole's picture file when it can read it.

#include <cstdint>
#include <vector>

#include "game/game_pictures.h"

namespace orbigolf {

class FrameCounts {
public:
    virtual ~FrameCounts() = default;
    virtual int32_t framesOf(int32_t image) const = 0;
};

// The counts of a picture list as it is now (the list may be reloaded between calls). A
// picture number outside the list, or no list, has no frames.
class ListFrameCounts final : public FrameCounts {
public:
    explicit ListFrameCounts(const TDXImageList* list) : list_(list) {}
    int32_t framesOf(int32_t image) const override {
        const platform::Picture* pic = pictureOf(list_, image);
        return pic != nullptr ? pic->frameCount() : 0;
    }

private:
    const TDXImageList* list_;
};

// Counts kept as numbers, taken from a list that need not stay loaded.
class StoredFrameCounts final : public FrameCounts {
public:
    StoredFrameCounts() = default;
    explicit StoredFrameCounts(const TDXImageList& list) {
        for (int i = 0; i < list.count(); ++i) counts_.push_back(list.item(i).picture().frameCount());
    }
    int32_t framesOf(int32_t image) const override {
        return image >= 0 && static_cast<size_t>(image) < counts_.size() ? counts_[static_cast<size_t>(image)] : 0;
    }

private:
    std::vector<int32_t> counts_;
};

// Without pictures every picture counts as one frame.
class OneFrameEach final : public FrameCounts {
public:
    int32_t framesOf(int32_t) const override { return 1; }
};

}  // namespace orbigolf
