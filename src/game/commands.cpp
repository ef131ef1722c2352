// The game screen's keys and clicks: cards, the help page, the score card, the putting
// method, sound, frame limiting, the panel, the view and leaving the game.

#include "game/hud.h"
#include "game/panel_layout.h"
#include "game/putting.h"
#include "game/sound_ids.h"
#include "game/tmain.h"
#include "platform/vk.h"

namespace orbigolf {
namespace {

namespace vk = platform::vk;

struct Box {
    int left, top, right, bottom;
    bool holds(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
};

// Panel hit boxes; neighbouring buttons share their edge columns.
using namespace layout;

// Panel button k (1..5).
constexpr Box buttonBox(int k) {
    const int left = kButtonX + kButtonSize * (k - 1);
    return {left, kButtonY, left + kButtonSize, kButtonY + kButtonSize};
}
constexpr Box kMethodSign{kSignClickLeft, kSignY, kSignClickRight, kSignClickBottom};
constexpr Box kCloseBox{kCloseLeft, kCloseTop, kCloseRight, kCloseBottom};
constexpr Box kScoreBox{kScoreLeft, kScoreTop, kScoreRight, kScoreBottom};
constexpr Box kTitleStrip{kPanelX, kPanelY, kTitleRight, kTitleBottom};

constexpr const char* kPad = "                           ";

}  // namespace

void TMain::clickSound() {
    if (s_.soundOn && sounds_.count() > sound::kClick) sounds_.item(sound::kClick).play();
}

void TMain::parkCursorHere() { parkCursor(s_, display_.width(), display_.height(), *fx_); }

void TMain::switchPuttMethod() {
    if (s_.curPlayer < 1 || s_.curPlayer > kMaxPlayers) return;
    playerrec& b = s_.playerRecs[s_.curPlayer];
    b.pullPutt = b.pullPutt ? 0 : 1;
    PostMessage(s_, std::string(kPad) + (b.pullPutt ? "PULL PUTT METHOD" : "PUSH PUTT METHOD"));
}

void TMain::startBackgroundLoop() {
    if (bgsounds_.count() > sound::kHoleLoop) bgsounds_.item(sound::kHoleLoop).play();
}

void TMain::stopBackgroundLoop() {
    if (bgsounds_.count() > sound::kHoleLoop) bgsounds_.item(sound::kHoleLoop).stop();
}

void TMain::toggleSound() {
    s_.soundOn = s_.soundOn ? 0 : 1;
    if (s_.soundOn) clickSound();
    PostMessage(s_, std::string(kPad) + (s_.soundOn ? "SOUND ON" : "SOUND OFF"));
    if (s_.soundOn && s_.bgSoundOn) {
        startBackgroundLoop();
    } else {
        stopBackgroundLoop();
    }
}

void TMain::toggleBackgroundSound() {
    clickSound();
    s_.bgSoundOn = s_.bgSoundOn ? 0 : 1;
    PostMessage(s_, std::string(kPad) + (s_.bgSoundOn ? "BACKGROUND SOUND ON" : "BACKGROUND SOUND OFF"));
    if (s_.bgSoundOn) {
        startBackgroundLoop();
    } else {
        stopBackgroundLoop();
    }
}

void TMain::cycleFrameLimit() {
    s_.messagePos = 0;
    clickSound();
    switch (timer_.interval()) {
        case 0:
            setFrameLimit(66, 0);
            PostMessage(s_, std::string(kPad) + "FRAME LIMITING 15 FPS");
            break;
        case 66:
            setFrameLimit(33, 0);
            PostMessage(s_, std::string(kPad) + "FRAME LIMITING 30 FPS");
            break;
        case 33:
            setFrameLimit(0, kLimitedRate);
            PostMessage(s_, std::string(kPad) + "FRAME LIMITING 60 FPS");
            break;
        default: break;
    }
}

void TMain::FormKeyDown(int key) {
    if (closed_) return;
    if (s_.gameOver) {
        clickSound();
        leave();
        return;
    }
    if (s_.screenMode == ScreenMode::BetweenHoles) {
        // Between holes keys are ignored, except that the leave question still takes its
        // answer: while it shows, its message holds the fade that the next hole waits for.
        if (!s_.exitAsked) return;
        clickSound();
        if (key == vk::VK_RETURN) {
            leave();
        } else {
            s_.exitAsked = 0;
        }
        return;
    }
    if (s_.screenMode == ScreenMode::HoleCard || s_.screenMode == ScreenMode::ScoreCard) {
        s_.screenMode = ScreenMode::Play;
        clickSound();
        return;
    }
    if (key == vk::VK_RETURN) {
        if (s_.exitAsked) {
            clickSound();
            leave();
            return;
        }
        s_.showScores = 1;
    }
    if (s_.exitAsked) {
        clickSound();
        s_.exitAsked = 0;
        return;
    }
    if (key == vk::VK_F8) {
        clickSound();
        switchPuttMethod();
        return;
    }
    if (s_.screenMode == ScreenMode::Help) {
        s_.screenMode = ScreenMode::Play;
        parkCursorHere();
        return;
    }
    switch (key) {
        case vk::VK_END:
            if (!s_.anyMoving) {
                clickSound();
                s_.screenMode = ScreenMode::ScoreCard;
            }
            break;
        case vk::VK_ESCAPE:
            clickSound();
            s_.exitAsked = 1;
            break;
        case vk::VK_SPACE:
            clickSound();
            s_.panelSmall = s_.panelSmall ? 0 : 1;
            break;
        case vk::VK_HOME:
            if (!s_.anyMoving) {
                s_.recentre = 1;
                clickSound();
            }
            break;
        case vk::VK_F5: cycleFrameLimit(); break;
        case vk::VK_F4: toggleSound(); break;
        case vk::VK_F3: toggleBackgroundSound(); break;
        case vk::VK_F1:
            if (!s_.anyMoving) {
                clickSound();
                s_.screenMode = ScreenMode::Help;
            }
            break;
        case vk::VK_PRIOR:
            if (!s_.anyMoving) {
                clickSound();
                s_.screenMode = ScreenMode::HoleCard;
            }
            break;
        case vk::VK_UP:
            if (!s_.anyMoving) s_.keyUp = 1;
            break;
        case vk::VK_DOWN:
            if (!s_.anyMoving) s_.keyDown = 1;
            break;
        case vk::VK_RIGHT:
            if (!s_.anyMoving) s_.keyRight = 1;
            break;
        case vk::VK_LEFT:
            if (!s_.anyMoving) s_.keyLeft = 1;
            break;
        default: break;
    }
}

void TMain::FormKeyUp(int key) {
    if (closed_) return;
    switch (key) {
        case vk::VK_UP:
            if (!s_.anyMoving) s_.keyUp = 0;
            break;
        case vk::VK_DOWN:
            if (!s_.anyMoving) s_.keyDown = 0;
            break;
        case vk::VK_RIGHT:
            if (!s_.anyMoving) s_.keyRight = 0;
            break;
        case vk::VK_LEFT:
            if (!s_.anyMoving) s_.keyLeft = 0;
            break;
        case vk::VK_RETURN: s_.showScores = 0; break;
        default: break;
    }
}

void TMain::DXDrawMouseMove(int x, int y) {
    if (closed_) return;
    puttMouseMove(s_, x, y);
}

void TMain::DXDrawMouseDown(platform::MouseButton button, int, int) {
    if (closed_ || !display_.ready()) return;
    puttMouseDown(s_, button, display_.width(), display_.height(), *fx_);
    if (button != platform::MouseButton::Left || s_.puttPhase != PuttPhase::Idle) return;
    for (int k = 1; k <= kPanelButtons; ++k)
        if (buttonBox(k).holds(s_.mouseX, s_.mouseY)) s_.buttonDown[k] = 1;
}

void TMain::DXDrawMouseUp(platform::MouseButton button, int, int) {
    if (closed_ || !display_.ready()) return;
    puttMouseUp(s_, button, display_.width(), display_.height(), *fx_);
}

void TMain::DXDrawClick() {
    if (closed_) return;
    if (s_.gameOver) {
        clickSound();
        leave();
        return;
    }
    if (s_.screenMode == ScreenMode::BetweenHoles) return;
    if (s_.screenMode == ScreenMode::Help || s_.screenMode == ScreenMode::HoleCard ||
        s_.screenMode == ScreenMode::ScoreCard) {
        clickSound();
        s_.screenMode = ScreenMode::Play;
        parkCursorHere();
        s_.puttPhase = PuttPhase::Idle;
        return;
    }
    if (s_.puttPhase != PuttPhase::Idle || s_.anyMoving) return;
    const int x = s_.mouseX, y = s_.mouseY;
    if (buttonBox(kMessageButton).holds(x, y)) {
        s_.messagePos = 0;
        clickSound();
        s_.buttonDown[kMessageButton] = 0;
        return;
    }
    if (kMethodSign.holds(x, y)) {
        clickSound();
        switchPuttMethod();
        return;
    }
    if (buttonBox(kMethodButton).holds(x, y)) {
        clickSound();
        switchPuttMethod();
        s_.buttonDown[kMethodButton] = 0;
        return;
    }
    if (buttonBox(kSoundButton).holds(x, y)) toggleSound();
    if (buttonBox(kHelpButton).holds(x, y)) {
        clickSound();
        s_.buttonDown[kHelpButton] = 0;
        s_.screenMode = ScreenMode::Help;
    }
    if (buttonBox(kCentreButton).holds(x, y)) {
        s_.recentre = 1;
        clickSound();
        s_.buttonDown[kCentreButton] = 0;
        return;
    }
    if (kCloseBox.holds(x, y)) {
        clickSound();
        s_.exitAsked = 1;
    }
    if (s_.panelSmall) return;
    if (kScoreBox.holds(x, y)) {
        clickSound();
        if (!s_.anyMoving) s_.screenMode = ScreenMode::ScoreCard;
    }
}

void TMain::DXDrawDblClick() {
    if (closed_ || s_.screenMode == ScreenMode::BetweenHoles) return;
    if (kTitleStrip.holds(s_.mouseX, s_.mouseY)) {
        clickSound();
        s_.panelSmall = s_.panelSmall ? 0 : 1;
    }
}

}  // namespace orbigolf
