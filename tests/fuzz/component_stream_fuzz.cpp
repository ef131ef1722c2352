// Any bytes as a picture list, a sound list and a bare component stream: each either reads
// or fails with a MediaError.

#include <cstddef>
#include <cstdint>

#include "media/component_stream.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"

using namespace orbigolf::media;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteView bytes(data, size);
    try {
        PictureListFile list;
        readPictureList(bytes, list);
        // What was read writes back and reads again to the same items.
        if (readPictureList(writePictureList(list)).items != list.items) __builtin_trap();
    } catch (const MediaError&) {
    }
    try {
        SoundListFile list;
        readSoundList(bytes, list);
        if (readSoundList(writeSoundList(list)).items != list.items) __builtin_trap();
    } catch (const MediaError&) {
    }
    try {
        ComponentReader r(bytes);
        r.readSignature();
        r.readObject();
    } catch (const MediaError&) {
    }
    return 0;
}
