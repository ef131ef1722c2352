#pragma once
// Where the pointer goes for a pull putt: the putting control takes the heading and the
// strength from the pointer's whole-pixel offset to the anchor, so not every heading can
// be struck with every strength. This table holds, for each heading 0..255 and each pull
// of k pixels (speed k/40), the offset that gives it, if any.

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace orbigolf::sim {

class PullOffsets {
public:
    static constexpr int kMinPull = 4;
    static constexpr int kMaxPull = 160;

    // Offsets from the anchor (ax, ay), where the putting control measures from.
    PullOffsets(int32_t ax, int32_t ay);

    // The pointer offset that aims at `heading` (taken mod 256) with a pull of k pixels.
    std::optional<std::pair<int32_t, int32_t>> offset(int32_t heading, int k) const;
    bool reachable(int32_t heading, int k) const { return offset(heading, k).has_value(); }

private:
    struct Entry {
        bool found = false;
        int32_t dx = 0, dy = 0;
        double miss = 0;  // squared distance from the exact offset; the nearest one is kept
    };
    std::array<std::array<Entry, kMaxPull + 1>, 256> table_{};
};

}  // namespace orbigolf::sim
