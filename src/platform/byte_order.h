#pragma once
// Little-endian numbers in byte buffers: every file format the game reads stores them so.
// Callers check the bounds; these only assemble and split the bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orbigolf::platform {

inline uint32_t u16At(std::span<const uint8_t> b, size_t at) {
    return b[at] | (uint32_t{b[at + 1]} << 8);
}

inline uint32_t u32At(std::span<const uint8_t> b, size_t at) {
    return u16At(b, at) | (u16At(b, at + 2) << 16);
}

inline uint64_t u64At(std::span<const uint8_t> b, size_t at) {
    return u32At(b, at) | (uint64_t{u32At(b, at + 4)} << 32);
}

// Appends the low 16 or 32 bits of v, low byte first.
inline void putU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

inline void putU32(std::vector<uint8_t>& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

}  // namespace orbigolf::platform
