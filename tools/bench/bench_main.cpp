// orbigolf-bench takes Google Benchmark's own flags (--benchmark_filter=..., see --help).
// Anything else is refused the way every tool refuses an unknown option.

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);  // removes the flags it knows; --help prints them, exit 0
    if (argc > 1) {
        std::fprintf(stderr, "orbigolf-bench: unknown option %s (see --help)\n", argv[1]);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
