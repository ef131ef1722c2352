#include "platform/frames.h"

#include <algorithm>
#include <limits>

namespace orbigolf::platform {
namespace {

// Cell size along one axis: the stored size, the picture's when 0, none when negative.
int64_t cellSize(int32_t stored, int pictureSize) {
    if (stored < 0) return 0;
    return stored == 0 ? pictureSize : stored;
}

// Cells along one axis: (picture + skip) div (cell + skip), counted only when the step is
// positive and the cells fit in the picture.
int64_t cellsAlong(int32_t stored, int32_t skip, int pictureSize) {
    const int64_t cell = cellSize(stored, pictureSize);
    if (cell <= 0 || pictureSize <= 0) return 0;
    const int64_t step = cell + skip;
    if (step <= 0) return 0;
    const int64_t span = static_cast<int64_t>(pictureSize) + skip;
    if (span < cell) return 0;
    return span / step;
}

}  // namespace

int FrameLayout::frameWidth(int pictureWidth) const {
    return static_cast<int>(std::min<int64_t>(cellSize(patternWidth, pictureWidth), std::numeric_limits<int>::max()));
}

int FrameLayout::frameHeight(int pictureHeight) const {
    return static_cast<int>(
        std::min<int64_t>(cellSize(patternHeight, pictureHeight), std::numeric_limits<int>::max()));
}

int FrameLayout::columns(int pictureWidth) const {
    return static_cast<int>(cellsAlong(patternWidth, skipWidth, pictureWidth));
}

int FrameLayout::rows(int pictureHeight) const {
    return static_cast<int>(cellsAlong(patternHeight, skipHeight, pictureHeight));
}

int FrameLayout::frameCount(int pictureWidth, int pictureHeight) const {
    const int64_t count = static_cast<int64_t>(columns(pictureWidth)) * rows(pictureHeight);
    return static_cast<int>(std::min<int64_t>(count, std::numeric_limits<int>::max()));
}

Rect FrameLayout::frameRect(int index, int pictureWidth, int pictureHeight) const {
    const int cols = columns(pictureWidth);
    if (index < 0 || index >= frameCount(pictureWidth, pictureHeight)) return Rect{};
    const int64_t w = cellSize(patternWidth, pictureWidth);
    const int64_t h = cellSize(patternHeight, pictureHeight);
    const int64_t col = index % cols;
    const int64_t row = index / cols;
    return Rect{static_cast<int>((w + skipWidth) * col), static_cast<int>((h + skipHeight) * row),
                static_cast<int>(w), static_cast<int>(h)};
}

}  // namespace orbigolf::platform
