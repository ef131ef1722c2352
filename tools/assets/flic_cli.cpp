// The asset tool's command line for animations.

#include <cstdio>
#include <cstdlib>

#include "flic_command.h"
#include "png_file.h"

namespace orbigolf::assets {

int runFlicCommand(const std::vector<std::string>& args) {
    auto usage = [] {
        std::fputs("usage: orbigolf-assets info FILE.flc [--json]\n"
                   "       orbigolf-assets png FILE.flc OUT.png [FRAME]   (FRAME from 1, default 1)\n"
                   "       orbigolf-assets export FILE.flc OUTDIR         (0001.png, 0002.png, ...)\n"
                   "       orbigolf-assets show FILE.flc [--windowed]\n",
                   stderr);
        return 2;
    };
    const std::string& command = args[0];
    const std::string& fileName = args[1];
    if (command == "info") {
        if (args.size() > 3 || (args.size() == 3 && args[2] != "--json")) return usage();
        const FlicSummary s = summariseFlic(fileName);
        const std::string text = args.size() == 3 ? flicInfoJson(fileName, s) : flicInfoText(fileName, s);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    if (command == "png") {
        if (args.size() < 3 || args.size() > 4) return usage();
        int n = 1;
        if (args.size() == 4) {
            char* end = nullptr;
            const long v = std::strtol(args[3].c_str(), &end, 10);
            if (args[3].empty() || *end != '\0' || v < 1 || v > 65535) return usage();
            n = int(v);
        }
        writePng(args[2], flicFrame(fileName, n));
        return 0;
    }
    if (command == "export") {
        if (args.size() != 3) return usage();
        for (const auto& path : exportFlicFrames(fileName, args[2])) std::printf("%s\n", path.c_str());
        return 0;
    }
    if (command == "show") {
        if (args.size() > 3 || (args.size() == 3 && args[2] != "--windowed")) return usage();
        return showFlicFile(fileName, args.size() == 3);
    }
    return usage();
}

}  // namespace orbigolf::assets
