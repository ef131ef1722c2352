#pragma once
// A minimal JSON writer for the tool's --json output: objects, arrays, strings, numbers and
// Booleans, written in order with commas where they belong.

#include <cstdint>
#include <string>
#include <vector>

namespace orbigolf::assets {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const std::string& k);
    JsonWriter& value(const std::string& v);
    JsonWriter& value(const char* v) { return value(std::string(v)); }
    JsonWriter& value(int64_t v);
    JsonWriter& value(uint32_t v) { return value(int64_t{v}); }
    JsonWriter& value(int v) { return value(int64_t{v}); }
    JsonWriter& value(bool v);

    const std::string& str() const { return out_; }

    // Text as a JSON string: quotes, backslashes and control characters escaped; bytes that
    // are not valid UTF-8 (8-bit names from old data sets) are read as Latin-1.
    static std::string quote(const std::string& text);

private:
    void separate();
    std::string out_;
    std::vector<bool> first_;
    bool afterKey_ = false;
};

}  // namespace orbigolf::assets
