// The browser build has no PNG encoder: a page shows its pictures on the canvas instead.

#include "platform/screenshot.h"

namespace orbigolf::platform {

void savePng(const Surface&, const std::string& path) {
    throw ScreenshotError("Cannot create file " + path + ": the browser build saves no screenshots");
}

}  // namespace orbigolf::platform
