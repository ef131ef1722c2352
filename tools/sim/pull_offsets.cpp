#include "pull_offsets.h"

#include "game/geometry.h"

namespace orbigolf::sim {

PullOffsets::PullOffsets(int32_t ax, int32_t ay) {
    constexpr int32_t r = kMaxPull + 1;
    for (int32_t dy = -r; dy <= r; ++dy)
        for (int32_t dx = -r; dx <= r; ++dx) {
            const int32_t k = plainDist(ax, ay, ax + dx, ay + dy);
            if (k < kMinPull || k > kMaxPull) continue;
            // The club swings away from the pointer: the heading is the pull's direction
            // turned half a turn.
            const int32_t heading = floorMod(turnOf(ax + dx, ay + dy, ax, ay) + 128, 256);
            const double ex = dx - k * turnCos(heading - 128), ey = dy - k * turnSin(heading - 128);
            const double miss = ex * ex + ey * ey;
            Entry& e = table_[static_cast<size_t>(heading)][static_cast<size_t>(k)];
            if (!e.found || miss < e.miss) e = Entry{true, dx, dy, miss};
        }
}

std::optional<std::pair<int32_t, int32_t>> PullOffsets::offset(int32_t heading, int k) const {
    if (k < kMinPull || k > kMaxPull) return std::nullopt;
    const Entry& e = table_[static_cast<size_t>(floorMod(heading, 256))][static_cast<size_t>(k)];
    if (!e.found) return std::nullopt;
    return std::pair{e.dx, e.dy};
}

}  // namespace orbigolf::sim
