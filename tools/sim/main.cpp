// orbigolf-sim: plays one hole headlessly and prints the balls as JSON lines.

#include <iostream>
#include <string>
#include <vector>

#include "sim_options.h"
#include "sim_run.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = orbigolf::sim::parseOptions(args);
    if (parsed.help) {
        std::cout << orbigolf::sim::kUsage;
        return 0;
    }
    if (!parsed.options) {
        std::cerr << parsed.error << '\n';
        return 2;
    }
    return orbigolf::sim::run(*parsed.options, std::cout, std::cerr);
}
