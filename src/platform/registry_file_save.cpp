// Reading and saving the settings file; the system's part of a save is storeSettingsText.

#include <cstdlib>
#include <fstream>

#include "platform/registry_file.h"
#include "platform/settings_storage.h"

namespace orbigolf::platform {

std::function<void(const std::filesystem::path&)> registrySaveHook;

namespace fs = std::filesystem;

RegistryStore loadRegistryFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return {};
    std::ifstream in(file, std::ios::binary);
    if (!in || !fs::is_regular_file(file, ec) || fs::file_size(file, ec) > (16u << 20))
        throw RegistryError("Cannot read the settings file " + file.string());
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    try {
        return parseRegistryText(bytes);
    } catch (const RegistryError& e) {
        throw RegistryError("The settings file " + file.string() + " is " + e.what());
    }
}

void saveRegistryFile(const fs::path& file, const RegistryStore& store) {
    storeSettingsText(file, writeRegistryText(store),
                      "Cannot write the settings file " + file.string());
}

fs::path defaultSettingsFile() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : ".") / ".config";
    }
    return base / "orbigolf" / "settings.reg";
}

}  // namespace orbigolf::platform
