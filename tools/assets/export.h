#pragma once
// `orbigolf-assets export`: every picture of a list as NNN-name.png, every sound as
// NNN-name.wav.

#include <string>
#include <vector>

#include "asset_file.h"

namespace orbigolf::assets {

// The file name for item `index` named `name` with extension `ext` (".png"): the index as
// three digits, a dash and the name with characters unsafe in file names replaced by '_'
// (just the digits when the name is empty).
std::string exportName(size_t index, const std::string& name, const std::string& ext);

// Writes the files into outDir (made when missing) and returns their paths. Items without a
// picture or sound are left out. Throws MediaError when a file cannot be written or the file
// holds no list.
std::vector<std::string> exportItems(const AssetFile& file, const std::string& outDir);

}  // namespace orbigolf::assets
