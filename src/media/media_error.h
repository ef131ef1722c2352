#pragma once
// The one exception type of the media layer and the byte types every reader shares.
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

}  // namespace orbigolf::media
