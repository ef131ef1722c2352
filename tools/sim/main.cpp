// orbigolf-sim: plays one hole headlessly and prints the balls as JSON lines.

#include <iostream>
#include <string>
#include <vector>

#include "sim_options.h"
#include "sim_run.h"
#include "solver.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    // --solve [--max-strokes N] searches putts instead of playing given ones.
    bool solve = false;
    orbigolf::sim::SolveLimits limits;
    for (size_t i = 0; i < args.size();) {
        if (args[i] == "--solve") {
            solve = true;
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (args[i] == "--max-strokes") {
            const std::string v = i + 1 < args.size() ? args[i + 1] : "";
            const int n = v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? v[0] - '0' : 0;
            if (n < 1 || n > 9) {
                std::cerr << "orbigolf-sim: --max-strokes takes 1 to 9\n";
                return 2;
            }
            limits.maxStrokes = n;
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        } else {
            ++i;
        }
    }
    const auto parsed = orbigolf::sim::parseOptions(args);
    if (parsed.help) {
        std::cout << orbigolf::sim::kUsage;
        return 0;
    }
    if (!parsed.options) {
        std::cerr << parsed.error << '\n';
        return 2;
    }
    if (solve && parsed.options->players != 1) {
        std::cerr << "orbigolf-sim: --solve plays one player\n";
        return 2;
    }
    if (solve) {
        const auto result = orbigolf::sim::solve(*parsed.options, limits);
        if (result.readError) std::cerr << *result.readError << '\n';
        std::cout << orbigolf::sim::solveJson(result) << std::endl;
        return result.solved ? 0 : 1;
    }
    return orbigolf::sim::run(*parsed.options, std::cout, std::cerr);
}
