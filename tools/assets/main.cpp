// orbigolf-assets: inspects and converts the game's data files (picture lists, sound lists,
// bitmaps, waves, animations, movies and forms holding hot-spot images) for modders and for
// tests.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "asset_file.h"
#include "avi_command.h"
#include "command_line.h"
#include "export.h"
#include "file_kind.h"
#include "flic_command.h"
#include "hot_command.h"
#include "info.h"
#include "media/media_error.h"
#include "platform/movie/movie.h"
#include "png_file.h"
#include "show.h"

namespace {

using namespace orbigolf::assets;
using orbigolf::media::MediaError;

constexpr const char* kUsage =
    "usage: orbigolf-assets info FILE [--json]\n"
    "       orbigolf-assets png FILE OUT.png [ITEM]\n"
    "       orbigolf-assets export FILE OUTDIR\n"
    "       orbigolf-assets show FILE [--windowed]\n"
    "FILE is a picture list (.dxg), a sound list (.dxw), a bitmap (.bmp), a wave (.wav), an\n"
    "animation (.fli, .flc), a movie (.avi) or a form holding hot-spot images.\n"
    "ITEM is a list's item (its position from 0, or its name), a frame of an animation or a\n"
    "movie (from 1), or one of a form's pictures (from 0: each image's picture, mask, spots).\n";

// An argument that does not suit the file it comes with: a command-line error (status 2).
class BadArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::string file, out, item;
    bool json = false, windowed = false;
};

// ITEM as a whole number from `least` to `most`; `missing` when it is not given.
long numberItem(const std::string& item, long least, long most, long missing, const char* what) {
    if (item.empty()) return missing;
    char* end = nullptr;
    const long v = std::strtol(item.c_str(), &end, 10);
    if (*end != '\0' || v < least || v > most)
        throw BadArgument("ITEM takes " + std::string(what) + ", not '" + item + "'");
    return v;
}

// A list's item: a position from 0, or an item name.
int listItem(const AssetFile& file, const std::string& item) {
    char* end = nullptr;
    const long v = std::strtol(item.c_str(), &end, 10);
    if (!item.empty() && *end == '\0') return v < -1 || v > 1 << 30 ? -1 : int(v);
    if (const auto* list = std::get_if<orbigolf::media::PictureListFile>(&file)) {
        for (size_t i = 0; i < list->items.size(); ++i) {
            if (list->items[i].name == item) return int(i);
        }
    }
    throw MediaError("No item named " + item);
}

void print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void printPaths(const std::vector<std::string>& paths) {
    for (const auto& path : paths) std::printf("%s\n", path.c_str());
}

int info(const Arguments& a) {
    HotForm form;
    switch (fileKindOf(a.file, form)) {
    case FileKind::Animation: {
        const FlicSummary s = summariseFlic(a.file);
        print(a.json ? flicInfoJson(a.file, s) : flicInfoText(a.file, s));
        break;
    }
    case FileKind::Movie: {
        const orbigolf::platform::Movie movie = orbigolf::platform::Movie::open(a.file);
        print(a.json ? aviInfoJson(a.file, movie.info()) : aviInfoText(a.file, movie.info()));
        break;
    }
    case FileKind::Form: print(a.json ? hotInfoJson(a.file, form) : hotInfoText(a.file, form)); break;
    case FileKind::DataFile: {
        const AssetFile file = readAssetFile(a.file);
        print(a.json ? infoJson(file) : infoText(file));
        break;
    }
    }
    return 0;
}

int png(const Arguments& a) {
    HotForm form;
    switch (fileKindOf(a.file, form)) {
    case FileKind::Animation:
        writePng(a.out, flicFrame(a.file, int(numberItem(a.item, 1, 65535, 1, "a frame number from 1"))));
        break;
    case FileKind::Movie:
        writePng(a.out, aviFrame(a.file, int(numberItem(a.item, 1, 1 << 24, 1, "a frame number from 1"))));
        break;
    case FileKind::Form: {
        const size_t index = size_t(numberItem(a.item, 0, 1 << 24, 0, "a picture number from 0"));
        const std::vector<NamedPicture> pictures = hotPictures(form);
        if (index >= pictures.size()) throw MediaError("List index out of bounds (" + std::to_string(index) + ")");
        writePng(a.out, pictures[index].bitmap);
        break;
    }
    case FileKind::DataFile: {
        const AssetFile file = readAssetFile(a.file);
        writePng(a.out, pictureOf(file, a.item.empty() ? 0 : listItem(file, a.item)));
        break;
    }
    }
    return 0;
}

