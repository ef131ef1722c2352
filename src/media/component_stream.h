#pragma once
// The binary component stream ("TPF0"): a tagged property stream holding one root object
// with properties, collections and child objects. The picture and sound list files are
// such streams; picture_list_file.h and sound_list_file.h give their item models.
//
// ComponentReader reads it piece by piece over a byte span, never past its end; every
// structural fault (short data, unknown tag, wrong value kind, nesting deeper than
// kMaxNesting) throws MediaError("Invalid stream format"). ComponentWriter writes the
// same pieces; what it writes, the reader reads back unchanged.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "media/media_error.h"

namespace orbigolf::media {

enum class ValueTag : uint8_t {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LString = 12,
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16,
    Date = 17,
    WString = 18,
    Int64 = 19,
    // Written by later versions of the stream format for text; read like LString.
    Utf8String = 20,
};

inline constexpr int kMaxNesting = 64;

struct CollectionItem;

// Any value of the stream, as stored. Only the members that belong to the tag are used:
//   integer   Int8/Int16/Int32/Int64, Currency (raw 64-bit count of 1/10000)
//   real      Single, Date
//   extended  Extended (the 10 raw bytes of the 80-bit float)
//   text      String, LString, Utf8String, Ident
//   wide      WString (UTF-16 code units)
//   bytes     Binary
//   names     Set
//   list      List
//   items     Collection
struct StreamValue {
    ValueTag tag = ValueTag::Null;
    int64_t integer = 0;
    double real = 0;
    std::array<uint8_t, 10> extended{};
    std::string text;
    std::u16string wide;
    Bytes bytes;
    std::vector<std::string> names;
    std::vector<StreamValue> list;
    std::vector<CollectionItem> items;

    // Defined where CollectionItem is complete (some compilers need that for the vector).
    StreamValue();
    ~StreamValue();
    StreamValue(const StreamValue&);
    StreamValue(StreamValue&&) noexcept;
    StreamValue& operator=(const StreamValue&);
    StreamValue& operator=(StreamValue&&) noexcept;

    bool operator==(const StreamValue&) const;
};

using Property = std::pair<std::string, StreamValue>;

struct CollectionItem {
    std::optional<StreamValue> order;  // the optional order number written before the item
    std::vector<Property> properties;

    bool operator==(const CollectionItem&) const;
};

// Root or child object header: an optional flags prefix (0xF0 | flags), class and name.
struct ObjectHeader {
    uint8_t flags = 0;  // 1 inherited, 2 child position follows, 4 inline
    std::optional<int32_t> position;
    std::string className;
    std::string objectName;
};

// A whole object as a tree (used by tools and tests; the list loaders read piece by piece).
struct StreamObject {
    ObjectHeader header;
    std::vector<Property> properties;
    std::vector<StreamObject> children;
};

class ComponentReader {
public:
    explicit ComponentReader(ByteView data) : data_(data) {}
    // The reader keeps a view: the bytes must outlive it.
    explicit ComponentReader(Bytes&&) = delete;

    void readSignature();  // "TPF0", else "Invalid stream format"
    ObjectHeader readObjectHeader();
    // The next property name; empty at the end of a property list (the 0 byte is consumed).
    std::string readPropertyName();

    ValueTag peekTag() const;
    // True and consumes the 0 byte when a list, collection or object sequence ends here.
    bool endOfList();

    // Typed reads; a value of another kind is "Invalid stream format".
    int32_t readInteger();  // tags 2, 3, 4
    bool readBoolean();     // tags 8, 9
    std::string readString();  // tags 6, 12, 18 (UTF-16 turned into UTF-8), 20
    std::string readIdent();   // tag 7
    Bytes readBinary();        // tag 10
    ByteView readBinaryView(); // tag 10, a view into the stream's bytes (no copy)
    // A colour: integer, or an identifier from colourFromIdent.
    int32_t readColor();

    StreamValue readValue();  // any tag, as stored
    void skipValue();         // any tag, without keeping it

    // Starts a collection value: consumes tag 14. Then, per item: endOfList() to test for
    // the end, beginItem() which reads the optional order number and the tag 1.
    void beginCollection();
    std::optional<StreamValue> beginItem();

    StreamObject readObject();  // header, properties, children

    size_t position() const { return pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

private:
    uint8_t u8();
    ByteView take(size_t n);
    std::string shortString();
    StreamValue readValueAt(int depth);
    void skipValueAt(int depth);
    CollectionItem readItemAt(int depth);
    StreamObject readObjectAt(int depth);

    ByteView data_;
    size_t pos_ = 0;
};

class ComponentWriter {
public:
    void writeSignature();
    void writeObjectHeader(const ObjectHeader& header);
    void writePropertyName(const std::string& name);  // 1..255 bytes
    void writeEndOfList();                            // the 0 byte

    void writeInteger(int32_t v);  // smallest of tags 2, 3, 4
    void writeBoolean(bool v);
    void writeString(const std::string& v);  // tag 6 up to 255 bytes, else 12
    void writeIdent(const std::string& v);
    void writeBinary(ByteView v);
    void writeColor(int32_t v);  // identifier when the value has one, else integer

    void writeValue(const StreamValue& v);  // any value, with the tag it carries
    void beginCollection();                 // tag 14
    void beginItem();                       // tag 1 (no order number)
    void writeObject(const StreamObject& object);

    const Bytes& bytes() const { return out_; }
    Bytes take() { return std::move(out_); }

private:
    void u8(uint8_t v) { out_.push_back(v); }
    void raw(const void* p, size_t n);
    void u32(uint32_t v);
    void shortString(const std::string& s);

    Bytes out_;
};

// Colour identifiers: "clRed" -> 0x0000FF, system colours 0x80000000 + index, "clNone".
std::optional<int32_t> colourFromIdent(const std::string& ident);
std::optional<std::string> identFromColour(int32_t colour);

}  // namespace orbigolf::media
