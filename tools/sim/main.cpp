// orbigolf-sim: plays one hole headlessly and prints the balls as JSON lines.

#include <iostream>

#include "sim_options.h"
#include "sim_run.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    orbigolf::sim::Options options;
    if (const auto status = orbigolf::sim::parseCommandLine(argc, argv, options, std::cout, std::cerr)) return *status;
    return orbigolf::sim::run(options, std::cout, std::cerr);
}
