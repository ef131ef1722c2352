#pragma once
// The launch pad's animations: "interface_loop.flc", the deep-space backdrop that loops
// behind the menu panels (pulsing nebula, twinkling stars, a slowly turning planet, the title
// and the frame the panels sit in), and "interface.flc", the flip the launch pad plays
// between panels (the panel frame swings round once), whose first frames are the backdrop's.
// Both share one 256-colour palette.

#include "art_context.h"
#include "flic_encode.h"

namespace orbigolf::content {

inline constexpr int kBackdropWidth = 640;
inline constexpr int kBackdropHeight = 480;
inline constexpr int kBackdropFrames = 96;
inline constexpr int kBackdropSpeedMs = 80;
inline constexpr int kFlipFrames = 30;
inline constexpr int kFlipSpeedMs = 33;
// Where the launch pad places its panels on the centred 640 x 480 picture, and their size.
inline constexpr int kPanelLeft = 150;
inline constexpr int kPanelTop = 177;
inline constexpr int kPanelWidth = 379;
inline constexpr int kPanelHeight = 141;

struct LaunchAnimations {
    FlicMovie loop;  // interface_loop.flc
    FlicMovie flip;  // interface.flc
};

LaunchAnimations buildLaunchAnimations(const ArtContext& art);

}  // namespace orbigolf::content
