#include "media/picture_list_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>

#include "media/component_stream.h"
#include "test_bytes.h"
#include "scratch_dir.h"

namespace orbigolf::media {
namespace {

using test::errorOf;

Bitmap checker(int32_t w, int32_t h) {
    Bitmap b = makeBitmap(w, h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) b.pixel(x, y) = ((x + y) % 2) ? 0xFFFFFFu : 0x102030u;
    }
    return b;
}

PictureListFile sampleList() {
    PictureListFile list;
    PictureListItem& a = list.items.emplace_back();
    a.name = "balls";
    a.patternWidth = 4;
    a.patternHeight = 2;
    a.skipWidth = 1;
    a.skipHeight = 300;  // needs a 16-bit integer
    a.transparentColor = 0x00FF00FF;  // written as clFuchsia
    a.setDib(checker(9, 4));
    PictureListItem& b = list.items.emplace_back();
    b.name = std::string(280, 'n');  // a long string
    b.transparent = false;
    b.systemMemory = true;
    b.transparentColor = 0x123456;
    b.setDib8(2, 2, {0xFF0000, 0x00FF00}, {0, 1, 1, 0});
    PictureListItem& c = list.items.emplace_back();
    c.name = "file";
    c.setBmpFile(encodeBmp24(checker(3, 3)));
    PictureListItem& d = list.items.emplace_back();
    d.name = "icon";
    d.pictureClass = "TIcon";
    d.pictureData = {1, 2, 3};
    list.items.emplace_back();  // all defaults, no picture
    list.colorTable = Bytes(1024, 7);
    return list;
}

TEST(PictureListFile, WhatTheWriterWritesTheReaderReadsBackUnchanged) {
    const PictureListFile list = sampleList();
    const Bytes bytes = writePictureList(list);
    const PictureListFile back = readPictureList(bytes);
    EXPECT_EQ(back.className, "TPictureCollectionComponent");
    EXPECT_EQ(back.items, list.items);
    EXPECT_EQ(back.colorTable, list.colorTable);
    EXPECT_EQ(back.items[0].bitmap.pixels, checker(9, 4).pixels);
    EXPECT_EQ(back.items[1].bitmap.bitsPerPixel, 8);
    EXPECT_EQ(back.items[2].bitmap.pixels, checker(3, 3).pixels);
    EXPECT_TRUE(back.items[3].bitmap.empty());
    EXPECT_EQ(writePictureList(back), bytes);
}

// A list stream written by hand, for what the writer never produces.
struct HandList {
    ComponentWriter w;
    HandList() {
        w.writeSignature();
        w.writeObjectHeader({0, std::nullopt, "TPictureCollectionComponent", "gui"});
        w.writePropertyName("List");
        w.beginCollection();
    }
    void item(const std::function<void(ComponentWriter&)>& props, std::optional<int> order = {}) {
        if (order) w.writeInteger(*order);
        w.beginItem();
        props(w);
        w.writeEndOfList();
    }
    Bytes finish() {
        w.writeEndOfList();
        w.writeEndOfList();
        w.writeEndOfList();
        return w.bytes();
    }
};

TEST(PictureListFile, DefaultsOrderNumbersAndValueKinds) {
    HandList h;
    h.item([](ComponentWriter& w) { w.writePropertyName("Name"); w.writeString("second"); }, 9);
    h.item([](ComponentWriter& w) {
        w.writePropertyName("Name");
        StreamValue wide;
        wide.tag = ValueTag::WString;
        wide.wide = u"wide";
        w.writeValue(wide);
        w.writePropertyName("PatternWidth");
        StreamValue v;
        v.tag = ValueTag::Int32;  // a small value in a wide tag
        v.integer = 3;
        w.writeValue(v);
        w.writePropertyName("TransparentColor");
        w.writeIdent("clBtnFace");
        w.writePropertyName("patternheight");  // names match without regard to case
        w.writeInteger(2);
    }, 1);
    const PictureListFile list = readPictureList(h.finish());
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.objectName, "gui");
    EXPECT_EQ(list.items[0].name, "second");  // file order, not the order numbers
    EXPECT_TRUE(list.items[0].transparent);
    EXPECT_EQ(list.items[0].transparentColor, 0);
    EXPECT_EQ(list.items[0].patternWidth, 0);
    EXPECT_EQ(list.items[1].name, "wide");
    EXPECT_EQ(list.items[1].patternWidth, 3);
    EXPECT_EQ(list.items[1].patternHeight, 2);
    EXPECT_EQ(list.items[1].transparentColor, int32_t(0x8000000Fu));
}

