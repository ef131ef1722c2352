#pragma once
// The one exception type of the media layer and the file helpers every reader shares.
// Exception messages are the texts the user sees in the error box, so the texts below
// are part of the interface.

#include <cstddef>
#include <cstdint>
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

// "Cannot open file <name>".
std::string cannotOpenMessage(const std::string& fileName);

// The whole file (its name matched without regard to letter case when the exact one is
// missing, see file_lookup.h); throws MediaError("Cannot open file <name>") when it is missing,
// unreadable, not a regular file or larger than maxBytes (nothing the game reads comes
// near the default, and a cap keeps a stray device or huge file from eating memory).
Bytes readFileBytes(const std::string& fileName, size_t maxBytes = size_t{256} << 20);

// Replaces the file with the bytes: written to "<name>.tmp" first, then renamed, so a
// failure never leaves half a file. Throws MediaError("Cannot create file <name>").
void writeFileBytes(const std::string& fileName, ByteView bytes);

}  // namespace orbigolf::media
