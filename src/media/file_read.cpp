#include "media/media_error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "media/file_lookup.h"
#include "platform/data_file.h"
#include "platform/per_thread.h"

namespace orbigolf::media {

namespace {

// Files from this size on are mapped rather than read (smaller ones cost less to copy than
// to map).
constexpr size_t kMapFilesFrom = size_t{64} << 10;

// Opens the file for reading and gives its size, or the reason it cannot be read.
std::optional<std::string> openRegular(const std::string& requested, size_t maxBytes,
                                       platform::DataFile& f, size_t& size) {
    if (auto why = f.open(resolveFileName(requested))) return why;
    if (f.size() > maxBytes) return "larger than " + std::to_string(maxBytes) + " bytes";
    size = static_cast<size_t>(f.size());
    return std::nullopt;
}

// The rest of the open file's bytes into `out`, which starts at the size the file had when
// it was opened, or the reason they cannot be read.
template <typename Buffer>
std::optional<std::string> readOpened(platform::DataFile& f, size_t maxBytes, Buffer& out) {
    size_t have = 0;
    for (;;) {
        // The size may have changed since the open: read until the end, within the cap.
        if (have == out.size()) {
            // Usually the end of the file. A probe into a small buffer tells it from a file
            // that grew, so that the buffer only grows (and is copied) when it has to.
            uint8_t probe[4096];
            const size_t room = maxBytes - have;
            size_t n = 0;
            if (auto why = f.read(probe, room == 0 ? 1 : std::min(sizeof probe, room), n)) return why;
            if (n == 0) break;
            if (room == 0) return "larger than " + std::to_string(maxBytes) + " bytes";
            out.resize(std::min(maxBytes, std::max<size_t>({have * 2, have + n, 4096})));
            std::memcpy(out.data() + have, probe, n);
            have += n;
            continue;
        }
        size_t n = 0;
        if (auto why = f.read(out.data() + have, out.size() - have, n)) return why;
        if (n == 0) break;
        have += n;
    }
    out.resize(have);
    return std::nullopt;
}

// The file's bytes into `out`, or the reason it cannot be read.
template <typename Buffer>
std::optional<std::string> readInto(const std::string& requested, size_t maxBytes, Buffer& out) {
    platform::DataFile f;
    size_t size = 0;
    if (auto why = openRegular(requested, maxBytes, f, size)) return why;
    out.resize(size);
    return readOpened(f, maxBytes, out);
}

// Bytes whose growth neither clears the new part nor gives back what it had: the buffer
// withFileBytes keeps between reads.
class ReuseBuffer {
public:
    uint8_t* data() { return data_.get(); }
    size_t size() const { return size_; }
    void resize(size_t n) {
        if (n > capacity_) {
            // Untouched capacity costs no memory, so it grows by half again to spare the
            // copies of a file that keeps growing while it is read.
            const size_t capacity = std::max(n, capacity_ + capacity_ / 2);
            std::unique_ptr<uint8_t[]> bigger(new uint8_t[capacity]);
            if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
            data_ = std::move(bigger);
            capacity_ = capacity;
        }
        size_ = n;
    }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t capacity_ = 0;
    size_t size_ = 0;
};

std::string cannotOpen(const std::string& fileName) {
    return "Cannot open file " + fileName;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

Bytes readFileBytes(const std::string& fileName, size_t maxBytes) {
    Bytes out;
    if (auto why = readInto(fileName, maxBytes, out))
        throw FileError(cannotOpen(fileName), std::move(*why));
    return out;
}

void withFileBytes(const std::string& fileName, const std::function<void(ByteView)>& use,
                   size_t maxBytes) {
    platform::DataFile f;
    size_t size = 0;
    if (auto why = openRegular(fileName, maxBytes, f, size))
        throw FileError(cannotOpen(fileName), std::move(*why));
    // Big files are parsed where the system holds them, without a copy.
    if (size >= kMapFilesFrom) {
        try {
            if (f.withMapped(size, use)) return;
        } catch (const platform::FileChangedError& e) {
            throw FileError(cannotOpen(fileName), e.what());
        }
    }
    ORBIGOLF_PER_THREAD ReuseBuffer kept;
    ORBIGOLF_PER_THREAD bool inUse = false;
    ReuseBuffer own;
    ReuseBuffer& buffer = inUse ? own : kept;
    buffer.resize(size);
    if (auto why = readOpened(f, maxBytes, buffer))
        throw FileError(cannotOpen(fileName), std::move(*why));
    struct Release {
        bool& flag;
        bool was;
        ~Release() { flag = was; }
    } release{inUse, inUse};
    inUse = true;
    use(ByteView(buffer.data(), buffer.size()));
}

std::optional<std::string> readFileText(const std::string& fileName, size_t maxBytes,
                                        std::string* whyNot) {
    std::string out;
    if (auto why = readInto(fileName, maxBytes, out)) {
        if (whyNot != nullptr) *whyNot = cannotOpen(fileName) + ": " + *why;
        return std::nullopt;
    }
    return out;
}

void writeFileBytes(const std::string& fileName, ByteView bytes) {
    const std::string tmp = fileName + ".tmp";
    int error = 0;
    {
        std::unique_ptr<std::FILE, FileCloser> f(std::fopen(tmp.c_str(), "wb"));
        if (!f) {
            error = errno;
        } else if ((!bytes.empty() &&
                    std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) ||
                   std::fflush(f.get()) != 0) {
            error = errno != 0 ? errno : EIO;
        }
    }
    if (error == 0 && std::rename(tmp.c_str(), fileName.c_str()) != 0) error = errno;
    if (error != 0) {
        std::remove(tmp.c_str());
        throw FileError("Cannot create file " + fileName, platform::fileErrorReason(error));
    }
}

}  // namespace orbigolf::media