TEST(PictureListFile, PictureClassesOtherThanBitmapsGiveEmptyPictures) {
    HandList h;
    auto withData = [&](const Bytes& data) {
        h.item([&](ComponentWriter& w) {
            w.writePropertyName("Picture.Data");
            w.writeBinary(data);
        });
    };
    withData({});
    withData({4, 't', 'd', 'i', 'b', 40, 0});  // class names match exactly
    withData({0, 1, 2});
    const PictureListFile list = readPictureList(h.finish());
    ASSERT_EQ(list.items.size(), 3u);
    for (const auto& item : list.items) EXPECT_TRUE(item.bitmap.empty());
    EXPECT_EQ(list.items[1].pictureClass, "tdib");
}

TEST(PictureListFile, FailuresKeepTheItemsReadSoFar) {
    auto failing = [](const std::function<void(ComponentWriter&)>& bad) {
        HandList h;
        h.item([](ComponentWriter& w) { w.writePropertyName("Name"); w.writeString("good"); });
        h.item(bad);
        PictureListFile list;
        const std::string error = errorOf([&] { readPictureList(h.finish(), list); });
        EXPECT_EQ(list.items.size(), 1u);
        return error;
    };
    EXPECT_EQ(failing([](ComponentWriter& w) { w.writePropertyName("Colour"); w.writeInteger(1); }),
              kPropertyDoesNotExist);
    EXPECT_EQ(failing([](ComponentWriter& w) {
                  w.writePropertyName("Picture.Data");
                  Bytes dib{4, 'T', 'D', 'I', 'B'};
                  test::ByteBuilder header = test::infoHeader(1, 1, 24, 0, 0, 40);
                  header.bytes[0] = 64;  // neither 12 nor 40
                  dib.insert(dib.end(), header.bytes.begin(), header.bytes.end());
                  w.writeBinary(dib);
              }),
              kDibIsInvalid);
    EXPECT_EQ(failing([](ComponentWriter& w) {
                  w.writePropertyName("Picture.Data");
                  Bytes dib{4, 'T', 'D', 'I', 'B'};
                  const Bytes header = test::infoHeader(1, 1, 24, 7).zeros(4).bytes;  // compression 7
                  dib.insert(dib.end(), header.begin(), header.end());
                  w.writeBinary(dib);
              }),
              kDibIsInvalid);
    EXPECT_EQ(failing([](ComponentWriter& w) { w.writePropertyName("Transparent"); w.writeInteger(1); }),
              kInvalidStreamFormat);

    // Unknown root property; wrong signature.
    ComponentWriter root;
    root.writeSignature();
    root.writeObjectHeader({0, std::nullopt, "TPictureCollectionComponent", ""});
    root.writePropertyName("Tag");
    root.writeInteger(0);
    EXPECT_EQ(errorOf([&] { readPictureList(root.bytes()); }), kPropertyDoesNotExist);
    EXPECT_EQ(errorOf([] { readPictureList(Bytes{'T', 'P', 'F', '9', 0}); }), kInvalidStreamFormat);

    // Every cut of a good list fails with a message and keeps whole items only.
    const PictureListFile full = sampleList();
    const Bytes bytes = writePictureList(full);
    for (size_t n = 0; n < bytes.size(); n += 7) {
        PictureListFile list;
        const std::string e = errorOf([&] { readPictureList(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(n)), list); });
        EXPECT_FALSE(e.empty()) << n;
        ASSERT_LE(list.items.size(), full.items.size());
        for (size_t i = 0; i < list.items.size(); ++i) EXPECT_EQ(list.items[i], full.items[i]);
    }
}

// A "TDIB" item of an RLE8 picture whose rows are only "end of bitmap".
void blankRleItem(HandList& h, int32_t width, int32_t height) {
    h.item([&](ComponentWriter& w) {
        Bytes data{4, 'T', 'D', 'I', 'B'};
        const Bytes dib = test::infoHeader(width, height, 8, 1, 1).u32(0).raw({0, 1}).bytes;
        data.insert(data.end(), dib.begin(), dib.end());
        w.writePropertyName("Picture.Data");
        w.writeBinary(data);
    });
}

