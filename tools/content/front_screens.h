#pragma once
// The still pictures of the front end: the launch pad's hot-spot menu (421 x 165, with its
// lit twin that the menu's highlight is taken from) and the closing picture (640 x 480).
// Both are 8-bit pictures, as the forms keep them.

#include "art_context.h"
#include "quantise.h"

namespace orbigolf::content {

inline constexpr int kMenuPictureWidth = 421;
inline constexpr int kMenuPictureHeight = 165;

// The menu picture, plain or with every lamp and area lit.
IndexedPicture buildHotSpotMenu(const ArtContext& art, bool lit);
IndexedPicture buildClosingPicture(const ArtContext& art);

}  // namespace orbigolf::content
