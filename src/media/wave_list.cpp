#include "media/wave_list.h"

#include <algorithm>

#include "media/media_error.h"

namespace orbigolf {

TWaveCollectionItem::TWaveCollectionItem(media::SoundListItem stored) : stored_(std::move(stored)) {
    stored_.riff.clear();  // the decoded wave is all the list needs
}

void TWaveCollectionItem::prepare(platform::TDXSound& sound) {
    stop();
    copies_.clear();
    sound_ = &sound;
    const media::WaveFormat& f = stored_.wave.format;
    const platform::PcmFormat format{f.channels, int(f.samplesPerSec), f.bitsPerSample};
    platform::SoundBuffer buffer = sound.createBuffer(format, stored_.wave.samples);
    buffer.setTag(stored_.name);
    buffer.setVolume(volume_);
    copies_.push_back(std::move(buffer));
}

void TWaveCollectionItem::setLooped(bool looped) {
    if (looped != stored_.looped) stop();
    stored_.looped = looped;
}

void TWaveCollectionItem::setVolume(int hundredthsDb) {
    volume_ = std::clamp(hundredthsDb, platform::kVolumeMin, platform::kVolumeMax);
    for (auto& c : copies_) c.setVolume(volume_);
}

void TWaveCollectionItem::play() {
    if (copies_.empty()) {
        if (sound_ == nullptr || !sound_->initialized()) return;
        prepare(*sound_);
    }
    if (stored_.looped) {
        copies_.front().play(true);
        return;
    }
    // The copy that starts now moves to the back: copies_ stays ordered by start.
    auto restart = [&](size_t i) {
        platform::SoundBuffer b = copies_[i];
        copies_.erase(copies_.begin() + std::ptrdiff_t(i));
        b.play(false);
        copies_.push_back(std::move(b));
    };
    for (size_t i = 0; i < copies_.size(); ++i) {
        if (!copies_[i].playing()) {
            restart(i);
            return;
        }
    }
    const int limit = stored_.maxPlayingCount;
    if (limit <= 0 || copies_.size() < size_t(limit)) {
        platform::SoundBuffer b = copies_.front().duplicate();
        b.setVolume(volume_);
        b.play(false);
        copies_.push_back(std::move(b));
        return;
    }
    restart(0);
}

void TWaveCollectionItem::stop() {
    for (auto& c : copies_) c.stop();
}

bool TWaveCollectionItem::playing() const {
    for (const auto& c : copies_) {
        if (c.playing()) return true;
    }
    return false;
}

void TDXWaveList::setSound(platform::TDXSound* sound) {
    sound_ = sound;
    for (auto& it : items_) {
        it.stop();
        it.copies_.clear();
        it.sound_ = sound;
    }
}

void TDXWaveList::loadFromFile(const std::string& fileName) {
    media::withFileBytes(fileName, [&](media::ByteView bytes) {
        clear();
        media::SoundListFile file;
        try {
            media::readSoundList(bytes, file);
        } catch (...) {
            for (auto& stored : file.items) add(std::move(stored));
            prepare();
            throw;
        }
        for (auto& stored : file.items) add(std::move(stored));
        prepare();
    });
}

TWaveCollectionItem& TDXWaveList::item(int index) {
    if (index < 0 || index >= count()) {
        throw media::MediaError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return items_[size_t(index)];
}

TWaveCollectionItem* TDXWaveList::find(const std::string& name) {
    for (auto& it : items_) {
        if (it.name() == name) return &it;
    }
    return nullptr;
}

void TDXWaveList::prepare() {
    if (sound_ == nullptr || !sound_->initialized()) return;
    for (auto& it : items_) it.prepare(*sound_);
}

void TDXWaveList::clear() {
    for (auto& it : items_) it.stop();
    items_.clear();
}

void TDXWaveList::add(media::SoundListItem stored) {
    TWaveCollectionItem& it = items_.emplace_back(std::move(stored));
    it.sound_ = sound_;
}

}  // namespace orbigolf
