// orbigolf-content: builds the free content set of the game, and review pictures of a
// built set.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "contact_sheet.h"
#include "content_set.h"
#include "font_faces.h"
#include "holes/hole_build.h"
#include "icon.h"
#include "media/media_error.h"
#include "preview.h"

#ifndef ORBIGOLF_CONTENT_SOURCES
#define ORBIGOLF_CONTENT_SOURCES "content"
#endif

namespace {

constexpr const char* kUsage =
    "usage: orbigolf-content [--sources DIR] OUTDIR\n"
    "       orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]\n"
    "       orbigolf-content preview CONTENTDIR OUT.png\n"
    "       orbigolf-content --hole SOURCE OUTDIR [--size WxH]\n"
    "       orbigolf-content holes-review OUTDIR [SOURCE...]\n"
    "       orbigolf-content icons OUTDIR\n";

// CLI11's check without its note in the help text.
CLI::Validator existingFolder() {
    return CLI::Validator(CLI::ExistingDirectory).description("");
}

struct Arguments {
    std::string sources = ORBIGOLF_CONTENT_SOURCES;
    std::string outDir;
    std::string contentDir, png, filter;
    int zoom = 1;
    std::string holeSource;
    std::optional<std::pair<int, int>> size;
    std::vector<std::string> holeSources;
};

// Every command and option of orbigolf-content. Without a command it builds the set; each
// command sets `command` to what it does.
void declareCommands(orbigolf::cli::CommandLine& cl, Arguments& a, std::function<void()>& command) {
    CLI::App& app = cl.app();
    app.add_option("--sources", a.sources, "the content sources (this project's content folder)")
        ->type_name("DIR")
        ->check(existingFolder());
    app.add_option("OUTDIR", a.outDir, "the folder to write the set into (made when missing)")->type_name("");
    CLI::Option* hole = app.add_option("--hole", a.holeSource, "builds only this hole source into OUTDIR")
                            ->type_name("SOURCE")
                            ->check(CLI::Validator(CLI::ExistingFile).description(""));
    app.add_option_function<std::string>(
           "--size", [&a](const std::string& t) { a.size = orbigolf::content::parseSize(t); },
           "with --hole: the course picture's size (the source's size hint, else the areas' extent)")
        ->type_name("WxH")
        ->needs(hole)
        ->check(orbigolf::cli::takes("WxH, 64 to 8192 each", [](const std::string& t) {
            try {
                orbigolf::content::parseSize(t);
                return true;
            } catch (const std::exception&) {
                return false;
            }
        }));
    command = [&a] {
        if (a.holeSource.empty()) {
            orbigolf::content::buildContentSet(a.sources, a.outDir);
        } else {
            orbigolf::content::FontFaces fonts;
            orbigolf::content::buildHoleFiles(a.holeSource, a.outDir, a.size, fonts, a.sources);
        }
    };

    CLI::App* sheet =
        cl.addSubcommand("sheet", "draws a review sheet of every picture of a built set",
                         "usage: orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]\n");
    sheet->add_option("CONTENTDIR", a.contentDir, "a built content set")
        ->required()
        ->type_name("")
        ->check(existingFolder());
    sheet->add_option("SHEET.png", a.png, "the picture to write")->required()->type_name("");
    sheet->add_option("FILTER", a.filter, "only the items whose title holds this text")
        ->type_name("");
    sheet->add_option("ZOOM", a.zoom, "frames enlarged this many times, 1 to 16 (1)")
        ->type_name("")
        ->check(CLI::Validator(CLI::Range(1, 16)).description(""));
    sheet->final_callback([&] {
        command = [&a] {
            orbigolf::content::drawContactSheet(a.contentDir, a.png, a.filter, a.zoom);
        };
    });

    CLI::App* preview = cl.addSubcommand("preview", "draws mock game screens from a built set",
                                         "usage: orbigolf-content preview CONTENTDIR OUT.png\n");
    preview->add_option("CONTENTDIR", a.contentDir, "a built content set")
        ->required()
        ->type_name("")
        ->check(existingFolder());
    preview->add_option("OUT.png", a.png, "the picture to write")->required()->type_name("");
    preview->final_callback(
        [&] { command = [&a] { orbigolf::content::drawPreview(a.contentDir, a.png); }; });

    CLI::App* review = cl.addSubcommand("holes-review", "draws each hole plain, with its areas outlined, its foreground and its card",
                                        "usage: orbigolf-content holes-review OUTDIR [SOURCE...]\n");
    review->add_option("OUTDIR", a.png, "the folder to write the pictures into")->required()->type_name("");
    review->add_option("SOURCE", a.holeSources, "hole sources (the set's holes when none is given)")
        ->type_name("")
        ->check(CLI::Validator(CLI::ExistingFile).description(""));
    review->final_callback([&] {
        command = [&a] {
            orbigolf::content::writeHoleReview(a.sources, a.png,
                                               std::vector<std::filesystem::path>(a.holeSources.begin(), a.holeSources.end()));
        };
    });

    CLI::App* icons = cl.addSubcommand("icons", "draws the program's icon for desktop menus",
                                       "usage: orbigolf-content icons OUTDIR\n");
    icons->add_option("OUTDIR", a.png, "the icon theme folder: writes hicolor/<N>x<N>/apps/orbigolf.png")
        ->required()
        ->type_name("");
    icons->final_callback([&] { command = [&a] { orbigolf::content::writeIcons(a.png); }; });

    app.require_subcommand(0, 1);
}

}  // namespace

int main(int argc, char** argv) {
    orbigolf::cli::CommandLine cl("orbigolf-content", "Builds the free content set of the game.",
                                  kUsage);
    Arguments args;
    std::function<void()> command;
    declareCommands(cl, args, command);
    if (const auto status = cl.parse(argc, argv, std::cout, std::cerr)) return *status;
    if (cl.app().get_subcommands().empty() && args.outDir.empty())
        return cl.fail("OUTDIR is required", std::cerr);
    try {
        command();
        return 0;
    } catch (const orbigolf::media::FileError& e) {
        std::fprintf(stderr, "orbigolf-content: %s\n", e.describe().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orbigolf-content: %s\n", e.what());
    }
    return 1;
}
