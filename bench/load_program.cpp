#include "bench/load_program.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// What the window sends on connecting, in its order.
constexpr std::array<std::string_view, 5> kLoad = {"GINF", "GBRTA", "GXCHA", "GBRTB", "GXCHB"};

} // namespace

int RunLoadProgram(int argc, char** argv, const LoadClientFactory& open) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PATH LOADS\n", argv[0]);
        return 2;
    }
    const long loads = std::strtol(argv[2], nullptr, 10);
    const std::unique_ptr<LoadClient> client = open(argv[1]);
    if (!client) {
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < loads; ++i) {
        for (const std::string_view command : kLoad) {
            if (!client->Exchange(command)) {
                std::fprintf(stderr, "%s: %.*s failed in load %ld\n", argv[0], static_cast<int>(command.size()),
                             command.data(), i);
                return 1;
            }
        }
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("us_per_load %.3f\n", loads > 0 ? elapsed.count() / static_cast<double>(loads) : 0.0);
    return 0;
}
