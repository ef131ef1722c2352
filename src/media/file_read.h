#pragma once
// Reading and writing whole files: the one way the game and its tools read a data file.
//
// A read takes the name as asked, or, when that is missing, the same name matched without
// regard to letter case (see file_lookup.h). Only regular files are read, and only up to a
// size cap: a folder, a device such as /dev/zero or a FIFO fails at once with a reason
// instead of failing late, eating memory or waiting for ever.

#include <cstddef>
#include <optional>
#include <string>

#include "media/media_error.h"

namespace orbigolf::media {

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

// The whole file as text, or nothing when it cannot be read; *whyNot (when given) then
// receives one line naming the file and the reason ("Cannot open file <name>: <reason>").
std::optional<std::string> readFileText(const std::string& fileName, size_t maxBytes = kMaxFileBytes,
                                        std::string* whyNot = nullptr);

// Replaces the file with the bytes: written to "<name>.tmp" first, then renamed, so a
// failure never leaves half a file. Throws FileError("Cannot create file <name>").
void writeFileBytes(const std::string& fileName, ByteView bytes);

}  // namespace orbigolf::media
