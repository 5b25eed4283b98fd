#pragma once

#include <functional>
#include <string>

// Runs `cycle` `cycles` times, the way a program is used for a long time, and checks that the process ends
// holding what it held before: the same open descriptors, no leaked memory (in a build with LeakSanitizer),
// and, in a build without AddressSanitizer, resident memory grown by at most 1 MB after the first 100 cycles,
// which are allowed to fill caches. Stops at the first cycle that fails a test assertion. Prints the figures
// it measured on one line of standard output, headed by `name`.
void RunLong(const std::string& name, int cycles, const std::function<void()>& cycle);
