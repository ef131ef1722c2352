#include "media/component_stream.h"

#include <gtest/gtest.h>

#include "test_bytes.h"

namespace orbigolf::media {
namespace {

using test::ByteBuilder;
using test::errorOf;

StreamValue integer(ValueTag tag, int64_t v) {
    StreamValue s;
    s.tag = tag;
    s.integer = v;
    return s;
}

StreamValue tagged(ValueTag tag) {
    StreamValue s;
    s.tag = tag;
    return s;
}

// One property per value tag, nested lists and collections included.
StreamObject everyTag() {
    StreamObject o;
    o.header.className = "TThing";
    o.header.objectName = "thing1";
    auto add = [&](const std::string& name, StreamValue v) { o.properties.emplace_back(name, v); };
    add("Null", tagged(ValueTag::Null));
    add("Int8", integer(ValueTag::Int8, -128));
    add("Int16", integer(ValueTag::Int16, -32768));
    add("Int32", integer(ValueTag::Int32, INT32_MIN));
    add("Int64", integer(ValueTag::Int64, INT64_MIN + 7));
    add("Currency", integer(ValueTag::Currency, 12345678));
    StreamValue ext = tagged(ValueTag::Extended);
    ext.extended = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};  // 1.0
    add("Extended", ext);
    StreamValue single = tagged(ValueTag::Single);
    single.real = 0.5;
    add("Single", single);
    StreamValue date = tagged(ValueTag::Date);
    date.real = 36526.25;
    add("Date", date);
    StreamValue str = tagged(ValueTag::String);
    str.text = "short";
    add("String", str);
    StreamValue lstr = tagged(ValueTag::LString);
    lstr.text = std::string(300, 'x');
    add("LString", lstr);
    StreamValue u8str = tagged(ValueTag::Utf8String);
    u8str.text = "\xC3\xA9t\xC3\xA9";
    add("Utf8String", u8str);
    StreamValue wstr = tagged(ValueTag::WString);
    wstr.wide = u"w\u00e9\u4e2d";
    add("WString", wstr);
    StreamValue ident = tagged(ValueTag::Ident);
    ident.text = "clRed";
    add("Ident", ident);
    add("False", tagged(ValueTag::False));
    add("True", tagged(ValueTag::True));
    add("Nil", tagged(ValueTag::Nil));
    StreamValue bin = tagged(ValueTag::Binary);
    bin.bytes = {0, 1, 2, 255};
    add("Binary", bin);
    StreamValue set = tagged(ValueTag::Set);
    set.names = {"fsBold", "fsItalic"};
    add("Set", set);
    StreamValue list = tagged(ValueTag::List);
    list.list = {integer(ValueTag::Int8, 1), str, tagged(ValueTag::True)};
    add("List", list);
    StreamValue coll = tagged(ValueTag::Collection);
    CollectionItem first;
    first.order = integer(ValueTag::Int16, 5);
    first.properties.emplace_back("Inner", list);
    CollectionItem second;
    second.properties.emplace_back("Name", str);
    coll.items = {first, second};
    add("Items", coll);
    StreamObject child;
    child.header.flags = 1;
    child.header.position = 3;
    child.header.className = "TChild";
    child.header.objectName = "c";
    child.properties.emplace_back("Empty", tagged(ValueTag::Nil));
    o.children.push_back(child);
    return o;
}

TEST(ComponentStream, EveryValueTagRoundTrips) {
    const StreamObject o = everyTag();
    ComponentWriter w;
    w.writeSignature();
    w.writeObject(o);
    ComponentReader r(w.bytes());
    r.readSignature();
    const StreamObject back = r.readObject();
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(back.header.className, "TThing");
    EXPECT_EQ(back.header.objectName, "thing1");
    ASSERT_EQ(back.properties.size(), o.properties.size());
    for (size_t i = 0; i < o.properties.size(); ++i) {
        EXPECT_EQ(back.properties[i].first, o.properties[i].first);
        EXPECT_TRUE(back.properties[i].second == o.properties[i].second) << o.properties[i].first;
    }
    ASSERT_EQ(back.children.size(), 1u);
    EXPECT_EQ(back.children[0].header.flags, 1 | 2);
    EXPECT_EQ(back.children[0].header.position, 3);
    EXPECT_EQ(back.children[0].header.className, "TChild");
}

TEST(ComponentStream, SkipValueStopsWhereReadValueStops) {
    const StreamObject o = everyTag();
    for (const auto& [name, value] : o.properties) {
        ComponentWriter w;
        w.writeValue(value);
        w.writeInteger(77);  // a marker after the value
        ComponentReader skipper(w.bytes());
        skipper.skipValue();
        EXPECT_EQ(skipper.readInteger(), 77) << name;
        ComponentReader reader(w.bytes());
        reader.readValue();
        EXPECT_EQ(reader.position(), skipper.position() - 2) << name;
    }
}

TEST(ComponentStream, IntegersTakeTheSmallestTagAndReadSigned) {
    ComponentWriter w;
    w.writeInteger(-1);
    w.writeInteger(300);
    w.writeInteger(-70000);
    EXPECT_EQ(w.bytes(), (Bytes{2, 0xFF, 3, 0x2C, 0x01, 4, 0x90, 0xEE, 0xFE, 0xFF}));
    ComponentReader r(w.bytes());
    EXPECT_EQ(r.readInteger(), -1);
    EXPECT_EQ(r.readInteger(), 300);
    EXPECT_EQ(r.readInteger(), -70000);
    // Any integer tag gives an integer, whatever its width.
    const Bytes wideBytes{4, 5, 0, 0, 0};
    EXPECT_EQ(ComponentReader(wideBytes).readInteger(), 5);
}

TEST(ComponentStream, TypedReadsAcceptTheirTagsOnly) {
    const Bytes stringBytes = ByteBuilder()
                                  .u8(6).u8(2).text("ab")
                                  .u8(12).u32(3).text("cde")
                                  .u8(18).u32(2).u16('f').u16(0xE9)
                                  .bytes;
    ComponentReader strings(stringBytes);
    EXPECT_EQ(strings.readString(), "ab");
    EXPECT_EQ(strings.readString(), "cde");
    EXPECT_EQ(strings.readString(), "f\xC3\xA9");
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{7, 1, 'x'})).readString(); }), kInvalidStreamFormat);
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{6, 1, 'x'})).readInteger(); }), kInvalidStreamFormat);
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{2, 1})).readBoolean(); }), kInvalidStreamFormat);
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{21})).readValue(); }), kInvalidStreamFormat);
}

