#pragma once
// Little helpers for writing binary fixtures in tests.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "media/media_error.h"

namespace orbigolf::media::test {

struct ByteBuilder {
    Bytes bytes;

    ByteBuilder& u8(uint32_t v) {
        bytes.push_back(uint8_t(v));
        return *this;
    }
    ByteBuilder& u16(uint32_t v) { return u8(v).u8(v >> 8); }
    ByteBuilder& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    ByteBuilder& text(const std::string& s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    ByteBuilder& raw(std::initializer_list<uint8_t> b) {
        bytes.insert(bytes.end(), b);
        return *this;
    }
    ByteBuilder& raw(const Bytes& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    ByteBuilder& zeros(size_t n) {
        bytes.resize(bytes.size() + n, 0);
        return *this;
    }
};

// A 40-byte info header.
inline ByteBuilder infoHeader(int32_t width, int32_t height, uint16_t bpp, uint32_t compression = 0,
                              uint32_t colorsUsed = 0, uint32_t size = 40) {
    ByteBuilder b;
    b.u32(size).u32(uint32_t(width)).u32(uint32_t(height)).u16(1).u16(bpp).u32(compression);
    b.u32(0).u32(0).u32(0).u32(colorsUsed).u32(0);
    b.zeros(size - 40);
    return b;
}

// The message of the MediaError that f throws ("" when it throws none).
template <typename F>
std::string errorOf(F&& f) {
    try {
        f();
    } catch (const MediaError& e) {
        return e.what();
    }
    return "";
}

}  // namespace orbigolf::media::test
