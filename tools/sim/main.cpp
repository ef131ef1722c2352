// orbigolf-sim: plays one hole headlessly and prints the balls as JSON lines.

#include <fstream>
#include <iostream>

#include "sim_options.h"
#include "solution_replay.h"
#include "sim_run.h"
#include "solver.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    orbigolf::sim::Options options;
    if (const auto status = orbigolf::sim::parseCommandLine(argc, argv, options, std::cout, std::cerr)) return *status;
    if (options.solve) {
        orbigolf::sim::SolveLimits limits;
        limits.maxStrokes = options.maxStrokes;
        const auto result = orbigolf::sim::solve(options, limits);
        if (result.readError) std::cerr << *result.readError << '\n';
        std::cout << orbigolf::sim::solveJson(result) << std::endl;
        if (result.solved && options.replayFile) {
            const auto replay = orbigolf::sim::solutionReplay(options, result);
            if (!replay.error.empty()) {
                std::cerr << "orbigolf-sim: no replay written: " << replay.error << '\n';
                return 1;
            }
            std::ofstream out(*options.replayFile, std::ios::binary);
            out << replay.text;
            out.close();
            if (!out) {
                std::cerr << "orbigolf-sim: cannot write " << *options.replayFile << '\n';
                return 1;
            }
        }
        return result.solved ? 0 : 1;
    }
    return orbigolf::sim::run(options, std::cout, std::cerr);
}
