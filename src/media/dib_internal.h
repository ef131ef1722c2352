#pragma once
// Pieces shared by the DIB decoder files. Not part of the media interface.

#include <string>

#include "media/dib.h"

namespace orbigolf::media::dib_detail {

// A fault found while decoding; decodeDib reports it as "DIB is invalid", decodeBmp as
// "Bitmap is invalid: <reason>".
struct DibFault {
    std::string reason;
};

[[noreturn]] inline void fault(const char* reason) { throw DibFault{reason}; }

inline uint32_t u16At(ByteView b, size_t at) { return b[at] | (uint32_t{b[at + 1]} << 8); }
inline uint32_t u32At(ByteView b, size_t at) {
    return b[at] | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) |
           (uint32_t{b[at + 3]} << 24);
}

// RLE8 (bits 8) or RLE4 (bits 4) into indices, bottom-up rows already flipped to top-down
// order in out (width x height). Pixels the stream never sets keep index 0. Runs past the
// right edge are cut; data past the last row or a stream cut short ends the decoding.
void decodeRle(ByteView rle, int bits, int32_t width, int32_t height, std::vector<uint8_t>& out);

}  // namespace orbigolf::media::dib_detail
