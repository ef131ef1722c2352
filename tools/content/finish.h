#pragma once
// Turns a drawn canvas into the bitmap that is stored: every colour is brought onto the
// 16-bit (5-6-5) grid the game draws with, gradients with an ordered dither so they do
// not band, and colour-keyed pictures keep pure black for "nothing here" only.

#include <cstdint>
#include <vector>

#include "canvas.h"
#include "media/dib.h"
#include "media/picture_list_file.h"

namespace orbigolf::content {

struct FinishOptions {
    // Keyed pictures: nearly empty pixels become the black key, every other pixel is
    // kept off black so the key never punches holes into the art.
    bool keyed = true;
    int alphaCutoff = 10;  // keyed pixels with less coverage (0..255) are the key
    // Partly covered pixels are laid over this colour (for pictures drawn in a known
    // place, so soft edges blend with what will be around them).
    Colour matte{0, 0, 0, 1};
    bool dither = true;
};

// The darkest colour that is still not the key once reduced to 5-6-5.
inline constexpr media::Rgb kDarkestNonKey = media::makeRgb(0, 4, 8);

// 8-bit component <-> 5- or 6-bit level, the way a 16-bit display widens levels again.
uint8_t widenLevel(int level, int bits);
// Nearest level, ties to even.
int nearestLevel(uint8_t value, int bits);

media::Bitmap finishCanvas(const Canvas& canvas, const FinishOptions& options = {});

// Stores the bitmap in the item: 8 bits per pixel (sorted palette) when it has at most
// 256 colours, 16 bits (5-6-5) otherwise: the game draws every list picture in 16-bit
// colour, so the list holds what it shows, a third smaller and without conversion.
void storePicture(media::PictureListItem& item, const media::Bitmap& bitmap);
// The same choice for a stand-alone ".bmp" file, with 24 bits for the many-coloured ones
// (stand-alone pictures are also read as 24-bit colours, such as the ball textures).
media::Bytes encodeBmpFile(const media::Bitmap& bitmap);

// Places frames side by side into one picture of columns x rows cells.
media::Bitmap tileFrames(const std::vector<media::Bitmap>& frames, int columns);

}  // namespace orbigolf::content
