#include "frontend/menu_spots.h"

namespace orbigolf::frontend {

std::vector<media::TSpot> launchPadMenuSpots() {
    using media::TSpot;
    std::vector<TSpot> spots;
    spots.push_back(TSpot::ellipse({115, 69, 182, 136}));
    spots.push_back(TSpot::polygon({{173, 71}, {187, 88}, {288, 88}, {292, 79}, {284, 72}, {191, 69}}));
    spots.push_back(TSpot::polygon({{187, 91}, {189, 109}, {259, 109}, {278, 99}, {286, 91}}));
    spots.push_back(
        TSpot::polygon({{176, 131}, {183, 122}, {187, 113}, {259, 111}, {236, 121}, {205, 128}, {187, 131}}));
    for (size_t i = 0; i < spots.size(); ++i) {
        spots[i].Id = static_cast<int32_t>(i) + 1;
        const media::SpotRect b = spots[i].bounds();
        spots[i].maskItem = media::MaskItem{media::kMaskHot, {b.left, b.top}, {0, 0}};
    }
    return spots;
}

}  // namespace orbigolf::frontend
