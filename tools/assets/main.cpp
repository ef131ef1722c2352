// orbigolf-assets: inspects and converts the game's data files (picture lists, sound lists,
// bitmaps, waves) for modders and for tests.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <iostream>
#include <string>

#include "asset_file.h"
#include "command_line.h"
#include "export.h"
#include "info.h"
#include "media/file_read.h"
#include "png_file.h"
#include "show.h"

namespace {

using namespace orbigolf::assets;

constexpr const char* kUsage =
    "usage: orbigolf-assets info FILE [--json]\n"
    "       orbigolf-assets png FILE OUT.png [ITEM]\n"
    "       orbigolf-assets export FILE OUTDIR\n"
    "       orbigolf-assets show FILE [--windowed]\n"
    "FILE is a picture list (.dxg), a sound list (.dxw), a bitmap (.bmp) or a wave (.wav).\n";

// ITEM: a position from 0, or an item name.
int itemIndex(const AssetFile& file, const std::string& arg) {
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

struct Arguments {
    std::string file, out, item;
    bool json = false, windowed = false;
};

// Every command and option of orbigolf-assets; each command sets `command` to what it does.
void declareCommands(orbigolf::cli::CommandLine& cl, Arguments& a, std::function<int()>& command) {
    CLI::App* info = cl.addSubcommand("info", "what the file holds", "usage: orbigolf-assets info FILE [--json]\n");
    info->add_option("FILE", a.file, "the file")->required()->type_name("");
    info->add_flag("--json", a.json, "one JSON object instead of text lines");
    info->final_callback([&] {
        command = [&a] {
            const AssetFile file = readAssetFile(a.file);
            const std::string text = a.json ? infoJson(file) : infoText(file);
            std::fwrite(text.data(), 1, text.size(), stdout);
            return 0;
        };
    });

    CLI::App* png = cl.addSubcommand("png", "a bitmap, or an item of a picture list, as an RGB PNG with the exact colours",
                                     "usage: orbigolf-assets png FILE OUT.png [ITEM]\n");
    png->add_option("FILE", a.file, "the file")->required()->type_name("");
    png->add_option("OUT.png", a.out, "the PNG to write")->required()->type_name("");
    png->add_option("ITEM", a.item, "item of a picture list: its position from 0 or its name (0)")->type_name("");
    png->final_callback([&] {
        command = [&a] {
            const AssetFile file = readAssetFile(a.file);
            const int index = a.item.empty() ? 0 : itemIndex(file, a.item);
            writePng(a.out, pictureOf(file, index));
            return 0;
        };
    });

    CLI::App* exp = cl.addSubcommand("export", "every picture as NNN-name.png, every sound as NNN-name.wav",
                                     "usage: orbigolf-assets export FILE OUTDIR\n");
    exp->add_option("FILE", a.file, "a picture or sound list")->required()->type_name("");
    exp->add_option("OUTDIR", a.out, "the folder to write into (made when missing)")->required()->type_name("");
    exp->final_callback([&] {
        command = [&a] {
            for (const auto& path : exportItems(readAssetFile(a.file), a.out)) std::printf("%s\n", path.c_str());
            return 0;
        };
    });

    CLI::App* show = cl.addSubcommand("show", "shows the pictures with their frame grid, or plays the sounds",
                                      "usage: orbigolf-assets show FILE [--windowed]\n");
    show->add_option("FILE", a.file, "the file")->required()->type_name("");
    show->add_flag("--windowed", a.windowed, "in a window instead of full screen");
    show->final_callback([&] { command = [&a] { return showAssetFile(readAssetFile(a.file), a.file, a.windowed); }; });

    cl.app().require_subcommand(1);
}

}  // namespace

int main(int argc, char** argv) {
    orbigolf::cli::CommandLine cl("orbigolf-assets", "Inspects and converts the game's data files.", kUsage);
    Arguments args;
    std::function<int()> command;
    declareCommands(cl, args, command);
    if (const auto status = cl.parse(argc, argv, std::cout, std::cerr)) return *status;
    std::cout.flush();
    // One line naming the file and what is wrong with it; status 1.
    try {
        return command();
    } catch (const orbigolf::media::FileError& e) {
        std::fprintf(stderr, "orbigolf-assets: %s\n", e.describe().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orbigolf-assets: %s: %s\n", args.file.c_str(), e.what());
    }
    return 1;
}
