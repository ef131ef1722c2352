// Any bytes as an AVI movie: it opens and plays (a few frames and its sound) or is refused
// with MovieError; never a crash or a hang.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/movie/movie.h"

using namespace orbigolf::platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        Movie m = Movie::fromBytes(std::vector<uint8_t>(data, data + size), "fuzz.avi");
        Surface s;
        for (int i = 0; i < 8 && m.nextFrame(s); ++i) {
            if (s.width() != m.info().width || s.height() != m.info().height) __builtin_trap();
        }
        m.soundTrack();
    } catch (const MovieError&) {
    }
    return 0;
}
