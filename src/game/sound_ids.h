#pragma once
// The items of the game's sound list ("sound.dxw") and of a hole's background
// sound list, by what the game plays them for.

namespace orbigolf::sound {

// The game's sound list.
constexpr int kStroke = 0;        // the club strikes the ball
constexpr int kKnock = 1;         // a wall on the ground, or two balls
constexpr int kBounce = 2;        // a ground contact in flight, sand
constexpr int kCupDrop = 3;       // into the cup or a pipe
constexpr int kClick = 5;         // interface click
constexpr int kLoadingLoop = 6;   // while a hole loads
constexpr int kTeleport = 7;      // teleport and re-drop
constexpr int kFan = 9;           // fan and eruption
constexpr int kTooFast = 10;      // over a cup too fast
constexpr int kWallInFlight = 11; // a wall hit in the air
constexpr int kBlast = 12;
constexpr int kSplash = 13;
constexpr int kSpring = 14;
constexpr int kRoughA = 15;
constexpr int kRoughB = 16;
constexpr int kPipeExit = 17;
constexpr int kGoodHoling = 18;   // holed in par or better; the game's end
constexpr int kDust = 19;         // stuck-ball rescue and dusty walls
constexpr int kRumble = 20;
constexpr int kBonus = 21;
constexpr int kPoorHoling = 22;   // holed over par
constexpr int kTurnPasses = 24;
constexpr int kThunder = 25;
constexpr int kFallingOff = 26;
constexpr int kCannon = 27;

// A hole's background sound list: item 0 loops; item 1 is the hole's own
// event sound (the construction worker, a switch going off).
constexpr int kHoleLoop = 0;
constexpr int kHoleEvent = 1;

}  // namespace orbigolf::sound