int exportAll(const Arguments& a) {
    HotForm form;
    switch (fileKindOf(a.file, form)) {
    case FileKind::Animation: printPaths(exportFlicFrames(a.file, a.out)); break;
    case FileKind::Movie: printPaths(exportAviFrames(a.file, a.out)); break;
    case FileKind::Form: printPaths(exportHotPictures(form, a.out)); break;
    case FileKind::DataFile: printPaths(exportItems(readAssetFile(a.file), a.out)); break;
    }
    return 0;
}

int show(const Arguments& a) {
    HotForm form;
    switch (fileKindOf(a.file, form)) {
    case FileKind::Animation: return showFlicFile(a.file, a.windowed);
    case FileKind::Movie: return showAviFile(a.file, a.windowed);
    case FileKind::Form: throw MediaError("A form cannot be shown; png and export write its pictures");
    case FileKind::DataFile: break;
    }
    return showAssetFile(readAssetFile(a.file), a.file, a.windowed);
}

// Every command and option of orbigolf-assets; the command given sets `command`.
void declareCommands(orbigolf::cli::CommandLine& cl, Arguments& a, std::function<int(const Arguments&)>& command) {
    CLI::App* info = cl.addSubcommand("info", "what the file holds",
                                      "usage: orbigolf-assets info FILE [--json]\n");
    info->add_option("FILE", a.file, "the file")->required()->type_name("");
    info->add_flag("--json", a.json, "one JSON object instead of text lines");
    info->final_callback([&command] { command = ::info; });

    CLI::App* png = cl.addSubcommand(
        "png", "a picture, an item of a picture list or a frame as an RGB PNG with the exact colours",
        "usage: orbigolf-assets png FILE OUT.png [ITEM]\n");
    png->add_option("FILE", a.file, "the file")->required()->type_name("");
    png->add_option("OUT.png", a.out, "the PNG to write")->required()->type_name("");
    png->add_option("ITEM", a.item,
                    "a list's item (position from 0, or name), a frame of an animation or a movie "
                    "(from 1), or a form's picture (from 0); the first when missing")
        ->type_name("");
    png->final_callback([&command] { command = ::png; });

    CLI::App* exp = cl.addSubcommand(
        "export", "every picture as NNN-name.png, every sound as NNN-name.wav, every frame as NNNN.png",
        "usage: orbigolf-assets export FILE OUTDIR\n");
    exp->add_option("FILE", a.file, "a list, an animation, a movie or a form")->required()->type_name("");
    exp->add_option("OUTDIR", a.out, "the folder to write into (made when missing)")
        ->required()
        ->type_name("");
    exp->final_callback([&command] { command = exportAll; });

    CLI::App* show = cl.addSubcommand(
        "show", "shows the pictures with their frame grid, plays the sounds, an animation or a movie",
        "usage: orbigolf-assets show FILE [--windowed]\n");
    show->add_option("FILE", a.file, "the file")->required()->type_name("");
    show->add_flag("--windowed", a.windowed, "in a window instead of full screen");
    show->final_callback([&command] { command = ::show; });

    cl.app().require_subcommand(1);
}

}  // namespace

int main(int argc, char** argv) {
    orbigolf::cli::CommandLine cl("orbigolf-assets", "Inspects and converts the game's data files.", kUsage);
    Arguments args;
    std::function<int(const Arguments&)> command;
    declareCommands(cl, args, command);
    if (const auto status = cl.parse(argc, argv, std::cout, std::cerr)) return *status;
    std::cout.flush();
    // One line naming the file and what is wrong with it; status 1.
    try {
        return command(args);
    } catch (const BadArgument& e) {
        return cl.fail(e.what(), std::cerr);
    } catch (const orbigolf::media::FileError& e) {
        std::fprintf(stderr, "orbigolf-assets: %s\n", e.describe().c_str());
    } catch (const orbigolf::platform::MovieError& e) {
        // Its message names the file.
        std::fprintf(stderr, "orbigolf-assets: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orbigolf-assets: %s: %s\n", args.file.c_str(), e.what());
    }
    return 1;
}
