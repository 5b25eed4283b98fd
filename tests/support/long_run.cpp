#include "tests/support/long_run.h"

#include "tests/support/process_usage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <thread>

namespace {

constexpr int kWarmUpCycles = 100;
constexpr long kAllowedGrowthKb = 1024;

// The open descriptors once they equal `before`, or as they are after a second. umockdev's ioctl server, a thread
// of the testbed in this same process, closes its end of a node's connection a moment after the program closed the
// node; a descriptor that leaked stays.
std::map<int, std::string> SettledDescriptors(const std::map<int, std::string>& before) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    std::map<int, std::string> descriptors = OpenDescriptors();
    while (descriptors != before && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        descriptors = OpenDescriptors();
    }
    return descriptors;
}

} // namespace

void RunLong(const std::string& name, int cycles, const std::function<void()>& cycle) {
    const auto start = std::chrono::steady_clock::now();
    const std::map<int, std::string> descriptorsBefore = OpenDescriptors();
    long warmKb = -1;
    int done = 0;
    while (done < cycles && !testing::Test::HasFailure()) {
        cycle();
        ++done;
        if (done == kWarmUpCycles) {
            warmKb = ResidentKb();
        }
    }
    const long finalKb = ResidentKb();
    const std::map<int, std::string> descriptorsAfter = SettledDescriptors(descriptorsBefore);
    const bool leaks = LeaksFound();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::ostringstream figures;
    figures << std::fixed << std::setprecision(1) << name << ": " << done << " of " << cycles << " cycles in "
            << elapsed.count() << " s; descriptors " << descriptorsBefore.size() << " before, "
            << descriptorsAfter.size() << " after; VmRSS " << warmKb << " kB after " << kWarmUpCycles << " cycles, "
            << finalKb << " kB after all (" << std::showpos << finalKb - warmKb << std::noshowpos << " kB"
            << (AddressSanitized() ? ", not checked under AddressSanitizer" : "") << "); LeakSanitizer: "
            << (!AddressSanitized() ? "not in this build"
                : leaks             ? "leaks found"
                                    : "no leaks");
    std::cout << figures.str() << std::endl;

    ASSERT_EQ(done, cycles) << "cycle " << done << " failed";
    EXPECT_EQ(descriptorsAfter, descriptorsBefore);
    EXPECT_FALSE(leaks) << "LeakSanitizer's report is on standard error";
    if (!AddressSanitized()) {
        ASSERT_GE(warmKb, 0) << "VmRSS unreadable";
        EXPECT_LE(finalKb - warmKb, kAllowedGrowthKb) << "resident memory grew after the warm-up";
    }
}