TEST(PictureListFile, WhatTheListsPicturesMayTakeIsBounded) {
    // A few bytes of run-length data cannot claim a large picture ...
    HandList big;
    blankRleItem(big, 256, 256);
    blankRleItem(big, 2048, 2048);
    PictureListFile list;
    EXPECT_EQ(errorOf([&] { readPictureList(big.finish(), list); }), kDibIsInvalid);
    EXPECT_EQ(list.items.size(), 1u);

    // ... and all the pictures together stay within the budget, refused before decoding the
    // one that would pass it. Each 256 x 256 item takes 256 KB.
    HandList many;
    for (int i = 0; i < 5; ++i) blankRleItem(many, 256, 256);
    const Bytes bytes = many.finish();
    list = {};
    EXPECT_EQ(errorOf([&] { readPictureList(bytes, list, 1u << 20); }),
              "Picture list is too large: its pictures need more than 1 MB");
    EXPECT_EQ(list.items.size(), 4u);
    EXPECT_EQ(list.items[3].bitmap.width, 256);
    EXPECT_EQ(errorOf([&] { readPictureList(bytes, list, (5u << 18) - 1); }),
              "Picture list is too large: its pictures need more than 1310719 bytes");
    EXPECT_EQ(readPictureList(bytes).items.size(), 5u);
    EXPECT_EQ(kMaxListPictureBytes, size_t{256} << 20);
}

// What reading for display gives is what the full reader gives, less the data and with the
// pictures as display pixels; damage and the budget end it at the same item with the same error.
TEST(PictureListFile, ReadingForDisplayMatchesTheFullReader) {
    auto expectMatches = [](ByteView bytes, size_t budget, const std::string& what) {
        SCOPED_TRACE(what);
        PictureListFile full;
        std::vector<DisplayListItem> shown;
        const std::string error = errorOf([&] { readPictureList(bytes, full, budget); });
        EXPECT_EQ(errorOf([&] { readPictureListForDisplay(bytes, shown, budget); }), error);
        ASSERT_EQ(shown.size(), full.items.size());
        for (size_t i = 0; i < shown.size(); ++i) {
            PictureListItem stored = full.items[i];
            EXPECT_TRUE(shown[i].stored.pictureData.empty());
            EXPECT_TRUE(shown[i].stored.bitmap.empty());
            const Bitmap& b = stored.bitmap;
            stored.pictureData.clear();
            EXPECT_EQ(shown[i].stored, stored);
            ASSERT_EQ(shown[i].surface.width(), b.width);
            ASSERT_EQ(shown[i].surface.height(), b.height);
            for (int32_t y = 0; y < b.height; ++y)
                for (int32_t x = 0; x < b.width; ++x) {
                    const Rgb c = b.pixel(x, y);
                    ASSERT_EQ(shown[i].surface.pixel(x, y), platform::toRgb565(redOf(c), greenOf(c), blueOf(c)));
                }
        }
    };
    const Bytes bytes = writePictureList(sampleList());
    expectMatches(bytes, kMaxListPictureBytes, "whole list");
    for (size_t n = 0; n < bytes.size(); n += 11) {
        expectMatches(ByteView(bytes).first(n), kMaxListPictureBytes, "cut at " + std::to_string(n));
    }
    HandList many;
    for (int i = 0; i < 3; ++i) blankRleItem(many, 256, 256);
    expectMatches(many.finish(), 1u << 19, "over the budget");
}

TEST(PictureListFile, FilesOnDisk) {
    const std::string path = (processScratchDir() / "pictures.dxg").string();
    savePictureListFile(path, sampleList());
    EXPECT_EQ(loadPictureListFile(path).items, sampleList().items);

    PictureListFile kept = sampleList();
    const std::string missing = path + ".missing";
    EXPECT_EQ(errorOf([&] { loadPictureListFile(missing, kept); }), "Cannot open file " + missing);
    EXPECT_EQ(kept.items.size(), sampleList().items.size());  // left as it was
    std::remove(path.c_str());
}

}  // namespace
}  // namespace orbigolf::media
