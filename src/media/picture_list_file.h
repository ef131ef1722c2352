#pragma once
// Picture list files (".dxg"): a component stream whose root object
// ("TPictureCollectionComponent") stores the collection "List" of picture items and,
// optionally, the 1024-byte colour table "List.ColorTable".
//
// Building a file (what the content builder needs):
//
//     PictureListFile list;
//     PictureListItem& item = list.items.emplace_back();
//     item.name = "ball";
//     item.patternWidth = 16; item.patternHeight = 16;    // 0: the whole picture
//     item.transparentColor = 0x00FF00FF;                 // 0x00BBGGRR
//     item.setDib(bitmap);                                // 24-bit "TDIB" payload
//     // or item.setDib8(width, height, palette, indices) for an 8-bit one,
//     // or item.setBmpFile(bytesOfABmpFile) for a "TBitmap" payload
//     savePictureListFile("gui.dxg", list);
//
// Reading decodes every picture (within kMaxListPictureBytes); readPictureList appends to the given file model, so after
// a failure it holds the items read completely so far, and the MediaError goes on.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/dib.h"
#include "media/media_error.h"

namespace orbigolf::media {

struct PictureListItem {
    std::string name;
    int32_t patternHeight = 0;  // cell height; 0 means the picture's height
    int32_t patternWidth = 0;   // cell width; 0 means the picture's width
    int32_t skipHeight = 0;
    int32_t skipWidth = 0;
    bool systemMemory = false;
    bool transparent = true;
    int32_t transparentColor = 0;  // 0x00BBGGRR, or a system colour 0x80000000 + index

    // The stored picture: its class ("" none, "TDIB", "TBitmap", "TIcon", "TMetafile")
    // and that class's data ("TDIB": the packed DIB; "TBitmap": the whole BMP file, the
    // writer adds the length in front).
    std::string pictureClass;
    Bytes pictureData;

    // The decoded picture (filled by the reader and by the set* helpers; the writer only
    // writes pictureClass and pictureData). Empty for "", "TIcon", "TMetafile".
    Bitmap bitmap;

    void setDib(const Bitmap& picture);     // 24-bit "TDIB"
    void setDib565(const Bitmap& picture);  // 16-bit 5-6-5 "TDIB"
    void setDib8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                 const std::vector<uint8_t>& indices);  // 8-bit "TDIB"
    void setBmpFile(const Bytes& bmpFile);              // "TBitmap"; decodes it (may throw)

    bool operator==(const PictureListItem& o) const;  // compares stored fields, not bitmap
};

// Every picture of a list is decoded when the list is read; together they may take at most
// this many bytes (as Bitmap pixels), far above any real list. A list claiming more fails
// with "Picture list is too large" before the picture that would pass the limit is decoded.
inline constexpr size_t kMaxListPictureBytes = size_t{256} << 20;

struct PictureListFile {
    std::string className = "TPictureCollectionComponent";
    std::string objectName;
    std::vector<PictureListItem> items;
    std::optional<Bytes> colorTable;  // exactly 1024 bytes: 256 x (blue, green, red, 0)
};

// `budget`: what the list's pictures may take together (kMaxListPictureBytes unless a test
// sets a smaller one).
void readPictureList(ByteView stream, PictureListFile& into, size_t budget = kMaxListPictureBytes);
PictureListFile readPictureList(ByteView stream);

// Reading for drawing only: per item its stored fields (pictureClass set, pictureData and
// bitmap left empty) and its picture decoded straight into the display's pixels (empty
// for "", "TIcon", "TMetafile"). Neither the data nor a 32-bit copy is kept, so a list
// read this way holds 2 bytes per pixel. The same checks, budget and errors as
// readPictureList; items are appended, so after a failure `into` holds those read completely.
struct DisplayListItem {
    PictureListItem stored;
    platform::Surface surface;
};
void readPictureListForDisplay(ByteView stream, std::vector<DisplayListItem>& into,
                               size_t budget = kMaxListPictureBytes);
Bytes writePictureList(const PictureListFile& list);

// File versions: "Cannot open file <name>" when unreadable (the model is then untouched).
void loadPictureListFile(const std::string& fileName, PictureListFile& into);
PictureListFile loadPictureListFile(const std::string& fileName);
void savePictureListFile(const std::string& fileName, const PictureListFile& list);

}  // namespace orbigolf::media
