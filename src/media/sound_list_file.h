#pragma once
// Sound list files (".dxw"): a component stream whose root object
// ("TWaveCollectionComponent") stores the collection "List" of sound items.
//
// Building a file (what the content builder needs):
//
//     SoundListFile list;
//     SoundListItem& item = list.items.emplace_back();
//     item.name = "stroke";
//     item.maxPlayingCount = 2;                         // 0: no limit
//     item.setWave(encodeWave16Mono(22050, samples));   // a RIFF/WAVE file in memory
//     saveSoundListFile("sound.dxw", list);
//
// Reading decodes every wave; readSoundList appends to the given model, so after a failure
// it holds the items read completely so far, and the MediaError goes on.

#include <cstdint>
#include <string>
#include <vector>

#include "media/media_error.h"
#include "media/wave.h"

namespace orbigolf::media {

struct SoundListItem {
    std::string name;
    bool looped = false;
    int32_t maxPlayingCount = 0;  // copies of a non-looped item that may sound at once; 0 any

    Bytes riff;  // the stored "Wave.WAVE" data (a RIFF file); empty: no wave stored
    Wave wave;   // decoded (filled by the reader and by setWave)

    void setWave(const Bytes& riffFile);  // stores and decodes it (may throw)

    bool operator==(const SoundListItem& o) const;  // compares stored fields, not wave
};

struct SoundListFile {
    std::string className = "TWaveCollectionComponent";
    std::string objectName;
    std::vector<SoundListItem> items;
};

void readSoundList(ByteView stream, SoundListFile& into);
SoundListFile readSoundList(ByteView stream);
Bytes writeSoundList(const SoundListFile& list);

void loadSoundListFile(const std::string& fileName, SoundListFile& into);
SoundListFile loadSoundListFile(const std::string& fileName);
void saveSoundListFile(const std::string& fileName, const SoundListFile& list);

}  // namespace orbigolf::media
