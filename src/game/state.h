#pragma once
// The game screen's state: the five fixed arrays of plain records and every
// game-wide variable, under the names the rest of the game uses. All arrays are
// indexed from 1; nothing here allocates during play except the text values.

#include <cstdint>
#include <string>

#include "game/geometry.h"
#include "game/one_based.h"
#include "game/random.h"

namespace orbigolf {

using Boolean = uint8_t;  // one byte, 0 false, 1 true

// One player and that player's ball.
struct playerrec {
    double x = 0, y = 0;  // x = 5000 parks a holed ball off the course
    double z = 0;         // height above the ground; -100 hides the ball
    double lastX = 0, lastY = 0;
    double anchorX = 0, anchorY = 0;
    int32_t heading = 0;
    double speed = 0;
    double climb = 0;
    double rollU = 0, rollV = 0;
    uint8_t spin = 0;
    int32_t lastWall = 0;
    Boolean airborne = 0;
    Boolean holed = 0;
    Boolean piped = 0;
    Boolean sunk = 0;
    uint8_t ballRows = 0;
    Boolean inSand = 0;
    int32_t slopeHeading = 0, lastSlopeHeading = 0;
    double slopePush = 0;
    int32_t tilt = 0, lastTilt = 0;
    Boolean moving = 0;
    int32_t cupArea = 0;
    Boolean pullPutt = 0;
    Boolean easyTarget = 0;
    int32_t strokes = 0;
    int32_t totalStrokes = 0;
    int32_t scoreToPar = 0;
    int32_t tint = 0;
    Boolean fellOff = 0;
    Boolean bounced = 0;
    Boolean inPlay = 0;
    Boolean hit = 0;
    int32_t stillPasses = 0;
    std::string name;
    int32_t holesWon = 0;
    OneBased<int32_t, 9> holeStrokes{};
};

// One area of the hole (wall, slope, cup, special zone).
struct arearec {
    int32_t kind = 0;
    int32_t x1 = 0, y1 = 0;
    int32_t r = 0;
    int32_t x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    int32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0, p6 = 0;
    Boolean enabled = 0;
    std::string comment;
};

// One animation slot: 1..30 the effect ring, 31..50 fixed slots.
struct spriterec {
    int32_t x = 0, y = 0;
    int32_t image = 0;
    int32_t tick = 0;  // frame = tick div 4
    Boolean keep = 0;
    int32_t blend = 0;
    int32_t pulse = 0;
};

// One debris particle.
struct particlerec {
    int32_t bounces = 0;
    double x = 0, y = 0, z = 0;
    double lastX = 0, lastY = 0, lastZ = 0;
    int32_t heading = 0;
    double speed = 0, climb = 0;
    Boolean active = 0;
    int32_t colour = 0;  // blue-green-red from the high to the low byte
    Boolean shadow = 0;
    Boolean dot = 0;
};

// One drifting scenery mote.
struct starrec {
    int32_t x = 0, y = 0;
    int32_t image = 0;
    int32_t frame = 0;
};

// What the game screen shows; the number is the one the replay summary and trace write.
enum class ScreenMode : uint8_t {
    Play = 0,          // course, balls and panel
    Help = 1,          // the putting help page
    HoleCard = 2,      // the overview of the hole, shown after every set-up
    ScoreCard = 3,     // the score card, also at the end of the game
    BetweenHoles = 4,  // the hole's result fades; keys and clicks are ignored
};

// Where the current player's putt stands. A pull putt uses Idle, Aiming and Swinging;
// a push putt goes through all five, and its Swinging is the club being taken back.
enum class PuttPhase : int32_t {
    Idle = 0,
    Aiming = 1,        // the mouse sets the aim
    Swinging = 2,      // pull putt: the club travels to the ball; push putt: club going back
    BackswingSet = 3,  // push putt: the backswing is held until the click
    ForwardSwing = 4,  // push putt: the club comes forward until it passes the ball
};

// The panel's buttons, numbered 1..5 from the left.
constexpr int kPanelButtons = 5;
constexpr int kMessageButton = 1;  // shows the message line again
constexpr int kMethodButton = 2;   // switches the putting method
constexpr int kSoundButton = 3;
constexpr int kHelpButton = 4;
constexpr int kCentreButton = 5;  // brings the view back to the ball

constexpr int kMaxPlayers = 4;
constexpr int kMaxAreas = 99;
constexpr int kMaxSprites = 50;
constexpr int kEffectSlots = 30;
constexpr int kMaxParticles = 33;
constexpr int kMaxStars = 40;
constexpr int kMaxHoles = 9;

struct GameState {
    OneBased<playerrec, kMaxPlayers> playerRecs{};
    OneBased<arearec, kMaxAreas> areas{};
    OneBased<spriterec, kMaxSprites> sprites{};
    OneBased<particlerec, kMaxParticles> particles{};
    OneBased<starrec, kMaxStars> stars{};

    // Game flow.
    ScreenMode screenMode = ScreenMode::Play;
    Boolean gameOver = 0;
    Boolean exitAsked = 0;
    Boolean showScores = 0;
    Boolean panelSmall = 0;
    std::string holeName;
    std::string nextHole;
    int32_t holeNum = 0;
    int32_t holePar = 0;
    int32_t coursePar = 0;
    OneBased<int32_t, kMaxHoles> pars{};
    int32_t numPlayers = 0;
    int32_t curPlayer = 0;
    int32_t firstHoled = 0;
    int32_t bestHole = 0;
    Boolean bonusTaken = 0;
    Boolean passTurn = 0;
    int32_t cupX = 0, cupY = 0;
    Boolean anyMoving = 0;

    // Putting.
    PuttPhase puttPhase = PuttPhase::Idle;
    int32_t swingLeft = 0;
    int32_t swingStep = 0;
    double pushPower = 0;
    int32_t aimFrame = 0;
    int32_t mouseX = 0, mouseY = 0;
    int32_t mouseStep = 0;
    int32_t dropX = 0, dropY = 0;

    // View.
    int32_t scrollX = 0, scrollY = 0;
    Boolean recentre = 0;
    int32_t lastScrollX = 0, lastScrollY = 0;
    int32_t scrollVX = 0, scrollVY = 0;
    int32_t sceneScrollX = 0, sceneScrollY = 0;
    Boolean keyUp = 0, keyDown = 0, keyLeft = 0, keyRight = 0;

    // Messages and panel.
    std::string message;
    int32_t messagePos = 0;
    std::string bigMessage;
    int32_t bigMessageFade = 0;
    std::string helpText;
    OneBased<Boolean, kPanelButtons> buttonDown{};  // pressed panel buttons, by button number

    // Sound, timing and effects.
    Boolean soundOn = 0;
    Boolean bgSoundOn = 0;
    int32_t substeps = 0;
    int32_t nextEffect = 0;
    uint8_t flash = 0;
    int32_t scenePhase = 0;

    // The one pseudo-random generator of the game.
    Random random{};

    // Size of the course picture (the first picture of the hole's list); the
    // fall-off test and the view limits use it.
    int32_t courseWidth = 0, courseHeight = 0;
};

}  // namespace orbigolf
