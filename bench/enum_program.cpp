#include "bench/enum_program.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int RunEnumerationProgram(int argc, char** argv, const PortListing& list) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CALLS\n", argv[0]);
        return 2;
    }
    const long calls = std::strtol(argv[1], nullptr, 10);
    if (calls < 1) {
        std::fprintf(stderr, "%s: CALLS must be at least 1\n", argv[0]);
        return 2;
    }
    int ports = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < calls; ++i) {
        ports = list();
        if (ports < 0) {
            std::fprintf(stderr, "%s: listing failed\n", argv[0]);
            return 1;
        }
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("us_per_call %.3f ports %d\n", elapsed.count() / static_cast<double>(calls), ports);
    return 0;
}
