#pragma once
// Putting with the mouse: the pull putt (press on the ball, pull back, release) and the
// push putt (click, aim sideways, click, take the club back, click, swing forward). The
// mouse handlers change the phase; the tick step aims, swings and strikes the ball, noting
// what the aim marker, the club with its shadow and the gauge are to show.

#include "game/effects.h"
#include "game/game_pictures.h"
#include "game/state.h"
#include "platform/display.h"
#include "platform/events.h"

namespace orbigolf {

// The anchor goes to the centre of the screen and the system pointer is moved there.
void parkCursor(GameState& s, int screenW, int screenH, Effects& fx);

// Whether the mouse is near the current player's ball (within 24 pixels).
bool mouseNearBall(const GameState& s);

void puttMouseMove(GameState& s, int x, int y);
void puttMouseDown(GameState& s, platform::MouseButton button, int screenW, int screenH, Effects& fx);
void puttMouseUp(GameState& s, platform::MouseButton button, int screenW, int screenH, Effects& fx);

// What the putting step shows: the aim marker, the club with its shadow and the gauge,
// each as the step saw it (the step may strike the ball after noting the club).
struct PuttDrawing {
    bool marker = false;
    int markerX = 0, markerY = 0, markerFrame = 0;
    bool club = false;
    int clubX = 0, clubY = 0, clubPose = 0;
    bool gauge = false;
    int gaugeX = 0, gaugeY = 0, gaugePattern = 0;
};

// The tick step: runs every tick whatever the screen mode; aims, swings and strikes,
// and notes in `drawing` what is to be shown.
void puttingStep(GameState& s, Effects& fx, PuttDrawing& drawing);

// Draws what the putting step noted: marker, club shadow and club, gauge.
void drawPutting(platform::Display& d, const GamePictures& p, const PuttDrawing& drawing);

}  // namespace orbigolf
