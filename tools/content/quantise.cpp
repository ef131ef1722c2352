#include "quantise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <unordered_map>

namespace orbigolf::content {

namespace {

struct Entry {
    std::array<int, 3> c;
    uint64_t count;
};

struct Box {
    std::vector<Entry> entries;
    uint64_t weight() const {
        uint64_t w = 0;
        for (const Entry& e : entries) w += e.count;
        return w;
    }
    // The channel with the widest range and that range.
    std::pair<int, int> widest() const {
        int best = 0, range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Entry& e : entries) {
                lo = std::min(lo, e.c[size_t(ch)]);
                hi = std::max(hi, e.c[size_t(ch)]);
            }
            if (hi - lo > range) {
                range = hi - lo;
                best = ch;
            }
        }
        return {best, range};
    }
};

}  // namespace

IndexedPicture quantise(const media::Bitmap& picture, int maxColours) {
    std::map<media::Rgb, uint64_t> histogram;
    for (media::Rgb p : picture.pixels) ++histogram[p];
    std::vector<Box> boxes(1);
    for (const auto& [rgb, n] : histogram)
        boxes[0].entries.push_back({{media::redOf(rgb), media::greenOf(rgb), media::blueOf(rgb)}, n});

    // Split the box with the widest colour range (weighted by its pixels) at its median.
    while (static_cast<int>(boxes.size()) < maxColours) {
        int pick = -1;
        double score = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].entries.size() < 2) continue;
            const double s = boxes[i].widest().second * std::sqrt(static_cast<double>(boxes[i].weight()));
            if (s > score) {
                score = s;
                pick = static_cast<int>(i);
            }
        }
        if (pick < 0) break;
        Box& box = boxes[size_t(pick)];
        const int ch = box.widest().first;
        std::stable_sort(box.entries.begin(), box.entries.end(),
                         [ch](const Entry& a, const Entry& b) { return a.c[size_t(ch)] < b.c[size_t(ch)]; });
        const uint64_t half = box.weight() / 2;
        uint64_t run = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
            run += box.entries[i].count;
            cut = i + 1;
            if (run >= half) break;
        }
        Box upper;
        upper.entries.assign(box.entries.begin() + std::ptrdiff_t(cut), box.entries.end());
        box.entries.resize(cut);
        boxes.push_back(std::move(upper));
    }

    IndexedPicture out;
    out.width = picture.width;
    out.height = picture.height;
    for (const Box& b : boxes) {
        double sum[3] = {0, 0, 0};
        const double w = static_cast<double>(b.weight());
        for (const Entry& e : b.entries)
            for (size_t ch = 0; ch < 3; ++ch) sum[ch] += e.c[ch] * static_cast<double>(e.count);
        auto level = [&](size_t ch) { return static_cast<uint8_t>(std::clamp(std::nearbyint(sum[ch] / w), 0.0, 255.0)); };
        out.palette.push_back(media::makeRgb(level(0), level(1), level(2)));
    }
    std::unordered_map<media::Rgb, uint8_t> nearest;
    for (const auto& [rgb, n] : histogram) {
        int best = 0;
        long bestDistance = -1;
        for (size_t i = 0; i < out.palette.size(); ++i) {
            const long dr = long(media::redOf(rgb)) - media::redOf(out.palette[i]);
            const long dg = long(media::greenOf(rgb)) - media::greenOf(out.palette[i]);
            const long db = long(media::blueOf(rgb)) - media::blueOf(out.palette[i]);
            const long d = 2 * dr * dr + 4 * dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = static_cast<int>(i);
            }
        }
        nearest[rgb] = static_cast<uint8_t>(best);
    }
    out.indices.reserve(picture.pixels.size());
    for (media::Rgb p : picture.pixels) out.indices.push_back(nearest[p]);
    return out;
}

}  // namespace orbigolf::content
