#pragma once
// The score card (menu picture 4): a grid whose cells lie where the game writes the
// names, strokes, pars, totals, holes won and the summary line with the card font.

#include "art_context.h"
#include "media/dib.h"

namespace orbigolf::content {

namespace card {

inline constexpr int kWidth = 616;
inline constexpr int kHeight = 352;

// Text origins the game uses, in card pixels (the first glyph stands one advance right).
inline constexpr int kNameX = 28;
inline constexpr int kRowY = 175;
inline constexpr int kRowStep = 36;
inline constexpr int kHoleX = 167;
inline constexpr int kParX = 169;
inline constexpr int kHoleStep = 39;
inline constexpr int kParRowY = 146;
inline constexpr int kTotalX = 534, kTotalWideX = 526;
inline constexpr int kCourseParX = 536, kCourseParWideX = 528;
inline constexpr int kWonX = 572;
inline constexpr int kSummaryX = 154, kSummaryY = 319, kSummaryChars = 39;

// Column and row edges of the grid (inclusive).
inline constexpr int kNameLeft = 20, kNameRight = 158;
inline constexpr int kHoleLeft = 160;  // hole f spans kHoleLeft + 39 (f - 1) .. + 37
inline constexpr int kTotalLeft = 511, kTotalRight = 569;
inline constexpr int kWonLeft = 572, kWonRight = 600;
inline constexpr int kHeaderTop = 112, kHeaderBottom = 136;
inline constexpr int kParTop = 139, kParBottom = 163;
inline constexpr int kRowTop = 166;  // player row h spans kRowTop + 36 (h - 1) .. + 31
inline constexpr int kRowHeight = 32;
inline constexpr int kSummaryLeft = 150, kSummaryRight = 486;
inline constexpr int kSummaryTop = 312, kSummaryBottom = 337;

}  // namespace card

media::Bitmap buildScoreCard(const ArtContext& art);

}  // namespace orbigolf::content
