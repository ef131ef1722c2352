#include "game/hud.h"

#include <algorithm>

#include "game/fonts.h"
#include "game/geometry.h"
#include "game/holing.h"
#include "game/panel_layout.h"
#include "game/picture_numbers.h"
#include "game/score_card.h"

namespace orbigolf {
namespace {

using namespace layout;

struct HotArea {
    int left, top, right, bottom;
    std::string_view hint;
};

// Tested in this order; the last one holding the mouse gives the hint.
constexpr HotArea kAreas[] = {
    {16, 76, 42, 102, "REPEAT LAST MESSAGE"},
    {38, 76, 64, 102, "TOGGLE PUSH/PULL PUTT"},
    {60, 76, 86, 102, "SOUND ON/OFF (F3)"},
    {82, 76, 108, 102, "PUTTING HELP (F1)"},
    {104, 76, 130, 102, "CENTERBALL (HOME)"},
    {kScoreLeft, kScoreTop, kScoreRight, kScoreBottom, "SHOW SCORE DETAILS "},
    {kCloseLeft, kCloseTop, kCloseRight, kCloseBottom, "EXIT GAME (ESC) "},
};

bool inside(const HotArea& a, int x, int y) { return a.left <= x && x <= a.right && a.top <= y && y <= a.bottom; }

bool validPlayer(const GameState&, int p) { return OneBased<playerrec, kMaxPlayers>::inRange(p); }

// Length of a label centred on `nameChars` characters of the name.
int64_t labelLength(const GameState& s, int player, size_t nameChars) {
    const playerrec& b = s.playerRecs[player];
    return 3 + static_cast<int64_t>(std::min(b.name.size(), nameChars)) + 2 +
           static_cast<int64_t>(std::to_string(b.totalStrokes).size()) + 1;
}

void drawBallLabel(platform::Display& d, const GameState& s, const GamePictures& p, int player, size_t centredOn) {
    const playerrec& b = s.playerRecs[player];
    const int64_t x = roundWide(b.x) - s.scrollX;
    const int64_t y = roundWide(b.y) - s.scrollY - roundWide(b.z);
    if (const platform::Picture* box = pictureOf(p.gui, gui::kNameBox))
        d.drawFrame(*box, 0, screenCoord(x - kNameBoxTipX), screenCoord(y - kNameBoxAbove));
    DrawSmallText(d, p, playerLabel(s, player, 9),
                  screenCoord(x - 3 * labelLength(s, player, centredOn)),
                  screenCoord(y - kNameLabelAbove));
}

void drawPanel(platform::Display& d, const GameState& s, const GamePictures& p, const HudFrame& frame) {
    const bool havePlayer = validPlayer(s, s.curPlayer);
    const int32_t strokes = havePlayer ? s.playerRecs[s.curPlayer].strokes : 0;
    if (!s.panelSmall) {
        if (const platform::Picture* panel = pictureOf(p.gui, gui::kPanel))
            d.drawFrame(*panel, 0, kPanelX, kPanelY);
        if (havePlayer && !s.playerRecs[s.curPlayer].pullPutt)
            if (const platform::Picture* sign = pictureOf(p.gui, gui::kPushPuttSign))
                d.drawFrame(*sign, 0, kSignX, kSignY);
        if (const platform::Picture* pressed = pictureOf(p.gui, gui::kPressedButtons))
            for (int k = 1; k <= kPanelButtons; ++k)
                if (s.buttonDown[k])
                    d.drawFrame(*pressed, k - 1, kButtonX + kButtonSize * (k - 1), kButtonY);
        if (frame.lineIdle) {
            if (frame.helpText.empty() && havePlayer)
                DrawSmallText(d, p, playerLabel(s, s.curPlayer, 17), kMessageX, kMessageY);
            DrawSmallText(d, p, frame.helpText, kMessageX, kMessageY);
        }
        DrawSmallText(d, p, std::to_string(s.holePar), kParX, kParY);
        DrawSmallText(d, p, std::to_string(strokes), strokes >= 10 ? kStrokesWideX : kStrokesX,
                      kParY);
        for (int h = 1; h <= std::min(s.numPlayers, kMaxPlayers); ++h)
            DrawNumberText(d, p, scoreText(s.playerRecs[h].scoreToPar), kScoreTextX[h - 1],
                           kScoreTextY[h - 1]);
    } else {
        if (const platform::Picture* panel = pictureOf(p.gui, gui::kPanelMinimised))
            d.drawFrame(*panel, 0, kPanelX, kPanelY);
        DrawSmallText(d, p, std::to_string(s.holePar), kMinParX, kMinParY);
        DrawSmallText(d, p, std::to_string(strokes),
                      strokes >= 10 ? kMinStrokesWideX : kMinStrokesX, kMinParY);
        if (frame.lineIdle && havePlayer)
            DrawSmallText(d, p, playerLabel(s, s.curPlayer, 13), kMinMessageX, kMinMessageY);
    }
}

void drawPage(platform::Display& d, const GameState& s, const GamePictures& p, const Rules& rules) {
    const int w = d.width(), h = d.height();
    if (s.screenMode == ScreenMode::ScoreCard) {
        drawScoreCard(d, s, p, rules.scoring);
    } else if (s.screenMode == ScreenMode::Help) {
        d.fill(0);
        const bool pull = validPlayer(s, s.curPlayer) && s.playerRecs[s.curPlayer].pullPutt;
        const platform::Picture* page = pictureOf(p.menu, pull ? menu::kHelpPull : menu::kHelpPush);
        const platform::Picture* sizeOf = pictureOf(p.menu, menu::kHelpPush);
        if (page != nullptr && sizeOf != nullptr)
            d.drawFrame(*page, 0, (w - sizeOf->frameWidth()) / 2, (h - sizeOf->frameHeight()) / 2);
    } else if (s.screenMode == ScreenMode::HoleCard) {
        d.fill(0);
        if (const platform::Picture* card = pictureOf(p.course, 12))
            d.drawFrame(*card, 0, (w - card->frameWidth()) / 2, (h - card->frameHeight()) / 2);
    }
}

}  // namespace

void PostMessage(GameState& s, std::string_view text) {
    s.message = std::string(text);
    s.messagePos = 0;
}

void ShowBigMessage(GameState& s, std::string_view text) {
    s.bigMessage = std::string(text);
    s.bigMessageFade = 255;
}

std::string playerLabel(const GameState& s, int player, size_t nameChars) {
    const playerrec& b = s.playerRecs[player];
    return upperCase(std::to_string(player) + ". " + b.name.substr(0, nameChars) + " (" +
                     std::to_string(b.totalStrokes) + ")");
}

std::string scoreText(int32_t scoreToPar) {
    if (scoreToPar < 0) return std::to_string(scoreToPar);
    std::string text = "o";
    text += std::to_string(scoreToPar);
    return text;
}

std::string_view panelHint(int x, int y) {
    std::string_view hint;
    for (const HotArea& a : kAreas)
        if (inside(a, x, y)) hint = a.hint;
    return hint;
}

bool insideButton(int k, int x, int y) {
    return k >= 1 && k <= kPanelButtons && inside(kAreas[k - 1], x, y);
}

HudFrame hudStep(GameState& s, const Rules& rules, int screenW, int screenH) {
    HudFrame frame;
    if (validPlayer(s, s.curPlayer)) UpdateScoreToPar(s);
    frame.lineIdle = s.messagePos == -1;
    if (!s.panelSmall) {
        for (int k = 1; k <= kPanelButtons; ++k)
            if (s.buttonDown[k] && !insideButton(k, s.mouseX, s.mouseY)) s.buttonDown[k] = 0;
        if (s.messagePos == -1) s.helpText = std::string(panelHint(s.mouseX, s.mouseY));
        frame.helpText = s.helpText;
    }
    s.helpText.clear();

    if (4 * static_cast<int64_t>(s.message.size()) < s.messagePos) s.messagePos = -1;
    if (s.messagePos != -1) {
        s.messagePos += s.substeps;
        const size_t start = static_cast<size_t>(std::max(s.messagePos / 4, 1) - 1);
        const size_t chars = s.panelSmall ? 21 : 28;
        frame.messageShown = true;
        if (start < s.message.size()) frame.messageWindow = s.message.substr(start, chars);
    }

    if (s.exitAsked) {
        s.bigMessage = "PRESS ENTER TO CONFIRM EXIT";
        s.bigMessageFade = 195 + s.random(10);
    }
    if (s.bigMessageFade > 0) {
        const int32_t f = s.bigMessageFade;
        const int64_t centre = (int64_t{screenW} - 23 * static_cast<int64_t>(s.bigMessage.size())) / 2;
        frame.bigShown = true;
        frame.bigText = s.bigMessage;
        frame.bigAlpha = (3 * f) / 4;
        frame.bigX1 = screenCoord(centre + s.random(2));
        frame.bigX2 = screenCoord(centre + s.random(4));
        frame.bigY1 = screenH / 2 - 30;
        frame.bigY2 = frame.bigY1 + s.random(2);
        const int64_t next = int64_t{f} - int64_t{512 / f} * s.substeps;
        s.bigMessageFade = static_cast<int32_t>(std::max<int64_t>(next, 0));
        if (s.bigMessageFade == 0) s.bigMessage.clear();
    }
    if (s.screenMode == ScreenMode::ScoreCard) updateScoreCardSummary(s, rules.scoring);
    return frame;
}

void drawHud(platform::Display& d, const GameState& s, const GamePictures& p, const Rules& rules,
             const HudFrame& frame) {
    if (s.showScores) {
        const DepthOrder order = ballDepthOrder(s);
        for (int i = 0; i < order.count; ++i)
            if (s.playerRecs[order.players[static_cast<size_t>(i)]].inPlay)
                drawBallLabel(d, s, p, order.players[static_cast<size_t>(i)], 11);
    }
    if (!s.anyMoving && s.puttPhase == PuttPhase::Idle && validPlayer(s, s.curPlayer))
        drawBallLabel(d, s, p, s.curPlayer, 9);
    drawPanel(d, s, p, frame);
    if (frame.messageShown)
        DrawSmallText(d, p, frame.messageWindow, s.panelSmall ? 80 : 116, s.panelSmall ? 9 : 31);
    if (frame.bigShown) {
        DrawBigText(d, p, frame.bigText, frame.bigX1, frame.bigY1, frame.bigAlpha);
        DrawBigText(d, p, frame.bigText, frame.bigX2, frame.bigY2, frame.bigAlpha);
    }
    drawPage(d, s, p, rules);
}

void drawPointer(platform::Display& d, const GameState& s, const GamePictures& p) {
    if (s.anyMoving || s.puttPhase != PuttPhase::Idle) return;
    if (const platform::Picture* pointer = pictureOf(p.gui, gui::kPointer))
        d.drawFrame(*pointer, 0, s.mouseX, s.mouseY);
}

}  // namespace orbigolf
