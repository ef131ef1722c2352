// Any bytes as a RIFF/WAVE file: it decodes to samples no longer than the input, or fails
// with "Wave is invalid".

#include <cstddef>
#include <cstdint>

#include "media/wave.h"

using namespace orbigolf::media;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteView bytes(data, size);
    try {
        const Wave w = decodeWave(bytes);
        if (w.samples.size() > size) __builtin_trap();
        if (w.format.isPlayablePcm()) {
            const Wave again = decodePlayableWave(encodeWave(w));
            if (again.samples != w.samples) __builtin_trap();
        }
    } catch (const MediaError&) {
    }
    return 0;
}
