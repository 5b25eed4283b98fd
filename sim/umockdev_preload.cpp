#include "sim/umockdev_preload.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tq73sim {
namespace {

constexpr std::string_view kPreloadLibrary = "libumockdev-preload.so.0";

// `first` ahead of the variable's current value, in a colon-separated list.
void Prepend(const char* name, std::string_view first) {
    const char* current = std::getenv(name);
    std::string value(first);
    if (current != nullptr && *current != '\0') {
        value += ':';
        value += current;
    }
    setenv(name, value.c_str(), 1);
}

} // namespace

int RestartUnderUmockdevPreload(char** argv) {
    const char* preload = std::getenv("LD_PRELOAD");
    if (preload != nullptr && std::string_view(preload).find("libumockdev-preload") != std::string_view::npos) {
        return 0;
    }
    Prepend("LD_PRELOAD", kPreloadLibrary);
    // Preloaded ahead of AddressSanitizer's runtime, which refuses that unless told not to check.
    Prepend("ASAN_OPTIONS", "verify_asan_link_order=0");
    execv("/proc/self/exe", argv);
    return errno;
}

} // namespace tq73sim
