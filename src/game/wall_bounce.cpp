#include "game/wall_bounce.h"

#include "game/course_items.h"
#include "game/effect_ring.h"
#include "game/geometry.h"
#include "game/sound_ids.h"

namespace orbigolf {

namespace {

struct ArrivalRow {
    int32_t upTo;  // folded heading h up to and including this value
    int32_t angle19;
    int32_t angle109;
};

constexpr ArrivalRow kArrivalTable[] = {
    {8, 32, 96},    {16, 38, 102},  {24, 45, 109},  {32, 42, 107},   {40, 39, 104},
    {48, 37, 102},  {56, 34, 99},   {72, 32, 96},   {80, 29, 94},    {88, 26, 91},
    {96, 24, 89},   {104, 21, 86},  {112, 19, 83},  {120, 26, 90},   {128, 32, 96},
};

}  // namespace

int32_t arrivalWallAngle(int32_t a, int32_t heading) {
    if (a != 19 && a != 109) return a;
    int32_t h = angleMod(heading);
    if (h > 128) h -= 128;
    for (const ArrivalRow& row : kArrivalTable) {
        if (h <= row.upTo) return a == 19 ? row.angle19 : row.angle109;
    }
    return a;  // not reached: h lies in 0..128
}

void wallBounce(GameState& s, int32_t a, int player, Effects& fx) {
    playerrec& b = s.playerRecs[player];
    if (b.z > 10) {
        const int64_t ex = roundWide(b.x) - 30;
        const int64_t ey = roundWide(b.y) - roundWide(b.z) - 30;
        if (a == 0) addEffect(s, ex, ey, picture::kImpact0, 192);
        if (a == 19) addEffect(s, ex, ey, picture::kImpact19, 192);
        if (a == 109) addEffect(s, ex, ey, picture::kImpact109, 192);
        playGameSound(s, fx, sound::kWallInFlight);
    } else {
        playGameSound(s, fx, sound::kKnock);
    }
    const int32_t used = arrivalWallAngle(a, b.heading);
    b.heading = wrapInt(-2 * int64_t{used} - b.heading);
    b.bounced = 1;
}

}  // namespace orbigolf
