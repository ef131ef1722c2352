#pragma once
// Read-only access to one data file, for the media layer's whole-file reads: the system's
// open, size, read and mapping calls behind one small class, so that the readers above it
// hold no system headers. Reasons are short texts for the user's error box and for logs
// ("no such file or folder", "it is a folder", "not a regular file", or the system's own
// words).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace orbigolf::platform {

class FileChangedError : public std::runtime_error {
  public:
    FileChangedError() : std::runtime_error("the file changed while it was read") {}
};

class DataFile {
  public:
    DataFile() = default;
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Opens the file for reading without waiting, so that a FIFO with no writer cannot
    // block, then checks what was opened (not the name, which could change in between):
    // only a regular file is taken. Returns the reason it cannot be read, or nothing.
    std::optional<std::string> open(const std::string& fileName);

    // The size the open file had when it was opened.
    uint64_t size() const { return size_; }

    // Reads up to `room` bytes into `into` and sets `got` (0 at the end of the file), or
    // returns the reason the read failed. An interrupted read is retried.
    std::optional<std::string> read(void* into, size_t room, size_t& got);

    // Maps the first `size` bytes and calls use(bytes), which may throw. Returns false,
    // without calling use, when the file cannot be mapped (the caller then reads it);
    // throws FileChangedError after use() returns if the file shrank meanwhile, whose lost
    // pages read as zeros instead of stopping the program. One mapping at a time: while
    // another is in use (a nested call, another thread) this returns false.
    bool withMapped(size_t size, const std::function<void(std::span<const uint8_t>)>& use);

  private:
    int fd_ = -1;
    uint64_t size_ = 0;
};

// The reason text for a system error number from a failed file call.
std::string fileErrorReason(int error);

}  // namespace orbigolf::platform
