#pragma once
// Where each picture stands in the interface list (gui) and the menu list (menu). The
// content builder writes the lists in this order and the game draws by these numbers.

namespace orbigolf::gui {

inline constexpr int kPointer = 0;
inline constexpr int kPanel = 1;
inline constexpr int kPanelMinimised = 2;
inline constexpr int kPressedButtons = 3;  // one frame per panel button
inline constexpr int kPushPuttSign = 4;
inline constexpr int kGauge = 5;
inline constexpr int kAimMarker = 6;
inline constexpr int kSmallFont = 7;
inline constexpr int kNumberFont = 8;
inline constexpr int kClubShadow = 9;
inline constexpr int kClub = 10;
inline constexpr int kBallTextures = 10;  // player n's ball texture is kBallTextures + n
inline constexpr int kBallShading = 15;
inline constexpr int kBallTint = 16;
inline constexpr int kBallShadow = 17;
inline constexpr int kNameBox = 18;

}  // namespace orbigolf::gui

namespace orbigolf::menu {

inline constexpr int kBigFont = 0;
inline constexpr int kLoading = 1;
inline constexpr int kHelpPull = 2;
inline constexpr int kHelpPush = 3;
inline constexpr int kScoreCard = 4;
inline constexpr int kCardFont = 5;

}  // namespace orbigolf::menu
