#pragma once
// The putting pictures: the strength gauge, the aim marker, and the club with its shadow
// in the 32 poses the putting control picks by the ball's heading.

#include "art_context.h"
#include "media/dib.h"
#include "pixel_font.h"

namespace orbigolf::content {

inline constexpr int kGaugePatterns = 31;
inline constexpr int kGaugeWidth = 94;  // drawn 47 left of the marker centre
inline constexpr int kGaugeHeight = 40;  // ending above the marker (drawn 56 higher)
inline constexpr int kMarkerPatterns = 4;
inline constexpr int kMarkerWidth = 32;  // drawn 16 left and 13 above the aim point
inline constexpr int kMarkerHeight = 26;
inline constexpr int kClubPoses = 32;
inline constexpr int kClubWidth = 96;
inline constexpr int kClubHeight = 142;
inline constexpr int kClubHeadX = 47;  // the club head sits here, behind the ball
inline constexpr int kClubHeadY = 125;

// Screen direction (turn units, 256 to a turn, y down) in which a ball struck from pose p
// travels: the middle of the headings that select pose p.
double clubPoseHeading(int pose);

// 31 patterns of rising strength, in one row.
media::Bitmap buildGauge(const ArtContext& art, const PixelFont& font);
// Four animation patterns, drawn additively.
media::Bitmap buildAimMarker(const ArtContext& art);
// 32 poses in 8 columns and 4 rows; the shadow is drawn subtractively.
media::Bitmap buildClub(const ArtContext& art);
media::Bitmap buildClubShadow(const ArtContext& art);

}  // namespace orbigolf::content
