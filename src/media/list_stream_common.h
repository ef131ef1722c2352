#pragma once
// Pieces the picture and sound list readers and writers share. Not part of the interface.

#include <string>
#include <string_view>

#include "media/component_stream.h"
#include "platform/ascii_case.h"

namespace orbigolf::media::list_detail {

// Property names are matched without regard to case, as the stream's reader does.
inline bool sameName(std::string_view a, std::string_view b) { return platform::sameIgnoringCase(a, b); }

[[noreturn]] inline void noSuchProperty() { throw MediaError(kPropertyDoesNotExist); }

// Reads the stream up to the first value of "List" and calls readItem(reader) for every item
// of the collection, then the rest of the root object. otherProperty(name, reader) handles
// other root properties (and throws for unknown ones).
template <typename ReadHeader, typename ReadItem, typename OtherProperty>
void readList(ByteView stream, ReadHeader readHeader, ReadItem readItem, OtherProperty other) {
    ComponentReader r(stream);
    r.readSignature();
    readHeader(r.readObjectHeader());
    for (std::string name; !(name = r.readPropertyName()).empty();) {
        if (sameName(name, "List")) {
            r.beginCollection();
            while (!r.endOfList()) {
                r.beginItem();
                readItem(r);
            }
        } else {
            other(name, r);
        }
    }
    // Child objects: none in list files, but a stream may carry them.
    while (!r.endOfList()) r.readObject();
}

}  // namespace orbigolf::media::list_detail
