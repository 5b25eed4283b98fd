#include "tests/support/process_usage.h"

#include <dirent.h>
#include <fstream>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define TQ73_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TQ73_ASAN 1
#endif
#endif

#ifdef TQ73_ASAN
#include <sanitizer/lsan_interface.h>
#endif

std::map<int, std::string> OpenDescriptors() {
    std::map<int, std::string> descriptors;
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr) {
        return descriptors;
    }
    const std::string listing = std::to_string(dirfd(dir));
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || name == listing) {
            continue;
        }
        char target[512];
        const ssize_t length = readlink(("/proc/self/fd/" + name).c_str(), target, sizeof target);
        descriptors[std::stoi(name)] = length > 0 ? std::string(target, static_cast<std::size_t>(length)) : "?";
    }
    closedir(dir);
    return descriptors;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        if (key == "VmRSS:") {
            long kb = -1;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

bool AddressSanitized() {
#ifdef TQ73_ASAN
    return true;
#else
    return false;
#endif
}

bool LeaksFound() {
#ifdef TQ73_ASAN
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}

void IgnoringLeaks(const std::function<void()>& work) {
#ifdef TQ73_ASAN
    __lsan::ScopedDisabler disabler;
#endif
    work();
}
