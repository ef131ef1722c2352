#pragma once
// TDXWaveList: the library layer's sound list. It loads a sound list file and plays its items
// on a TDXSound mixer.
//
// Copy rules: playing a non-looped item reuses a copy that is not playing; otherwise it makes
// a new copy while there are fewer than MaxPlayingCount (always when that is 0); otherwise it
// restarts the oldest copy, which becomes the newest. Every play starts at the beginning. A
// looped item always restarts its one buffer, looping. Nothing waits for the sound.
//
// Sound buffers are made when the list's device is initialised: at load when it already is,
// otherwise at the first play after it has been (or by prepare()).

#include <cstdint>
#include <string>
#include <vector>

#include "media/sound_list_file.h"
#include "platform/sound.h"

namespace orbigolf {

class TWaveCollectionItem {
public:
    TWaveCollectionItem() = default;
    explicit TWaveCollectionItem(media::SoundListItem stored);

    const std::string& name() const { return stored_.name; }
    const media::Wave& wave() const { return stored_.wave; }

    bool looped() const { return stored_.looped; }
    // Changing the flag stops the item.
    void setLooped(bool looped);
    int maxPlayingCount() const { return stored_.maxPlayingCount; }
    // Hundredths of a decibel, 0 full volume, -10000 silence; applies to every copy.
    int volume() const { return volume_; }
    void setVolume(int hundredthsDb);

    void play();
    void stop();
    bool playing() const;

    // The copies made so far, oldest start first.
    int copyCount() const { return static_cast<int>(copies_.size()); }
    const platform::SoundBuffer& copy(int index) const { return copies_.at(size_t(index)); }

    // Makes the first buffer on `sound` (again, if it was made on another device).
    void prepare(platform::TDXSound& sound);
    bool prepared() const { return !copies_.empty(); }

private:
    friend class TDXWaveList;
    media::SoundListItem stored_;
    int volume_ = 0;
    platform::TDXSound* sound_ = nullptr;  // the list's device, for buffers made on demand
    std::vector<platform::SoundBuffer> copies_;
};

class TDXWaveList {
public:
    explicit TDXWaveList(platform::TDXSound* sound = nullptr) : sound_(sound) {}

    void setSound(platform::TDXSound* sound);
    platform::TDXSound* sound() const { return sound_; }

    // Replaces all items with those of a sound list file (see TDXImageList::loadFromFile for
    // the failure rules). Items are prepared at once when the device is initialised.
    void loadFromFile(const std::string& fileName);

    int count() const { return static_cast<int>(items_.size()); }
    // "List index out of bounds (<index>)" outside 0..count-1.
    TWaveCollectionItem& item(int index);
    TWaveCollectionItem* find(const std::string& name);

    // Makes every item's buffer; does nothing while the device is not initialised.
    void prepare();

    void clear();
    void add(media::SoundListItem stored);

private:
    platform::TDXSound* sound_;
    std::vector<TWaveCollectionItem> items_;
};

}  // namespace orbigolf
