#include "platform/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/posix/mapped_file.h"

namespace orbigolf::platform {

std::string fileErrorReason(int error) {
    if (error == ENOENT || error == ENOTDIR) return "no such file or folder";
    if (error == EISDIR) return "it is a folder";
    return std::generic_category().message(error);
}

DataFile::~DataFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> DataFile::open(const std::string& fileName) {
    if (fd_ >= 0) ::close(fd_);
    size_ = 0;
    fd_ = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return fileErrorReason(errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return fileErrorReason(errno);
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    size_ = static_cast<uint64_t>(st.st_size);
    return std::nullopt;
}

std::optional<std::string> DataFile::read(void* into, size_t room, size_t& got) {
    for (;;) {
        const ssize_t n = ::read(fd_, into, room);
        if (n >= 0) {
            got = static_cast<size_t>(n);
            return std::nullopt;
        }
        if (errno != EINTR) return fileErrorReason(errno);
    }
}

bool DataFile::withMapped(size_t size, const std::function<void(std::span<const uint8_t>)>& use) {
#if defined(__EMSCRIPTEN__)
    // The browser's file system holds its files in memory already, and a mapping there is a
    // new copy (allocated, cleared, then filled): dearer than a read into the kept buffer.
    (void)size;
    (void)use;
    return false;
#else
    return fd_ >= 0 && withMappedFile(fd_, size, use);
#endif
}

}  // namespace orbigolf::platform
