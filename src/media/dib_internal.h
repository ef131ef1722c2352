#pragma once
// Pieces shared by the DIB decoder files. Not part of the media interface.

#include <string>

#include "media/dib.h"
#include "platform/byte_order.h"

namespace orbigolf::media::dib_detail {

// A fault found while decoding; decodeDib reports it as "DIB is invalid", decodeBmp as
// "Bitmap is invalid: <reason>".
struct DibFault {
    std::string reason;
};

[[noreturn]] inline void fault(const char* reason) { throw DibFault{reason}; }

using platform::u16At;
using platform::u32At;

// RLE8 (bits 8) or RLE4 (bits 4) into colours of `palette` (black past its end), bottom-up
// rows already flipped to top-down order in out (width x height pixels, overwritten whole).
// Pixels the stream never sets keep colour index 0. Runs past the right edge are cut; data
// past the last row or a stream cut short ends the decoding. Pixel is Rgb for a Bitmap or
// the display's 16-bit pixel; the palette holds colours of the same form.
template <typename Pixel>
void decodeRle(ByteView rle, int bits, int32_t width, int32_t height, const std::vector<Pixel>& palette,
               Pixel* out);

}  // namespace orbigolf::media::dib_detail
