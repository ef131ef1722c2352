#include "game/scene_drawing.h"

#include <cstdlib>

#include "game/geometry.h"

namespace orbigolf {

using platform::BlendMode;
using platform::Rect;

void drawCoursePicture(platform::Display& d, const GameState& s, const GamePictures& p) {
    if (s.courseWidth < d.width() || s.courseHeight < d.height()) d.fill(0);
    if (const platform::Picture* course = pictureOf(p.course, 0)) d.drawFrame(*course, 0, -s.scrollX, -s.scrollY);
}

int pulseStrength(int32_t pulse) {
    if (pulse <= 0 || pulse >= 255) return 0;
    return 255 - std::abs(2 * pulse - 255);
}

void drawSpriteSlot(platform::Display& d, const GameState& s, const GamePictures& p, const spriterec& sp) {
    if (sp.x == 0 && sp.y == 0) return;
    const platform::Picture* pic = pictureOf(p.course, sp.image);
    if (pic == nullptr) return;
    const int frame = sp.tick / 4;
    const Rect at{screenCoord(int64_t{sp.x} - s.scrollX), screenCoord(int64_t{sp.y} - s.scrollY), pic->frameWidth(),
                  pic->frameHeight()};
    if (sp.blend == 0 && sp.pulse == 0) d.drawFrame(*pic, frame, at.x, at.y);
    // The modes are tested one after the other as the slot's fields say; a strength of
    // 0 or less draws nothing, so each slot shows at most its one blend.
    if (sp.blend <= 1 && sp.blend > INT32_MIN) d.drawFrameBlended(*pic, frame, at, BlendMode::Subtract, -sp.blend);
    if (sp.blend > 0) d.drawFrameBlended(*pic, frame, at, BlendMode::Add, sp.blend);
    if (sp.pulse > 0) {
        const int strength = pulseStrength(sp.pulse);
        if (strength > 0) d.drawFrameBlended(*pic, 0, at, BlendMode::Alpha, strength);
    }
}

void drawParticle(platform::Display& d, const GameState& s, const particlerec& pt) {
    if (!pt.active) return;
    const int x = screenCoord(roundWide(pt.x) - s.scrollX);
    const int y = screenCoord(roundWide(pt.y) - s.scrollY);
    const int lastX = screenCoord(roundWide(pt.lastX) - s.scrollX);
    const int lastY = screenCoord(roundWide(pt.lastY) - s.scrollY);
    const int air = screenCoord(int64_t{y} - roundWide(pt.z));
    const int lastAir = screenCoord(int64_t{lastY} - roundWide(pt.lastZ));
    const platform::Rgb colour = platform::rgbFromColorRef(static_cast<uint32_t>(pt.colour));
    platform::Canvas c = d.canvas();
    if (pt.shadow) {
        if (pt.dot) {
            c.setPixel(x, y, platform::Rgb{207, 130, 0});
        } else {
            c.setPenColor(platform::Rgb{53, 49, 11});
            c.moveTo(lastX, lastY);
            c.lineTo(x, y);
        }
    }
    if (pt.dot) {
        c.setPixel(x, air, colour);
    } else {
        c.setPenColor(colour);
        c.moveTo(lastX, lastAir);
        c.lineTo(x, air);
    }
}

}  // namespace orbigolf
