#pragma once
// The interface pictures around the panel: the mouse pointer, the full and minimised
// panels, the pressed buttons, the push-putt sign and the name box over a ball.

#include "art_context.h"
#include "media/dib.h"
#include "pixel_font.h"

namespace orbigolf::content {

media::Bitmap buildPointer(const ArtContext& art);
media::Bitmap buildPanel(const ArtContext& art, const PixelFont& font);
media::Bitmap buildPanelMinimised(const ArtContext& art, const PixelFont& font);
// Five 22 x 22 patterns, button 1 to 5 held down.
media::Bitmap buildPressedButtons(const ArtContext& art);
media::Bitmap buildPushPuttSign(const ArtContext& art, const PixelFont& font);
media::Bitmap buildNameBox(const ArtContext& art);

}  // namespace orbigolf::content
