// orbigolf-content: builds the free content set of the game.
//
//     orbigolf-content [--sources DIR] OUTDIR        write the whole set into OUTDIR
//     orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]
//                                  draw a review sheet of a built set (or of the items
//                                  whose title holds FILTER, enlarged ZOOM times)
//     orbigolf-content preview CONTENTDIR OUT.png    mock game screens from a built set
//     orbigolf-content --hole SOURCE OUTDIR [--size WxH]   build one hole from its source
//     orbigolf-content holes-review OUTDIR [SOURCE...] course, areas and card pictures of the set's holes

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "contact_sheet.h"
#include "content_set.h"
#include "font_faces.h"
#include "holes/hole_build.h"
#include "preview.h"

#ifndef ORBIGOLF_CONTENT_SOURCES
#define ORBIGOLF_CONTENT_SOURCES "content"
#endif

int main(int argc, char** argv) {
    try {
        std::filesystem::path sources = ORBIGOLF_CONTENT_SOURCES;
        int a = 1;
        if (argc > 2 && std::string(argv[1]) == "sheet") {
            if (argc < 4 || argc > 6)
                throw std::runtime_error("usage: orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]");
            orbigolf::content::drawContactSheet(argv[2], argv[3], argc > 4 ? argv[4] : "",
                                                argc > 5 ? std::stoi(argv[5]) : 1);
            return 0;
        }
        if (argc == 4 && std::string(argv[1]) == "preview") {
            orbigolf::content::drawPreview(argv[2], argv[3]);
            return 0;
        }
        if (argc > 1 && std::string(argv[1]) == "--hole") {
            std::optional<std::pair<int, int>> size;
            if (argc == 6 && std::string(argv[4]) == "--size") size = orbigolf::content::parseSize(argv[5]);
            else if (argc != 4) throw std::runtime_error("usage: orbigolf-content --hole SOURCE OUTDIR [--size WxH]");
            orbigolf::content::FontFaces fonts;
            orbigolf::content::buildHoleFiles(argv[2], argv[3], size, fonts, sources);
            return 0;
        }
        if (argc >= 3 && std::string(argv[1]) == "holes-review") {
            orbigolf::content::writeHoleReview(sources, argv[2],
                                               std::vector<std::filesystem::path>(argv + 3, argv + argc));
            return 0;
        }
        if (argc > 3 && std::string(argv[1]) == "--sources") {
            sources = argv[2];
            a = 3;
        }
        if (argc != a + 1) {
            std::fprintf(stderr,
                         "usage: orbigolf-content [--sources DIR] OUTDIR\n"
                         "       orbigolf-content sheet CONTENTDIR SHEET.png [FILTER [ZOOM]]\n"
                         "       orbigolf-content preview CONTENTDIR OUT.png\n"
                         "       orbigolf-content --hole SOURCE OUTDIR [--size WxH]\n"
                         "       orbigolf-content holes-review OUTDIR [SOURCE...]\n");
            return 2;
        }
        orbigolf::content::buildContentSet(sources, argv[a]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orbigolf-content: %s\n", e.what());
        return 1;
    }
}
