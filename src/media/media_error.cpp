#include "media/media_error.h"

#include "media/file_lookup.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace orbigolf::media {

std::string cannotOpenMessage(const std::string& fileName) { return "Cannot open file " + fileName; }

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

Bytes readFileBytes(const std::string& requested, size_t maxBytes) {
    const std::string fileName = resolveFileName(requested);
    // Only regular files: a directory or a device would either fail late or never end.
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > maxBytes) {
        throw MediaError(cannotOpenMessage(requested));
    }
    File f(std::fopen(fileName.c_str(), "rb"));
    if (!f) throw MediaError(cannotOpenMessage(requested));
    Bytes out;
    uint8_t buf[65536];
    for (;;) {
        size_t n = std::fread(buf, 1, sizeof buf, f.get());
        if (n > 0) {
            if (out.size() + n > maxBytes) throw MediaError(cannotOpenMessage(requested));
            out.insert(out.end(), buf, buf + n);
        }
        if (n < sizeof buf) break;
    }
    if (std::ferror(f.get())) throw MediaError(cannotOpenMessage(requested));
    return out;
}

void writeFileBytes(const std::string& fileName, ByteView bytes) {
    const std::string tmp = fileName + ".tmp";
    bool ok = false;
    {
        File f(std::fopen(tmp.c_str(), "wb"));
        if (f) {
            ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size() &&
                 std::fflush(f.get()) == 0;
        }
    }
    if (!ok || std::rename(tmp.c_str(), fileName.c_str()) != 0) {
        std::remove(tmp.c_str());
        throw MediaError("Cannot create file " + fileName);
    }
}

}  // namespace orbigolf::media
