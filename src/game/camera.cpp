#include "game/camera.h"

#include <cstdlib>

#include "game/geometry.h"

namespace orbigolf {
namespace {

int32_t clampView(int64_t v) {
    return static_cast<int32_t>(v < INT32_MIN / 2 ? INT32_MIN / 2 : (v > INT32_MAX / 2 ? INT32_MAX / 2 : v));
}

// The ball the view follows: the current player's, unless it lies still outside the cup
// while another ball moves; then the highest-numbered moving one.
int followedPlayer(const GameState& s) {
    if (!OneBased<playerrec, kMaxPlayers>::inRange(s.curPlayer)) return 0;
    const playerrec& cur = s.playerRecs[s.curPlayer];
    if (cur.moving || cur.sunk) return s.curPlayer;
    int followed = s.curPlayer;
    for (int p = 1; p <= s.numPlayers && p <= kMaxPlayers; ++p)
        if (s.playerRecs[p].moving) followed = p;
    return followed;
}

}  // namespace

void glideToBall(GameState& s, int screenW, int screenH) {
    if (!s.recentre || !OneBased<playerrec, kMaxPlayers>::inRange(s.curPlayer)) return;
    const playerrec& b = s.playerRecs[s.curPlayer];
    const int64_t tx = clampView(roundWide(b.x - screenW / 2.0));
    const int64_t ty = clampView(roundWide(b.y - screenH / 2.0));
    s.scrollX = clampView((3 * int64_t{s.scrollX} + tx) / 4);
    s.scrollY = clampView((3 * int64_t{s.scrollY} + ty) / 4);
    const int64_t dx = s.scrollX - tx, dy = s.scrollY - ty;
    const int32_t dist = plainDist(s.scrollX, s.scrollY, static_cast<int32_t>(tx), static_cast<int32_t>(ty));
    const int64_t maxX = int64_t{s.courseWidth} - screenW, maxY = int64_t{s.courseHeight} - screenH;
    const bool xPinned = !(s.scrollX > 0 && s.scrollX < maxX);
    const bool yPinned = !(s.scrollY > 0 && s.scrollY < maxY);
    if (dist < 4 || (xPinned && std::llabs(dy) < 4) ||
        (yPinned && std::llabs(dx) < 4) || (s.scrollX == s.lastScrollX && s.scrollY == s.lastScrollY))
        s.recentre = 0;
    s.lastScrollX = s.scrollX;
    s.lastScrollY = s.scrollY;
}

void followPlay(GameState& s, int screenW, int screenH) {
    const int p = followedPlayer(s);
    if (p == 0) return;
    const playerrec& b = s.playerRecs[p];
    const int64_t bx = roundWide(b.x);
    const int64_t by = roundWide(b.y - b.z);
    if (bx - s.scrollX < 128) s.scrollX = clampView(bx - 128);
    if (by - s.scrollY < 128) s.scrollY = clampView(by - 128);
    if (bx - s.scrollX >= screenW - 128) s.scrollX = clampView(bx - (screenW - 128));
    if (by - s.scrollY >= screenH - 128) s.scrollY = clampView(by - (screenH - 128));
}

void freeScroll(GameState& s, int screenW, int screenH) {
    const int32_t step = s.substeps;
    if (s.mouseX > screenW - 4 || s.keyRight) s.scrollVX += 4 * step;
    if (s.mouseY > screenH - 4 || s.keyDown) s.scrollVY += 4 * step;
    if (s.mouseX < 4 || s.keyLeft) s.scrollVX -= 4 * step;
    if (s.mouseY < 4 || s.keyUp) s.scrollVY -= 4 * step;
    // Braking runs as two separate steps, so a small positive speed loses 2s and then,
    // being negative, gains it back.
    if (s.scrollVY > 0) s.scrollVY -= 2 * step;
    if (s.scrollVY < 0) s.scrollVY += 2 * step;
    if (s.scrollVX > 0) s.scrollVX -= 2 * step;
    if (s.scrollVX < 0) s.scrollVX += 2 * step;
    const int32_t limit = 64 * step;
    if (s.scrollVX > limit) s.scrollVX = limit;
    if (s.scrollVX < -limit) s.scrollVX = -limit;
    if (s.scrollVY > limit) s.scrollVY = limit;
    if (s.scrollVY < -limit) s.scrollVY = -limit;
    s.scrollX = clampView(int64_t{s.scrollX} + s.scrollVX / 8);
    s.scrollY = clampView(int64_t{s.scrollY} + s.scrollVY / 8);
}

bool limitView(GameState& s, int screenW, int screenH) {
    const int64_t maxX = int64_t{s.courseWidth} - screenW, maxY = int64_t{s.courseHeight} - screenH;
    if (s.scrollX < 0) s.scrollX = 0;
    if (s.scrollY < 0) s.scrollY = 0;
    if (s.scrollX > maxX) s.scrollX = clampView(maxX);
    if (s.scrollY > maxY) s.scrollY = clampView(maxY);
    bool uncovered = false;
    if (s.courseWidth < screenW) {
        s.scrollX = clampView(maxX / 2);
        uncovered = true;
    }
    if (s.courseHeight < screenH) {
        s.scrollY = clampView(maxY / 2);
        uncovered = true;
    }
    return uncovered;
}

bool moveView(GameState& s, int screenW, int screenH) {
    glideToBall(s, screenW, screenH);
    if (s.anyMoving || s.puttPhase != PuttPhase::Idle || s.recentre)
        followPlay(s, screenW, screenH);
    else
        freeScroll(s, screenW, screenH);
    return limitView(s, screenW, screenH);
}

}  // namespace orbigolf
