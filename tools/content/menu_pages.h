#pragma once
// The full pictures of the menu list: the loading picture and the two putting help pages
// (the same size, so the game can place either with the size of the push-putt page).

#include "art_context.h"
#include "media/dib.h"

namespace orbigolf::content {

inline constexpr int kLoadingWidth = 420;
inline constexpr int kLoadingHeight = 200;
inline constexpr int kHelpWidth = 600;
inline constexpr int kHelpHeight = 440;

media::Bitmap buildLoadingPicture(const ArtContext& art);
// "help_pull.txt" or "help_push.txt" of content/pages, with the keys of help_keys.txt.
media::Bitmap buildHelpPage(const ArtContext& art, const std::string& pageFile);

}  // namespace orbigolf::content
