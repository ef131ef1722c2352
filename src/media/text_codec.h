#pragma once
// UTF-16 text of wide-string stream values.

#include <string>

#include "media/media_error.h"

namespace orbigolf::media {

std::u16string utf16FromBytes(ByteView littleEndian);
// Unpaired surrogates become U+FFFD.
std::string utf8FromUtf16(const std::u16string& text);

}  // namespace orbigolf::media
