#pragma once
// `orbigolf-assets info`: what a file holds, as text lines or as one JSON object.

#include <string>

#include "asset_file.h"

namespace orbigolf::assets {

std::string infoText(const AssetFile& file);
std::string infoJson(const AssetFile& file);

// Frame count of a picture list item by the cell rules.
int frameCountOf(const media::PictureListItem& item);

}  // namespace orbigolf::assets
