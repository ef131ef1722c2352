#include "json_line.h"

#include <cmath>
#include <cstdio>

namespace orbigolf::tools {

namespace {

void write(const Json& v, std::string& out) {
    switch (v.type()) {
        case Json::value_t::object: {
            out += '{';
            bool first = true;
            for (const auto& [key, member] : v.items()) {
                if (!first) out += ',';
                first = false;
                out += Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
                out += ':';
                write(member, out);
            }
            out += '}';
            break;
        }
        case Json::value_t::array: {
            out += '[';
            for (size_t i = 0; i < v.size(); ++i) {
                if (i > 0) out += ',';
                write(v[i], out);
            }
            out += ']';
            break;
        }
        case Json::value_t::number_float: {
            const double x = v.get<double>();
            if (!std::isfinite(x)) {
                out += "null";
                break;
            }
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.17g", x);
            out += buf;
            break;
        }
        default:
            // A string that is not UTF-8 gets U+FFFD for each bad byte instead of an exception.
            out += v.dump(-1, ' ', false, Json::error_handler_t::replace);
            break;
    }
}

// Length of the valid UTF-8 sequence at text[i], or 0.
size_t utf8Length(const std::string& text, size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > text.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    }
    return n;
}

}  // namespace

std::string jsonLine(const Json& value) {
    std::string out;
    write(value, out);
    return out;
}

std::string utf8Text(const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        if (const size_t n = utf8Length(bytes, i); n > 0) {
            out.append(bytes, i, n);
            i += n;
        } else {
            const auto c = static_cast<unsigned char>(bytes[i++]);
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace orbigolf::tools