TEST(ComponentStream, ColoursByIdentifierOrNumber) {
    EXPECT_EQ(colourFromIdent("clRed"), 0x0000FF);
    EXPECT_EQ(colourFromIdent("clNavy"), 0x800000);
    EXPECT_EQ(colourFromIdent("clNone"), 0x1FFFFFFF);
    EXPECT_EQ(colourFromIdent("clScrollBar"), int32_t(0x80000000u));
    EXPECT_EQ(colourFromIdent("clInfoBk"), int32_t(0x80000018u));
    EXPECT_EQ(colourFromIdent("clBtnFace"), int32_t(0x8000000Fu));
    EXPECT_EQ(colourFromIdent("clPink"), std::nullopt);
    EXPECT_EQ(identFromColour(0xFF00FF), "clFuchsia");

    ComponentWriter w;
    w.writeColor(0x00FFFF);   // clYellow
    w.writeColor(0x123456);   // no name
    ComponentReader r(w.bytes());
    EXPECT_EQ(r.peekTag(), ValueTag::Ident);
    EXPECT_EQ(r.readColor(), 0x00FFFF);
    EXPECT_EQ(r.readColor(), 0x123456);
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{7, 2, 'c', 'l'})).readColor(); }), kInvalidStreamFormat);
}

TEST(ComponentStream, BadStreamsFailWithTheFormatError) {
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{'T', 'P', 'F', '1'})).readSignature(); }),
              kInvalidStreamFormat);
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(Bytes{'T', 'P'})).readSignature(); }), kInvalidStreamFormat);

    // Every cut of a valid stream fails cleanly.
    ComponentWriter w;
    w.writeSignature();
    w.writeObject(everyTag());
    const Bytes full = w.bytes();
    for (size_t n = 0; n < full.size(); ++n) {
        Bytes cut(full.begin(), full.begin() + std::ptrdiff_t(n));
        EXPECT_EQ(errorOf([&] {
                      ComponentReader r(cut);
                      r.readSignature();
                      r.readObject();
                  }),
                  kInvalidStreamFormat)
            << n;
    }

    // Lengths that run past the data.
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(ByteBuilder().u8(10).u32(0xFFFFFFFF).bytes)).readBinary(); }),
              kInvalidStreamFormat);
    EXPECT_EQ(errorOf([] { ComponentReader(ByteView(ByteBuilder().u8(18).u32(0x80000000).bytes)).skipValue(); }),
              kInvalidStreamFormat);
}

TEST(ComponentStream, DeepNestingIsRefused) {
    Bytes deep(1000, uint8_t(ValueTag::List));
    EXPECT_EQ(errorOf([&] { ComponentReader(deep).readValue(); }), kInvalidStreamFormat);
    EXPECT_EQ(errorOf([&] { ComponentReader(deep).skipValue(); }), kInvalidStreamFormat);
}

}  // namespace
}  // namespace orbigolf::media
