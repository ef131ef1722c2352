#include "media/picture_list_file.h"

#include "media/component_stream.h"
#include "media/list_stream_common.h"
#include "platform/byte_order.h"

namespace orbigolf::media {

using namespace list_detail;

namespace {

// What the pictures read so far take, against kMaxListPictureBytes.
class DecodeBudget {
public:
    explicit DecodeBudget(size_t limit) : limit_(limit) {}

    // Takes the bytes of a picture of the header's size, or refuses the list.
    void take(const DibHeader& h) {
        const uint64_t height = h.height < 0 ? 0 - uint64_t(int64_t{h.height}) : uint64_t(h.height);
        const uint64_t bytes = uint64_t(h.width < 0 ? 0 : h.width) * height * sizeof(Rgb);
        if (bytes > limit_ - used_) {
            const bool wholeMb = limit_ % (size_t{1} << 20) == 0;
            const std::string limit = wholeMb ? std::to_string(limit_ >> 20) + " MB" : std::to_string(limit_) + " bytes";
            throw MediaError("Picture list is too large: its pictures need more than " + limit);
        }
        used_ += size_t(bytes);
    }

private:
    size_t limit_;
    size_t used_ = 0;
};

// "Picture.Data": a short string naming the picture class, then that class's data. Sets the
// item's class and returns its data ("TBitmap": the BMP file, without the length in front).
ByteView pictureClassData(ByteView data, PictureListItem& item) {
    item.pictureClass.clear();
    item.pictureData.clear();
    item.bitmap = Bitmap{};
    if (data.empty()) return {};
    const size_t nameLength = data[0];
    if (data.size() < 1 + nameLength) throw MediaError(kInvalidStreamFormat);
    item.pictureClass.assign(data.begin() + 1, data.begin() + 1 + std::ptrdiff_t(nameLength));
    ByteView rest = data.subspan(1 + nameLength);
    if (item.pictureClass == "TBitmap") {
        if (rest.size() < 4) throw MediaError("Bitmap is invalid: the length is cut short");
        const uint32_t length = platform::u32At(rest, 0);
        if (length > rest.size() - 4) throw MediaError("Bitmap is invalid: the data is cut short");
        rest = rest.subspan(4, length);
    }
    return rest;
}

// Decodes an item's picture with decodeBmp / decodeDib (or their surface forms) after the
// budget has taken its size. Icons, metafiles and unknown classes give an empty picture.
template <typename Picture>
Picture decodeItemPicture(const PictureListItem& item, ByteView data, DecodeBudget& budget,
                          Picture (*fromBmp)(ByteView), Picture (*fromDib)(ByteView)) {
    if (data.empty()) return {};
    if (item.pictureClass == "TBitmap") {
        budget.take(readBmpHeader(data));
        return fromBmp(data);
    }
    if (item.pictureClass == "TDIB") {
        budget.take(readDibHeader(data));
        return fromDib(data);
    }
    return {};
}

// Reads one item's properties; onPicture(item, data) gets each "Picture.Data" value after
// the item's class has been set from it.
template <typename OnPicture>
void readItem(ComponentReader& r, PictureListItem& item, OnPicture onPicture) {
    for (std::string name; !(name = r.readPropertyName()).empty();) {
        if (sameName(name, "Name")) {
            item.name = r.readString();
        } else if (sameName(name, "PatternHeight")) {
            item.patternHeight = r.readInteger();
        } else if (sameName(name, "PatternWidth")) {
            item.patternWidth = r.readInteger();
        } else if (sameName(name, "Picture.Data")) {
            onPicture(item, pictureClassData(r.readBinaryView(), item));
        } else if (sameName(name, "SkipHeight")) {
            item.skipHeight = r.readInteger();
        } else if (sameName(name, "SkipWidth")) {
            item.skipWidth = r.readInteger();
        } else if (sameName(name, "SystemMemory")) {
            item.systemMemory = r.readBoolean();
        } else if (sameName(name, "Transparent")) {
            item.transparent = r.readBoolean();
        } else if (sameName(name, "TransparentColor")) {
            item.transparentColor = r.readColor();
        } else {
            noSuchProperty();
        }
    }
}

// The whole list: readHeader(objectHeader), readOneItem(reader) per item, the colour table
// checked and given to colorTable(view).
template <typename ReadHeader, typename ReadOneItem, typename ColorTable>
void readListStream(ByteView stream, ReadHeader readHeader, ReadOneItem readOneItem, ColorTable colorTable) {
    readList(stream, readHeader, readOneItem, [&](const std::string& name, ComponentReader& r) {
        if (!sameName(name, "List.ColorTable")) noSuchProperty();
        const ByteView table = r.readBinaryView();
        if (table.size() != 1024) throw MediaError(kInvalidStreamFormat);
        colorTable(table);
    });
}

}  // namespace

void PictureListItem::setDib(const Bitmap& picture) {
    pictureClass = "TDIB";
    pictureData = encodeDib24(picture);
    bitmap = decodeDib(pictureData);
}

void PictureListItem::setDib565(const Bitmap& picture) {
    pictureClass = "TDIB";
    pictureData = encodeDib565(picture);
    bitmap = decodeDib(pictureData);
}

void PictureListItem::setDib8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                              const std::vector<uint8_t>& indices) {
    pictureClass = "TDIB";
    pictureData = encodeDib8(width, height, palette, indices);
    bitmap = decodeDib(pictureData);
}

