#pragma once
// PNG output of decoded pictures: 8-bit RGB, the exact colours of the source.

#include <string>

#include "media/dib.h"

namespace orbigolf::assets {

// Throws media::FileError("Cannot create file <name>", reason) when the file cannot be written.
void writePng(const std::string& fileName, const media::Bitmap& picture);

}  // namespace orbigolf::assets
