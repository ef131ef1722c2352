#pragma once
// The media layer's exceptions, the byte types every reader shares, and reading and writing
// whole files: the one way the game and its tools read a data file.
// Exception messages are the texts the user sees in the error box, so the texts below
// are part of the interface.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbigolf::media {

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kPropertyDoesNotExist = "Property does not exist";
inline constexpr const char* kDibIsInvalid = "DIB is invalid";
inline constexpr const char* kWaveIsInvalid = "Wave is invalid";

class MediaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading files. A read takes the name as asked, or, when that is missing, the same name matched without
// regard to letter case (see file_lookup.h). Only regular files are read, and only up to a
// size cap: a folder, a device such as /dev/zero or a FIFO fails at once with a reason
// instead of failing late, eating memory or waiting for ever.

// Nothing the game reads comes near this; the cap only keeps a stray huge file out.
inline constexpr size_t kMaxFileBytes = size_t{256} << 20;

// A file that cannot be read or written. what() is the game's own message ("Cannot open file
// <name>", "Cannot create file <name>"); reason() says why, for tools and logs ("no such file
// or folder", "it is a folder", "not a regular file", "larger than 268435456 bytes", or the
// system's own words).
class FileError : public MediaError {
public:
    FileError(const std::string& message, std::string reason)
        : MediaError(message), reason_(std::move(reason)) {}
    const std::string& reason() const { return reason_; }
    // "<message>: <reason>", one line naming the file and the reason.
    std::string describe() const { return reason_.empty() ? what() : what() + (": " + reason_); }

private:
    std::string reason_;
};

// The whole file; throws FileError("Cannot open file <name>") with the reason.
Bytes readFileBytes(const std::string& fileName, size_t maxBytes = kMaxFileBytes);

// Reads the whole file as readFileBytes does (same errors) and calls use(bytes), which may
// throw; the bytes are valid during the call only. Big files are mapped (a file that another
// program shortens meanwhile gives FileError with the reason "the file changed while it was
// read"); the others go into a buffer that the calling thread keeps for its next such read,
// so that loading files one after another neither allocates nor clears memory each time. A
// read started from inside use() gets a buffer of its own.
void withFileBytes(const std::string& fileName, const std::function<void(ByteView)>& use,
                   size_t maxBytes = kMaxFileBytes);

// The whole file as text, or nothing when it cannot be read; *whyNot (when given) then
// receives one line naming the file and the reason ("Cannot open file <name>: <reason>").
std::optional<std::string> readFileText(const std::string& fileName,
                                        size_t maxBytes = kMaxFileBytes,
                                        std::string* whyNot = nullptr);

// Replaces the file with the bytes: written to "<name>.tmp" first, then renamed, so a
// failure never leaves half a file. Throws FileError("Cannot create file <name>").
void writeFileBytes(const std::string& fileName, ByteView bytes);

}  // namespace orbigolf::media
