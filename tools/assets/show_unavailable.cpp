#include <cstdio>

#include "show.h"

namespace orbigolf::assets {

int showAssetFile(const AssetFile&, const std::string&, bool) {
    std::fprintf(stderr, "show is not available: this build has no window support\n");
    return 1;
}

}  // namespace orbigolf::assets
