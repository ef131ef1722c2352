#include "platform/web/web_settings.h"

#include <emscripten.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/registry_file.h"
#include "platform/web/web_backend.h"

// clang-format off
EM_ASYNC_JS(int, orbigolf_restore_folder, (const char* path), {
    const folder = UTF8ToString(path);
    try {
        FS.mkdirTree(folder);
        FS.mount(IDBFS, {}, folder);
    } catch (e) {
        console.warn('Settings are kept for this visit only: ' + e);
        return 0;
    }
    return await new Promise((resolve) => {
        FS.syncfs(true, (error) => {
            if (error) console.warn('The stored settings cannot be read: ' + error);
            resolve(error ? 0 : 1);
        });
    });
});

EM_JS(void, orbigolf_store_folder, (), {
    FS.syncfs(false, (error) => { if (error) console.warn('The settings cannot be stored: ' + error); });
});
// clang-format on

namespace orbigolf::platform::web {
namespace {

constexpr double kLookEveryMs = 250;

bool g_mounted = false;
double g_lastLook = 0;
std::filesystem::file_time_type g_lastChange{};

std::filesystem::path settingsFolder() { return defaultSettingsFile().parent_path(); }

// The newest change of any file in the folder.
std::filesystem::file_time_type newestChange() {
    std::filesystem::file_time_type newest{};
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(settingsFolder(), ec)) {
        const auto t = entry.last_write_time(ec);
        if (!ec && t > newest) newest = t;
    }
    return newest;
}

}  // namespace

void restoreSettingsFolder() {
    g_mounted = orbigolf_restore_folder(settingsFolder().string().c_str()) != 0;
    g_lastChange = newestChange();
    g_lastLook = emscripten_get_now();
}

void storeChangedSettings() {
    if (!g_mounted) return;
    const double now = emscripten_get_now();
    if (now - g_lastLook < kLookEveryMs) return;
    g_lastLook = now;
    const auto change = newestChange();
    if (change == g_lastChange) return;
    g_lastChange = change;
    orbigolf_store_folder();
}

}  // namespace orbigolf::platform::web
