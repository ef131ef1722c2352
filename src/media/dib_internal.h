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

// RLE8 (bits 8) or RLE4 (bits 4) into indices, bottom-up rows already flipped to top-down
// order in out (width x height). Pixels the stream never sets keep index 0. Runs past the
// right edge are cut; data past the last row or a stream cut short ends the decoding.
void decodeRle(ByteView rle, int bits, int32_t width, int32_t height, std::vector<uint8_t>& out);

}  // namespace orbigolf::media::dib_detail
