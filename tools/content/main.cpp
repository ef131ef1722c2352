// orbigolf-content: builds the free content set of the game, and review pictures of a
// built set.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "command_line.h"
#include "contact_sheet.h"
#include "content_set.h"
#include "media/file_read.h"
#include "preview.h"

#ifndef ORBIGOLF_CONTENT_SOURCES
#define ORBIGOLF_CONTENT_SOURCES "content"
#endif

namespace {

constexpr const char* kUsage =
    "usage: orbigolf-content [--sources DIR] OUTDIR\n"
    "       orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]\n"
    "       orbigolf-content preview CONTENTDIR OUT.png\n";

// CLI11's check without its note in the help text.
CLI::Validator existingFolder() { return CLI::Validator(CLI::ExistingDirectory).description(""); }

struct Arguments {
    std::string sources = ORBIGOLF_CONTENT_SOURCES;
    std::string outDir;
    std::string contentDir, png, filter;
    int zoom = 1;
};

// Every command and option of orbigolf-content. Without a command it builds the set; each
// command sets `command` to what it does.
void declareCommands(orbigolf::cli::CommandLine& cl, Arguments& a, std::function<void()>& command) {
    CLI::App& app = cl.app();
    app.add_option("--sources", a.sources, "the content sources (this project's content folder)")
        ->type_name("DIR")
        ->check(existingFolder());
    app.add_option("OUTDIR", a.outDir, "the folder to write the set into (made when missing)")->type_name("");
    command = [&a] { orbigolf::content::buildContentSet(a.sources, a.outDir); };

    CLI::App* sheet = cl.addSubcommand("sheet", "draws a review sheet of every picture of a built set",
                                       "usage: orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]\n");
    sheet->add_option("CONTENTDIR", a.contentDir, "a built content set")
        ->required()
        ->type_name("")
        ->check(existingFolder());
    sheet->add_option("SHEET.png", a.png, "the picture to write")->required()->type_name("");
    sheet->add_option("FILTER", a.filter, "only the items whose title holds this text")->type_name("");
    sheet->add_option("ZOOM", a.zoom, "frames enlarged this many times, 1 to 16 (1)")
        ->type_name("")
        ->check(CLI::Validator(CLI::Range(1, 16)).description(""));
    sheet->final_callback(
        [&] { command = [&a] { orbigolf::content::drawContactSheet(a.contentDir, a.png, a.filter, a.zoom); }; });

    CLI::App* preview = cl.addSubcommand("preview", "draws mock game screens from a built set",
                                         "usage: orbigolf-content preview CONTENTDIR OUT.png\n");
    preview->add_option("CONTENTDIR", a.contentDir, "a built content set")
        ->required()
        ->type_name("")
        ->check(existingFolder());
    preview->add_option("OUT.png", a.png, "the picture to write")->required()->type_name("");
    preview->final_callback([&] { command = [&a] { orbigolf::content::drawPreview(a.contentDir, a.png); }; });

    app.require_subcommand(0, 1);
}

}  // namespace

int main(int argc, char** argv) {
    orbigolf::cli::CommandLine cl("orbigolf-content", "Builds the free content set of the game.", kUsage);
    Arguments args;
    std::function<void()> command;
    declareCommands(cl, args, command);
    if (const auto status = cl.parse(argc, argv, std::cout, std::cerr)) return *status;
    if (cl.app().get_subcommands().empty() && args.outDir.empty()) return cl.fail("OUTDIR is required", std::cerr);
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
