// orbigolf-assets: inspects and converts the game's data files (picture lists, sound lists,
// bitmaps, waves) for modders and for tests.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "asset_file.h"
#include "avi_command.h"
#include "export.h"
#include "flic_command.h"
#include "hot_command.h"
#include "info.h"
#include "png_file.h"
#include "show.h"

namespace {

constexpr const char* kUsage =
    "usage: orbigolf-assets info FILE [--json]\n"
    "       orbigolf-assets png FILE OUT.png [ITEM]\n"
    "       orbigolf-assets export FILE OUTDIR\n"
    "       orbigolf-assets show FILE [--windowed]\n"
    "FILE is a picture list (.dxg), a sound list (.dxw), a bitmap (.bmp), a wave (.wav)\n"
    "or an animation (.fli, .flc: ITEM is the frame, from 1).\n"
    "Movies (.avi: ITEM is the frame, from 1) and forms holding hot-spot images (ITEM counts\n"
    "each image's picture, mask and spot overview from 0) work too.\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

// ITEM: a position from 0, or an item name.
int itemIndex(const orbigolf::assets::AssetFile& file, const std::string& arg) {
    char* end = nullptr;
    const long v = std::strtol(arg.c_str(), &end, 10);
    if (!arg.empty() && *end == '\0') return v < -1 || v > 1 << 30 ? -1 : int(v);
    if (const auto* list = std::get_if<orbigolf::media::PictureListFile>(&file)) {
        for (size_t i = 0; i < list->items.size(); ++i) {
            if (list->items[i].name == arg) return int(i);
        }
    }
    throw orbigolf::media::MediaError("No item named " + arg);
}

int run(const std::vector<std::string>& args) {
    using namespace orbigolf::assets;
    if (args.size() < 2) return usage();
    const std::string& command = args[0];
    const std::string& fileName = args[1];
    if (isAviFile(fileName)) return runAviCommand(args);
    if (HotForm form; readHotForm(fileName, form)) return runHotCommand(args, form);
    if (isFlicFile(fileName)) return runFlicCommand(args);
    if (command == "info") {
        bool json = false;
        for (size_t i = 2; i < args.size(); ++i) {
            if (args[i] != "--json") return usage();
            json = true;
        }
        const AssetFile file = readAssetFile(fileName);
        const std::string text = json ? infoJson(file) : infoText(file);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    if (command == "png") {
        if (args.size() < 3 || args.size() > 4) return usage();
        const AssetFile file = readAssetFile(fileName);
        const int index = args.size() == 4 ? itemIndex(file, args[3]) : 0;
        writePng(args[2], pictureOf(file, index, fileName));
        return 0;
    }
    if (command == "export") {
        if (args.size() != 3) return usage();
        for (const auto& path : exportItems(readAssetFile(fileName), args[2])) std::printf("%s\n", path.c_str());
        return 0;
    }
    if (command == "show") {
        bool windowed = false;
        for (size_t i = 2; i < args.size(); ++i) {
            if (args[i] != "--windowed") return usage();
            windowed = true;
        }
        return showAssetFile(readAssetFile(fileName), fileName, windowed);
    }
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return run(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
