#include "media/file_read.h"
#include "media/sound_list_file.h"

#include "media/component_stream.h"
#include "media/list_stream_common.h"

namespace orbigolf::media {

using namespace list_detail;

namespace {
void readItem(ComponentReader& r, SoundListFile& into) {
    SoundListItem item;
    for (std::string name; !(name = r.readPropertyName()).empty();) {
        if (sameName(name, "Name")) {
            item.name = r.readString();
        } else if (sameName(name, "Looped")) {
            item.looped = r.readBoolean();
        } else if (sameName(name, "MaxPlayingCount")) {
            item.maxPlayingCount = r.readInteger();
        } else if (sameName(name, "Wave.WAVE")) {
            item.setWave(r.readBinary());
        } else {
            noSuchProperty();
        }
    }
    into.items.push_back(std::move(item));
}
}  // namespace

void SoundListItem::setWave(const Bytes& riffFile) {
    // Only sounds the mixer can play are accepted, so a bad file fails when it is loaded
    // rather than sounding as noise later.
    wave = riffFile.empty() ? Wave{} : decodePlayableWave(riffFile);
    riff = riffFile;
}

bool SoundListItem::operator==(const SoundListItem& o) const {
    return name == o.name && looped == o.looped && maxPlayingCount == o.maxPlayingCount &&
           riff == o.riff;
}

void readSoundList(ByteView stream, SoundListFile& into) {
    readList(
        stream,
        [&](const ObjectHeader& h) {
            into.className = h.className;
            into.objectName = h.objectName;
        },
        [&](ComponentReader& r) { readItem(r, into); },
        [&](const std::string&, ComponentReader&) { noSuchProperty(); });
}

SoundListFile readSoundList(ByteView stream) {
    SoundListFile list;
    readSoundList(stream, list);
    return list;
}

Bytes writeSoundList(const SoundListFile& list) {
    ComponentWriter w;
    w.writeSignature();
    w.writeObjectHeader({0, std::nullopt, list.className, list.objectName});
    w.writePropertyName("List");
    w.beginCollection();
    for (const SoundListItem& item : list.items) {
        w.beginItem();
        if (!item.name.empty()) {
            w.writePropertyName("Name");
            w.writeString(item.name);
        }
        if (item.looped) {
            w.writePropertyName("Looped");
            w.writeBoolean(true);
        }
        if (item.maxPlayingCount != 0) {
            w.writePropertyName("MaxPlayingCount");
            w.writeInteger(item.maxPlayingCount);
        }
        if (!item.riff.empty()) {
            w.writePropertyName("Wave.WAVE");
            w.writeBinary(item.riff);
        }
        w.writeEndOfList();
    }
    w.writeEndOfList();
    w.writeEndOfList();  // root properties
    w.writeEndOfList();  // child objects
    return w.take();
}

void loadSoundListFile(const std::string& fileName, SoundListFile& into) {
    const Bytes bytes = readFileBytes(fileName);
    into.items.clear();
    readSoundList(bytes, into);
}

SoundListFile loadSoundListFile(const std::string& fileName) {
    SoundListFile list;
    loadSoundListFile(fileName, list);
    return list;
}

void saveSoundListFile(const std::string& fileName, const SoundListFile& list) {
    writeFileBytes(fileName, writeSoundList(list));
}

}  // namespace orbigolf::media
