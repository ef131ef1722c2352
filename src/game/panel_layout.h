#pragma once
// Where the game draws into and over the panel pictures and where it takes clicks, in
// screen pixels (the panels are drawn at (4, 4)). The content builder draws the panel
// art around these same places.

namespace orbigolf::layout {

inline constexpr int kPanelX = 4;
inline constexpr int kPanelY = 4;
inline constexpr int kPanelWidth = 300;
inline constexpr int kPanelHeight = 102;
inline constexpr int kPanelMinWidth = 274;
inline constexpr int kPanelMinHeight = 27;

// Five buttons of 22 x 22, the pressed picture drawn at (17 + 22 (k - 1), 76).
inline constexpr int kButtonX = 17;
inline constexpr int kButtonY = 76;
inline constexpr int kButtonSize = 22;
inline constexpr int kButtons = 5;

// Close mark and title strip (a double click there minimises or restores the panel).
inline constexpr int kCloseLeft = 267, kCloseTop = 7, kCloseRight = 274, kCloseBottom = 13;
inline constexpr int kTitleRight = 269, kTitleBottom = 19;

// Score area (four players, number font at (19, 27), (64, 27), (19, 48), (64, 48)).
inline constexpr int kScoreLeft = 21, kScoreTop = 28, kScoreRight = 103, kScoreBottom = 65;
inline constexpr int kScoreTextX[4] = {19, 64, 19, 64};
inline constexpr int kScoreTextY[4] = {27, 27, 48, 48};

// Message line: small font text at (116, 31), 28 characters (21 at (80, 9) when minimised).
inline constexpr int kMessageX = 116, kMessageY = 31, kMessageChars = 28;
inline constexpr int kMinMessageX = 80, kMinMessageY = 9, kMinMessageChars = 21;

// Par and strokes with the number font.
inline constexpr int kParX = 161, kParY = 48, kStrokesX = 118, kStrokesWideX = 113;
inline constexpr int kMinParX = 221, kMinParY = 9, kMinStrokesX = 206, kMinStrokesWideX = 201;

// Push-putt sign, drawn at (193, 49); it is clicked at 196..236 x 49..65.
inline constexpr int kSignX = 193, kSignY = 49, kSignWidth = 44, kSignHeight = 18;
inline constexpr int kSignClickLeft = 196, kSignClickRight = 236, kSignClickBottom = 65;

// Name box over a ball: drawn at (x - 52, y - 40), the label at y - 35. The label's
// first glyph stands one advance right of its start, so a label centred on its own length
// reaches about 6 pixels further right than left: the box is wider on the right, and its
// tip (pointing at the ball) sits at x.
inline constexpr int kNameBoxWidth = 114, kNameBoxHeight = 22, kNameBoxTipX = 52;
inline constexpr int kNameBoxAbove = 40, kNameLabelAbove = 35;

}  // namespace orbigolf::layout