void PictureListItem::setBmpFile(const Bytes& bmpFile) {
    bitmap = decodeBmp(bmpFile);
    pictureClass = "TBitmap";
    pictureData = bmpFile;
}

bool PictureListItem::operator==(const PictureListItem& o) const {
    return name == o.name && patternHeight == o.patternHeight && patternWidth == o.patternWidth &&
           skipHeight == o.skipHeight && skipWidth == o.skipWidth &&
           systemMemory == o.systemMemory && transparent == o.transparent &&
           transparentColor == o.transparentColor && pictureClass == o.pictureClass &&
           pictureData == o.pictureData;
}

void readPictureList(ByteView stream, PictureListFile& into, size_t limit) {
    DecodeBudget budget(limit);
    readListStream(
        stream,
        [&](const ObjectHeader& h) {
            into.className = h.className;
            into.objectName = h.objectName;
        },
        [&](ComponentReader& r) {
            PictureListItem item;
            readItem(r, item, [&](PictureListItem& it, ByteView data) {
                // Icons, metafiles and unknown classes keep their data as it is, so that a
                // list written back holds it unchanged.
                it.pictureData.assign(data.begin(), data.end());
                it.bitmap = decodeItemPicture<Bitmap>(it, data, budget, decodeBmp, decodeDib);
            });
            into.items.push_back(std::move(item));
        },
        [&](ByteView table) { into.colorTable = Bytes(table.begin(), table.end()); });
}

void readPictureListForDisplay(ByteView stream, std::vector<DisplayListItem>& into, size_t limit) {
    DecodeBudget budget(limit);
    readListStream(
        stream, [](const ObjectHeader&) {},
        [&](ComponentReader& r) {
            DisplayListItem item;
            readItem(r, item.stored, [&](PictureListItem& it, ByteView data) {
                item.surface = decodeItemPicture<platform::Surface>(it, data, budget, decodeBmpSurface,
                                                                    decodeDibSurface);
            });
            into.push_back(std::move(item));
        },
        [](ByteView) {});
}

PictureListFile readPictureList(ByteView stream) {
    PictureListFile list;
    readPictureList(stream, list);
    return list;
}

Bytes writePictureList(const PictureListFile& list) {
    ComponentWriter w;
    w.writeSignature();
    w.writeObjectHeader({0, std::nullopt, list.className, list.objectName});
    w.writePropertyName("List");
    w.beginCollection();
    for (const PictureListItem& item : list.items) {
        w.beginItem();
        // Properties in the order the reader's table lists them; defaults are left out.
        auto integer = [&](const char* name, int32_t v) {
            if (v != 0) {
                w.writePropertyName(name);
                w.writeInteger(v);
            }
        };
        if (!item.name.empty()) {
            w.writePropertyName("Name");
            w.writeString(item.name);
        }
        integer("PatternHeight", item.patternHeight);
        integer("PatternWidth", item.patternWidth);
        if (!item.pictureClass.empty() || !item.pictureData.empty()) {
            Bytes data;
            data.push_back(uint8_t(item.pictureClass.size()));
            data.insert(data.end(), item.pictureClass.begin(), item.pictureClass.end());
            if (item.pictureClass == "TBitmap") {
                platform::putU32(data, uint32_t(item.pictureData.size()));
            }
            data.insert(data.end(), item.pictureData.begin(), item.pictureData.end());
            w.writePropertyName("Picture.Data");
            w.writeBinary(data);
        }
        integer("SkipHeight", item.skipHeight);
        integer("SkipWidth", item.skipWidth);
        if (item.systemMemory) {
            w.writePropertyName("SystemMemory");
            w.writeBoolean(true);
        }
        if (!item.transparent) {
            w.writePropertyName("Transparent");
            w.writeBoolean(false);
        }
        if (item.transparentColor != 0) {
            w.writePropertyName("TransparentColor");
            w.writeColor(item.transparentColor);
        }
        w.writeEndOfList();
    }
    w.writeEndOfList();
    if (list.colorTable) {
        if (list.colorTable->size() != 1024) {
            throw std::invalid_argument("a colour table holds exactly 1024 bytes");
        }
        w.writePropertyName("List.ColorTable");
        w.writeBinary(*list.colorTable);
    }
    w.writeEndOfList();  // root properties
    w.writeEndOfList();  // child objects
    return w.take();
}

void loadPictureListFile(const std::string& fileName, PictureListFile& into) {
    const Bytes bytes = readFileBytes(fileName);
    into.items.clear();
    into.colorTable.reset();
    readPictureList(bytes, into);
}

PictureListFile loadPictureListFile(const std::string& fileName) {
    PictureListFile list;
    loadPictureListFile(fileName, list);
    return list;
}

void savePictureListFile(const std::string& fileName, const PictureListFile& list) {
    writeFileBytes(fileName, writePictureList(list));
}

}  // namespace orbigolf::media
