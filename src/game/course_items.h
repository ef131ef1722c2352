#pragma once
// Pictures of a hole's picture list (".dxg") that the rules and the drawing
// name, and the sprite slots the rules use by number.

#include <cstdint>

namespace orbigolf {

namespace picture {
constexpr int32_t kCourse = 0;          // the course picture
constexpr int32_t kForeground = 1;      // what covers a ball behind it, in 24 x 24 cells
constexpr int32_t kCupLip = 2;          // the cup's front edge over a sinking ball
constexpr int32_t kExplosion = 3;       // eruption and blast
constexpr int32_t kSplash = 4;          // a ball sinking in water
constexpr int32_t kCannonFlash = 5;
constexpr int32_t kBonusSparkle = 7;    // the bonus stroke pick-up
constexpr int32_t kRoughDust = 8;       // rough ground, the construction worker
constexpr int32_t kTeleportFlash = 13;  // teleport and re-drop
constexpr int32_t kImpact109 = 15;      // a wall hit in flight, by wall angle
constexpr int32_t kImpact19 = 14;
constexpr int32_t kImpact0 = 16;
}  // namespace picture

namespace slot {
constexpr int kSplash = 32;            // the splash of a sinking ball
constexpr int kBonusPickUpGlow = 36;   // the pick-up's animations, cleared when it is taken
constexpr int kBonusPickUpShine = 37;
}  // namespace slot

}  // namespace orbigolf
