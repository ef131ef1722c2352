#include "media/component_stream.h"

#include <cstring>

#include "media/text_codec.h"
#include "platform/byte_order.h"

namespace orbigolf::media {

StreamValue::StreamValue() = default;
StreamValue::~StreamValue() = default;
StreamValue::StreamValue(const StreamValue&) = default;
StreamValue::StreamValue(StreamValue&&) noexcept = default;
StreamValue& StreamValue::operator=(const StreamValue&) = default;
StreamValue& StreamValue::operator=(StreamValue&&) noexcept = default;

// Written out rather than defaulted: clang 14 fails on a defaulted comparison of a type that
// holds a vector of itself.
bool StreamValue::operator==(const StreamValue& o) const {
    return tag == o.tag && integer == o.integer && real == o.real && extended == o.extended &&
           text == o.text && wide == o.wide && bytes == o.bytes && names == o.names &&
           list == o.list && items == o.items;
}

bool CollectionItem::operator==(const CollectionItem& o) const {
    return order == o.order && properties == o.properties;
}

namespace {
// The bits of a value as another type of the same size (std::bit_cast, which the browser
// build's standard library lacks).
template <class To, class From>
To sameBits(From from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

[[noreturn]] void invalid() { throw MediaError(kInvalidStreamFormat); }

bool isIntegerTag(ValueTag t) {
    return t == ValueTag::Int8 || t == ValueTag::Int16 || t == ValueTag::Int32;
}
}  // namespace

// ---- reading primitives -------------------------------------------------------------------

uint8_t ComponentReader::u8() {
    if (pos_ >= data_.size()) invalid();
    return data_[pos_++];
}

ByteView ComponentReader::take(size_t n) {
    if (n > data_.size() - pos_) invalid();
    ByteView v = data_.subspan(pos_, n);
    pos_ += n;
    return v;
}

namespace {
// A little-endian number of 1, 2, 4 or 8 bytes.
uint64_t le(ByteView b) {
    switch (b.size()) {
        case 1: return b[0];
        case 2: return platform::u16At(b, 0);
        case 4: return platform::u32At(b, 0);
        default: return platform::u64At(b, 0);
    }
}
}  // namespace

std::string ComponentReader::shortString() {
    size_t n = u8();
    ByteView b = take(n);
    return std::string(b.begin(), b.end());
}

void ComponentReader::readSignature() {
    if (data_.size() - pos_ < 4 || std::memcmp(data_.data() + pos_, "TPF0", 4) != 0) invalid();
    pos_ += 4;
}

ObjectHeader ComponentReader::readObjectHeader() {
    ObjectHeader h;
    if (pos_ < data_.size() && (data_[pos_] & 0xF0) == 0xF0) {
        h.flags = data_[pos_++] & 0x0F;
        if (h.flags & 2) h.position = readInteger();
    }
    h.className = shortString();
    h.objectName = shortString();
    return h;
}

std::string ComponentReader::readPropertyName() { return shortString(); }

ValueTag ComponentReader::peekTag() const {
    if (pos_ >= data_.size()) invalid();
    return static_cast<ValueTag>(data_[pos_]);
}

bool ComponentReader::endOfList() {
    if (pos_ >= data_.size()) invalid();
    if (data_[pos_] != 0) return false;
    ++pos_;
    return true;
}

// ---- typed values -----------------------------------------------------------------------

int32_t ComponentReader::readInteger() {
    switch (static_cast<ValueTag>(u8())) {
        case ValueTag::Int8: return static_cast<int8_t>(le(take(1)));
        case ValueTag::Int16: return static_cast<int16_t>(le(take(2)));
        case ValueTag::Int32: return static_cast<int32_t>(le(take(4)));
        default: invalid();
    }
}

bool ComponentReader::readBoolean() {
    switch (static_cast<ValueTag>(u8())) {
        case ValueTag::False: return false;
        case ValueTag::True: return true;
        default: invalid();
    }
}

std::string ComponentReader::readString() {
    switch (static_cast<ValueTag>(u8())) {
        case ValueTag::String: return shortString();
        case ValueTag::LString:
        case ValueTag::Utf8String: {
            ByteView b = take(le(take(4)));
            return std::string(b.begin(), b.end());
        }
        case ValueTag::WString: {
            uint64_t count = le(take(4));
            return utf8FromUtf16(utf16FromBytes(take(count * 2)));
        }
        default: invalid();
    }
}

std::string ComponentReader::readIdent() {
    if (static_cast<ValueTag>(u8()) != ValueTag::Ident) invalid();
    return shortString();
}

Bytes ComponentReader::readBinary() {
    const ByteView b = readBinaryView();
    return Bytes(b.begin(), b.end());
}

ByteView ComponentReader::readBinaryView() {
    if (static_cast<ValueTag>(u8()) != ValueTag::Binary) invalid();
    return take(le(take(4)));
}

int32_t ComponentReader::readColor() {
    if (isIntegerTag(peekTag())) return readInteger();
    auto c = colourFromIdent(readIdent());
    if (!c) invalid();
    return *c;
}

void ComponentReader::beginCollection() {
    if (static_cast<ValueTag>(u8()) != ValueTag::Collection) invalid();
}

std::optional<StreamValue> ComponentReader::beginItem() {
    std::optional<StreamValue> order;
    if (isIntegerTag(peekTag())) {
        StreamValue v;
        v.tag = peekTag();
        v.integer = readInteger();
        order = std::move(v);
    }
    if (static_cast<ValueTag>(u8()) != ValueTag::List) invalid();
    return order;
}

// ---- any value ----------------------------------------------------------------------------

StreamValue ComponentReader::readValue() { return readValueAt(0); }
void ComponentReader::skipValue() { skipValueAt(0); }
StreamObject ComponentReader::readObject() { return readObjectAt(0); }

CollectionItem ComponentReader::readItemAt(int depth) {
    CollectionItem item;
    item.order = beginItem();
    for (std::string name; !(name = readPropertyName()).empty();) {
        item.properties.emplace_back(name, readValueAt(depth + 1));
    }
    return item;
}

StreamValue ComponentReader::readValueAt(int depth) {
    if (depth > kMaxNesting) invalid();
    StreamValue v;
    v.tag = peekTag();
    switch (v.tag) {
        case ValueTag::Null:
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Nil: ++pos_; break;
        case ValueTag::List:
            ++pos_;
            while (!endOfList()) v.list.push_back(readValueAt(depth + 1));
            break;
        case ValueTag::Int8:
        case ValueTag::Int16:
        case ValueTag::Int32: v.integer = readInteger(); break;
        case ValueTag::Int64:
        case ValueTag::Currency:
            ++pos_;
            v.integer = static_cast<int64_t>(le(take(8)));
            break;
        case ValueTag::Extended: {
            ++pos_;
            ByteView b = take(10);
            std::memcpy(v.extended.data(), b.data(), 10);
            break;
        }
        case ValueTag::Single:
            ++pos_;
            v.real = sameBits<float>(static_cast<uint32_t>(le(take(4))));
            break;
        case ValueTag::Date:
            ++pos_;
            v.real = sameBits<double>(le(take(8)));
            break;
        case ValueTag::String:
        case ValueTag::LString:
        case ValueTag::Utf8String: v.text = readString(); break;
        case ValueTag::Ident: v.text = readIdent(); break;
        case ValueTag::WString: {
            ++pos_;
            uint64_t count = le(take(4));
            v.wide = utf16FromBytes(take(count * 2));
            break;
        }
        case ValueTag::Binary: v.bytes = readBinary(); break;
        case ValueTag::Set:
            ++pos_;
            for (std::string s; !(s = shortString()).empty();) v.names.push_back(s);
            break;
        case ValueTag::Collection:
            ++pos_;
            while (!endOfList()) v.items.push_back(readItemAt(depth + 1));
            break;
        default: invalid();
    }
    return v;
}

void ComponentReader::skipValueAt(int depth) {
    if (depth > kMaxNesting) invalid();
    switch (static_cast<ValueTag>(u8())) {
        case ValueTag::Null:
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Nil: break;
        case ValueTag::List:
            while (!endOfList()) skipValueAt(depth + 1);
            break;
        case ValueTag::Int8: take(1); break;
        case ValueTag::Int16: take(2); break;
        case ValueTag::Int32:
        case ValueTag::Single: take(4); break;
        case ValueTag::Int64:
        case ValueTag::Currency:
        case ValueTag::Date: take(8); break;
        case ValueTag::Extended: take(10); break;
        case ValueTag::String:
        case ValueTag::Ident: take(u8()); break;
        case ValueTag::Binary:
        case ValueTag::LString:
        case ValueTag::Utf8String: take(le(take(4))); break;
        case ValueTag::WString: take(le(take(4)) * 2); break;
        case ValueTag::Set:
            for (size_t n; (n = u8()) != 0;) take(n);
            break;
        case ValueTag::Collection:
            while (!endOfList()) {
                if (isIntegerTag(peekTag())) skipValueAt(depth + 1);
                if (static_cast<ValueTag>(u8()) != ValueTag::List) invalid();
                while (!readPropertyName().empty()) skipValueAt(depth + 1);
            }
            break;
        default: invalid();
    }
}

StreamObject ComponentReader::readObjectAt(int depth) {
    if (depth > kMaxNesting) invalid();
    StreamObject o;
    o.header = readObjectHeader();
    for (std::string name; !(name = readPropertyName()).empty();) {
        o.properties.emplace_back(name, readValueAt(depth + 1));
    }
    while (!endOfList()) o.children.push_back(readObjectAt(depth + 1));
    return o;
}

// ---- writing --------------------------------------------------------------------------------

void ComponentWriter::raw(const void* p, size_t n) {
    auto b = static_cast<const uint8_t*>(p);
    out_.insert(out_.end(), b, b + n);
}

void ComponentWriter::u32(uint32_t v) {
    platform::putU32(out_, v);
}

void ComponentWriter::shortString(const std::string& s) {
    if (s.size() > 255) throw std::invalid_argument("short string longer than 255 bytes: " + s);
    u8(static_cast<uint8_t>(s.size()));
    raw(s.data(), s.size());
}

void ComponentWriter::writeSignature() { raw("TPF0", 4); }

void ComponentWriter::writeObjectHeader(const ObjectHeader& h) {
    uint8_t flags = h.flags & 0x0F;
    if (h.position) flags |= 2;
    if (flags != 0) {
        u8(0xF0 | flags);
        if (flags & 2) writeInteger(h.position.value_or(0));
    }
    shortString(h.className);
    shortString(h.objectName);
}

void ComponentWriter::writePropertyName(const std::string& name) {
    if (name.empty()) throw std::invalid_argument("empty property name");
    shortString(name);
}

void ComponentWriter::writeEndOfList() { u8(0); }

void ComponentWriter::writeInteger(int32_t v) {
    if (v >= -128 && v <= 127) {
        u8(uint8_t(ValueTag::Int8));
        u8(static_cast<uint8_t>(v));
    } else if (v >= -32768 && v <= 32767) {
        u8(uint8_t(ValueTag::Int16));
        platform::putU16(out_, static_cast<uint32_t>(v));
    } else {
        u8(uint8_t(ValueTag::Int32));
        u32(static_cast<uint32_t>(v));
    }
}

void ComponentWriter::writeBoolean(bool v) { u8(uint8_t(v ? ValueTag::True : ValueTag::False)); }

void ComponentWriter::writeString(const std::string& v) {
    if (v.size() <= 255) {
        u8(uint8_t(ValueTag::String));
        shortString(v);
    } else {
        u8(uint8_t(ValueTag::LString));
        u32(static_cast<uint32_t>(v.size()));
        raw(v.data(), v.size());
    }
}

void ComponentWriter::writeIdent(const std::string& v) {
    u8(uint8_t(ValueTag::Ident));
    shortString(v);
}

void ComponentWriter::writeBinary(ByteView v) {
    u8(uint8_t(ValueTag::Binary));
    u32(static_cast<uint32_t>(v.size()));
    raw(v.data(), v.size());
}

void ComponentWriter::writeColor(int32_t v) {
    if (auto ident = identFromColour(v)) {
        writeIdent(*ident);
    } else {
        writeInteger(v);
    }
}

void ComponentWriter::beginCollection() { u8(uint8_t(ValueTag::Collection)); }
void ComponentWriter::beginItem() { u8(uint8_t(ValueTag::List)); }

void ComponentWriter::writeValue(const StreamValue& v) {
    auto fixed = [&](uint64_t x, int bytes) {
        for (int i = 0; i < bytes; ++i) u8(static_cast<uint8_t>(x >> (8 * i)));
    };
    u8(uint8_t(v.tag));
    switch (v.tag) {
        case ValueTag::Null:
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Nil: break;
        case ValueTag::List:
            for (const auto& e : v.list) writeValue(e);
            u8(0);
            break;
        case ValueTag::Int8: fixed(uint64_t(v.integer), 1); break;
        case ValueTag::Int16: fixed(uint64_t(v.integer), 2); break;
        case ValueTag::Int32: fixed(uint64_t(v.integer), 4); break;
        case ValueTag::Int64:
        case ValueTag::Currency: fixed(uint64_t(v.integer), 8); break;
        case ValueTag::Extended: raw(v.extended.data(), v.extended.size()); break;
        case ValueTag::Single: fixed(sameBits<uint32_t>(static_cast<float>(v.real)), 4); break;
        case ValueTag::Date: fixed(sameBits<uint64_t>(v.real), 8); break;
        case ValueTag::String:
        case ValueTag::Ident: shortString(v.text); break;
        case ValueTag::LString:
        case ValueTag::Utf8String:
            u32(static_cast<uint32_t>(v.text.size()));
            raw(v.text.data(), v.text.size());
            break;
        case ValueTag::WString:
            u32(static_cast<uint32_t>(v.wide.size()));
            for (char16_t c : v.wide) fixed(c, 2);
            break;
        case ValueTag::Binary:
            u32(static_cast<uint32_t>(v.bytes.size()));
            raw(v.bytes.data(), v.bytes.size());
            break;
        case ValueTag::Set:
            for (const auto& s : v.names) shortString(s);
            u8(0);
            break;
        case ValueTag::Collection:
            for (const auto& item : v.items) {
                if (item.order) writeValue(*item.order);
                beginItem();
                for (const auto& [name, value] : item.properties) {
                    writePropertyName(name);
                    writeValue(value);
                }
                u8(0);
            }
            u8(0);
            break;
        default: throw std::invalid_argument("unknown value tag");
    }
}

void ComponentWriter::writeObject(const StreamObject& o) {
    writeObjectHeader(o.header);
    for (const auto& [name, value] : o.properties) {
        writePropertyName(name);
        writeValue(value);
    }
    u8(0);
    for (const auto& child : o.children) writeObject(child);
    u8(0);
}

}  // namespace orbigolf::media
