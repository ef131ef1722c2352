// `show` in builds without SDL.

#include <cstdio>

#include "avi_command.h"
#include "flic_command.h"
#include "show.h"

namespace orbigolf::assets {

namespace {

int unavailable() {
    std::fprintf(stderr, "orbigolf-assets: show is not available: this build has no window support\n");
    return 1;
}

}  // namespace

int showAssetFile(const AssetFile&, const std::string&, bool) { return unavailable(); }
int showFlicFile(const std::string&, bool) { return unavailable(); }
int showAviFile(const std::string&, bool) { return unavailable(); }

}  // namespace orbigolf::assets
