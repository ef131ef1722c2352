#include <cstdio>

#include "avi_command.h"

namespace orbigolf::assets {

int showAviFile(const std::string&, bool) {
    std::fprintf(stderr, "show is not available: this build has no window support\n");
    return 1;
}

}  // namespace orbigolf::assets
