#include "game/putting.h"

#include <algorithm>

#include "game/geometry.h"
#include "game/picture_numbers.h"
#include "game/sound_ids.h"
#include "game/stroke.h"

namespace orbigolf {
namespace {

using platform::MouseButton;

void click(const GameState& s, Effects& fx) { playGameSound(s, fx, sound::kClick); }

void stepAimFrame(GameState& s) {
    s.aimFrame += 1;
    if (s.aimFrame > 9) s.aimFrame = 0;
}

int32_t poseOf(int32_t heading) { return floorMod(wrapInt(int64_t{128} - heading), 256) / 8; }

// Screen position of a course point `dist` along `heading` from the ball.
int64_t alongX(const GameState& s, const playerrec& b, double dist) {
    return roundWide(b.x + turnCos(b.heading) * dist) - s.scrollX;
}
int64_t alongY(const GameState& s, const playerrec& b, double dist) {
    return roundWide(b.y + turnSin(b.heading) * dist) - s.scrollY;
}

// What the aim marker, the club and the gauge show, noted as the step reaches them.
void noteMarker(PuttDrawing& g, const GameState& s, const playerrec& b, double t) {
    g.marker = true;
    g.markerX = screenCoord(alongX(s, b, t) - 16);
    g.markerY = screenCoord(alongY(s, b, t) - 13);
    g.markerFrame = s.aimFrame / 3;
}

// The club's shadow and the club, `behind` pixels behind the ball.
void noteClub(PuttDrawing& g, const GameState& s, const playerrec& b, double behind, int32_t pose) {
    g.club = true;
    g.clubX = screenCoord(alongX(s, b, -behind) - 47);
    g.clubY = screenCoord(alongY(s, b, -behind) - 125);
    g.clubPose = pose;
}

void noteGauge(PuttDrawing& g, const GameState& s, const playerrec& b, double t) {
    if (s.swingLeft > 0) return;
    g.gauge = true;
    g.gaugePattern = roundInt(b.speed / 3);
    g.gaugeX = screenCoord(alongX(s, b, t) - 47);
    g.gaugeY = screenCoord(alongY(s, b, t) - 56);
}

double markerDistance(const playerrec& b) {
    double t = 75;
    if (b.easyTarget) {
        const int32_t far = roundInt(b.speed * 2.25);
        if (far > 75) t = far;
    }
    return t;
}

void pullTick(GameState& s, Effects& fx, PuttDrawing& g) {
    playerrec& b = s.playerRecs[s.curPlayer];
    if (s.puttPhase == PuttPhase::Aiming) {
        stepAimFrame(s);
        b.heading = turnOf(s.mouseX, s.mouseY, s.dropX, s.dropY) + 128;
        b.speed = std::min(plainDist(s.dropX, s.dropY, s.mouseX, s.mouseY) / 2.0, 90.0);
        const int32_t pose = poseOf(b.heading);
        const double t = markerDistance(b);
        noteMarker(g, s, b, t);
        noteClub(g, s, b, b.speed, pose);
        noteGauge(g, s, b, t);
    } else if (s.puttPhase == PuttPhase::Swinging) {
        s.swingLeft -= s.swingStep;
        s.swingStep += 2;
        noteClub(g, s, b, s.swingLeft, poseOf(b.heading));
        if (s.swingLeft <= 0) {
            b.speed = std::min(b.speed, 4.0);
            commonStrokeSteps(s, true, fx);
        }
    }
}

double clampPower(double v) { return std::clamp(v, 5.0, 90.0); }

void pushTick(GameState& s, Effects& fx, PuttDrawing& g) {
    playerrec& b = s.playerRecs[s.curPlayer];
    const PuttPhase phase = s.puttPhase;
    if (phase == PuttPhase::Aiming) {
        stepAimFrame(s);
        b.heading = wrapInt(int64_t{s.dropX} - s.mouseX + 128);
        const int32_t pose = floorMod((s.mouseX - s.dropX) >> 3, 32);
        noteMarker(g, s, b, 75);
        noteClub(g, s, b, 12, pose);
    } else if (phase == PuttPhase::BackswingSet) {
        stepAimFrame(s);
        s.pushPower = clampPower((s.mouseY - s.dropY) / 2.0);
        b.speed = s.pushPower;
        noteMarker(g, s, b, 75);
        noteClub(g, s, b, b.speed, poseOf(b.heading));
        noteGauge(g, s, b, 75);
    } else if (phase == PuttPhase::Swinging) {
        s.pushPower = 0;
        stepAimFrame(s);
        b.speed = clampPower((s.mouseY - s.dropY) / 2.0);
        noteMarker(g, s, b, 75);
        noteClub(g, s, b, b.speed, poseOf(b.heading));
        noteGauge(g, s, b, 75);
        if (b.speed > 15) s.puttPhase = PuttPhase::BackswingSet;
    } else if (phase == PuttPhase::ForwardSwing) {
        stepAimFrame(s);
        b.speed = std::min((s.mouseY - s.dropY) / 2.0, 90.0);
        s.pushPower = std::min(s.pushPower, 90.0);
        noteMarker(g, s, b, 75);
        noteClub(g, s, b, b.speed, poseOf(b.heading));
        noteGauge(g, s, b, 75);
        // The forward swing strikes once the club has passed the ball. It does not wait
        // for a pull swing that ended without a stroke and left swingLeft above 0.
        if (b.speed < 0) {
            playGameSound(s, fx, sound::kStroke);
            b.speed = s.mouseStep / 10.0;
            if (s.pushPower / 22 < b.speed) b.speed = s.pushPower / 22;
            commonStrokeSteps(s, false, fx);
        }
    }
}

bool validPlayer(const GameState& s) { return s.curPlayer >= 1 && s.curPlayer <= kMaxPlayers; }

}  // namespace

void parkCursor(GameState& s, int screenW, int screenH, Effects& fx) {
    s.dropX = screenW / 2;
    s.dropY = screenH / 2;
    fx.parkCursor();
}

bool mouseNearBall(const GameState& s) {
    if (!validPlayer(s)) return false;
    const playerrec& b = s.playerRecs[s.curPlayer];
    return plainDist(roundInt(b.x), roundInt(b.y), wrapInt(int64_t{s.mouseX} + s.scrollX),
                     wrapInt(int64_t{s.mouseY} + s.scrollY)) < 24;
}

void puttMouseMove(GameState& s, int x, int y) {
    s.mouseStep = plainDist(s.mouseX, s.mouseY, x, y);
    s.mouseX = x;
    s.mouseY = y;
}

void puttMouseDown(GameState& s, MouseButton button, int screenW, int screenH, Effects& fx) {
    if (button == MouseButton::Right) {
        s.puttPhase = PuttPhase::Idle;
        s.exitAsked = 0;
        return;
    }
    if (button != MouseButton::Left || !validPlayer(s)) return;
    if (!s.playerRecs[s.curPlayer].pullPutt || s.screenMode == ScreenMode::BetweenHoles) return;
    if (mouseNearBall(s) && !s.anyMoving) {
        click(s, fx);
        s.puttPhase = PuttPhase::Aiming;
        parkCursor(s, screenW, screenH, fx);
    }
}

void puttMouseUp(GameState& s, MouseButton button, int screenW, int screenH, Effects& fx) {
    if (button == MouseButton::Right) {
        s.puttPhase = PuttPhase::Idle;
        s.exitAsked = 0;
        return;
    }
    if (button != MouseButton::Left || !validPlayer(s)) return;
    playerrec& b = s.playerRecs[s.curPlayer];
    if (b.pullPutt) {
        if (s.puttPhase != PuttPhase::Aiming) return;
        s.swingLeft = roundInt(b.speed);
        const int32_t d = plainDist(s.dropX, s.dropY, s.mouseX, s.mouseY);
        if (d < 4) {
            s.puttPhase = PuttPhase::Idle;
        } else {
            b.speed = d / 2.0 / 20.0;
            s.puttPhase = PuttPhase::Swinging;
        }
        return;
    }
    switch (s.puttPhase) {
        case PuttPhase::Idle:
            if (mouseNearBall(s) && !s.anyMoving) {
                click(s, fx);
                s.puttPhase = PuttPhase::Aiming;
                parkCursor(s, screenW, screenH, fx);
            }
            break;
        case PuttPhase::Aiming:
            click(s, fx);
            s.puttPhase = PuttPhase::Swinging;
            parkCursor(s, screenW, screenH, fx);
            break;
        case PuttPhase::BackswingSet:
            click(s, fx);
            s.puttPhase = PuttPhase::ForwardSwing;
            break;
        default: break;
    }
}

void puttingStep(GameState& s, Effects& fx, PuttDrawing& g) {
    g = PuttDrawing{};
    if (!validPlayer(s) || s.puttPhase == PuttPhase::Idle) return;
    if (s.playerRecs[s.curPlayer].pullPutt) {
        pullTick(s, fx, g);
    } else {
        pushTick(s, fx, g);
    }
}

void drawPutting(platform::Display& d, const GamePictures& p, const PuttDrawing& g) {
    if (g.marker) {
        const platform::Picture* marker = pictureOf(p.gui, gui::kAimMarker);
        if (marker != nullptr && g.markerFrame < marker->frameCount())
            d.drawFrameBlended(*marker, g.markerFrame,
                               platform::Rect{g.markerX, g.markerY, marker->frameWidth(), marker->frameHeight()},
                               platform::BlendMode::Add, 192);
    }
    if (g.club) {
        if (const platform::Picture* shadow = pictureOf(p.gui, gui::kClubShadow);
            shadow && g.clubPose < shadow->frameCount())
            d.drawFrameBlended(*shadow, g.clubPose, platform::Rect{g.clubX, g.clubY, 96, 142},
                               platform::BlendMode::Subtract, 255);
        if (const platform::Picture* club = pictureOf(p.gui, gui::kClub);
            club && g.clubPose < club->frameCount())
            d.drawFrame(*club, g.clubPose, g.clubX, g.clubY);
    }
    if (g.gauge) {
        const platform::Picture* gauge = pictureOf(p.gui, gui::kGauge);
        if (gauge != nullptr && g.gaugePattern >= 0 && g.gaugePattern < gauge->frameCount())
            d.drawFrame(*gauge, g.gaugePattern, g.gaugeX, g.gaugeY);
    }
}

}  // namespace orbigolf
