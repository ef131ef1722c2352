#pragma once
// The heads-up display: labels over the balls, the full or minimised panel with its
// buttons, hints, par, strokes and scores, the scrolling message line, the big message
// with its fade, and the full-screen pages (help, hole card, score card).
//
// hudStep makes the tick's changes to the state (score to par, released buttons, the
// hint, the message line's position, the exit question, the big message's fade and the
// card summary) and returns what is to be drawn; drawHud then only draws.

#include <string>
#include <string_view>

#include "game/game_pictures.h"
#include "game/rules.h"
#include "game/state.h"
#include "platform/display.h"

namespace orbigolf {

// The message line restarts with a new text; the big message with full strength.
void PostMessage(GameState& s, std::string_view text);
void ShowBigMessage(GameState& s, std::string_view text);

// "N. NAME (STROKES)" with the first `nameChars` characters of the name, upper case.
std::string playerLabel(const GameState& s, int player, size_t nameChars);
// A score to par in the number font's terms: "-3", "o0", "o12".
std::string scoreText(int32_t scoreToPar);
// The hint of the last panel area holding the point, or "".
std::string_view panelHint(int x, int y);
// Whether the point lies inside panel button k (1..5).
bool insideButton(int k, int x, int y);

struct HudFrame {
    bool lineIdle = false;      // the message line was idle when the panel was drawn
    std::string helpText;       // the hint shown on the full panel
    bool messageShown = false;  // the message line is drawn this tick
    std::string messageWindow;  // the part of the message in its window
    bool bigShown = false;
    std::string bigText;
    int bigAlpha = 0;
    int bigX1 = 0, bigY1 = 0, bigX2 = 0, bigY2 = 0;  // the two copies, randomly offset
};

// The state changes of one tick's heads-up display, in the game's order.
HudFrame hudStep(GameState& s, const Rules& rules, int screenW, int screenH);

// Draws the display of the tick: labels, panel, message line, big message and page.
void drawHud(platform::Display& d, const GameState& s, const GamePictures& p, const Rules& rules,
             const HudFrame& frame);

// The mouse pointer, while no ball moves and no putt is being aimed.
void drawPointer(platform::Display& d, const GameState& s, const GamePictures& p);

}  // namespace orbigolf
