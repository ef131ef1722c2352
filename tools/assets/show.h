#pragma once
// `orbigolf-assets show`: a window that shows a picture list's items and frames, or plays a
// sound list's items.

#include <string>

#include "asset_file.h"

namespace orbigolf::assets {

// Returns the exit status. Builds without SDL report that showing is not available.
int showAssetFile(const AssetFile& file, const std::string& fileName, bool windowed);

}  // namespace orbigolf::assets
