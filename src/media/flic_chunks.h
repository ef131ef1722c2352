#pragma once
// The sub-chunk decoders of FLIC animations (FLI and FLC). Each takes one chunk's data and
// changes the 8-bit frame buffer (width x height colour indexes, rows top to bottom) or the
// 256-entry palette.
//
// The data comes from a file, so every count and offset is checked: a run that would read
// past the chunk's data or write past the frame buffer throws FlicDamage naming what is
// wrong, and nothing outside the buffers is touched. Runs may continue past the end of a row
// into the next one, as the writers' decoders allow, but never past the last pixel.

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "platform/surface.h"

namespace orbigolf::media {

enum FlicChunkType : uint16_t {
    kFlicColor256 = 4,    // 256-level palette packets
    kFlicDeltaFlc = 7,    // word-oriented line delta (FLC)
    kFlicColor64 = 11,    // 64-level palette packets (FLI)
    kFlicDeltaFli = 12,   // byte-oriented line delta (FLI)
    kFlicBlack = 13,      // clear to index 0
    kFlicByteRun = 15,    // run-length coded full frame
    kFlicLiteral = 16,    // uncompressed full frame
    kFlicStamp = 18,      // postage stamp (a thumbnail, not decoded)
};

inline constexpr uint16_t kFlicMagicFli = 0xAF11;
inline constexpr uint16_t kFlicMagicFlc = 0xAF12;
inline constexpr uint16_t kFlicFrameType = 0xF1FA;
inline constexpr uint16_t kFlicPrefixType = 0xF100;

using FlicPalette = std::array<platform::Rgb, 256>;

// What a damaged chunk throws; the player turns it into a message with the file and frame.
class FlicDamage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FlicFrameBuffer {
    std::span<uint8_t> pixels;  // width * height indexes
    int width = 0;
    int height = 0;
};

// Types 4 and 11 (11 multiplies each component by 4). Returns true: the palette is to be
// applied after every colour chunk.
bool decodeFlicColor(std::span<const uint8_t> data, FlicPalette& palette, bool sixBit);
// Type 12: byte line delta.
void decodeFlicDeltaFli(std::span<const uint8_t> data, const FlicFrameBuffer& frame);
// Type 7: word line delta.
void decodeFlicDeltaFlc(std::span<const uint8_t> data, const FlicFrameBuffer& frame);
// Type 15: byte run.
void decodeFlicByteRun(std::span<const uint8_t> data, const FlicFrameBuffer& frame);
// Type 16: the frame stored as it is.
void decodeFlicLiteral(std::span<const uint8_t> data, const FlicFrameBuffer& frame);
// Type 13.
void decodeFlicBlack(const FlicFrameBuffer& frame);

// Decodes one chunk by its type; other types are ignored. Returns whether the palette changed.
bool decodeFlicChunk(uint16_t type, std::span<const uint8_t> data, const FlicFrameBuffer& frame,
                     FlicPalette& palette);

}  // namespace orbigolf::media
