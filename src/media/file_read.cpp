#include "media/media_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "media/file_lookup.h"
#include "platform/mapped_file.h"

namespace orbigolf::media {

namespace {

// Files from this size on are mapped rather than read (smaller ones cost less to copy than
// to map).
constexpr size_t kMapFilesFrom = size_t{64} << 10;

std::string systemReason(int error) {
    if (error == ENOENT || error == ENOTDIR) return "no such file or folder";
    if (error == EISDIR) return "it is a folder";
    return std::generic_category().message(error);
}

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Opens the file for reading and gives its size, or the reason it cannot be read.
std::optional<std::string> openRegular(const std::string& requested, size_t maxBytes, Fd& f,
                                       size_t& size) {
    const std::string fileName = resolveFileName(requested);
    // Opened without waiting, so that a FIFO with no writer cannot block; what was opened is
    // then checked (not the name, which could change in between).
    f.fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (f.fd < 0) return systemReason(errno);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) return systemReason(errno);
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        return "larger than " + std::to_string(maxBytes) + " bytes";
    }
    size = static_cast<size_t>(st.st_size);
    return std::nullopt;
}

// The rest of the open file's bytes into `out`, which starts at the size fstat gave, or
// the reason they cannot be read.
template <typename Buffer>
std::optional<std::string> readOpened(const Fd& f, size_t maxBytes, Buffer& out) {
    size_t have = 0;
    for (;;) {
        // The size may have changed since fstat: read until the end, within the cap.
        if (have == out.size()) {
            // Usually the end of the file. A probe into a small buffer tells it from a file
            // that grew, so that the buffer only grows (and is copied) when it has to.
            uint8_t probe[4096];
            const size_t room = maxBytes - have;
            const ssize_t n = ::read(f.fd, probe, room == 0 ? 1 : std::min(sizeof probe, room));
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                return systemReason(errno);
            }
            if (room == 0) return "larger than " + std::to_string(maxBytes) + " bytes";
            out.resize(std::min(maxBytes, std::max<size_t>({have * 2, have + size_t(n), 4096})));
            std::memcpy(out.data() + have, probe, size_t(n));
            have += size_t(n);
            continue;
        }
        const ssize_t n = ::read(f.fd, out.data() + have, out.size() - have);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return systemReason(errno);
        }
        have += static_cast<size_t>(n);
    }
    out.resize(have);
    return std::nullopt;
}

// The file's bytes into `out`, or the reason it cannot be read.
template <typename Buffer>
std::optional<std::string> readInto(const std::string& requested, size_t maxBytes, Buffer& out) {
    Fd f;
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
    Fd f;
    size_t size = 0;
    if (auto why = openRegular(fileName, maxBytes, f, size))
        throw FileError(cannotOpen(fileName), std::move(*why));
    // Big files are parsed where the system holds them, without a copy.
    if (size >= kMapFilesFrom) {
        try {
            if (platform::withMappedFile(f.fd, size, use)) return;
        } catch (const platform::FileChangedError& e) {
            throw FileError(cannotOpen(fileName), e.what());
        }
    }
    thread_local ReuseBuffer kept;
    thread_local bool inUse = false;
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
        throw FileError("Cannot create file " + fileName, systemReason(error));
    }
}

}  // namespace orbigolf::media
