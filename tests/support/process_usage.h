#pragma once

#include <functional>
#include <map>
#include <string>

// What this process holds of the system, for tests that repeat the same work many times and must end holding
// what they held before.

// The open descriptors, each with what it refers to: the entries of /proc/self/fd, without the one that lists
// them.
std::map<int, std::string> OpenDescriptors();

// Resident memory in kB (VmRSS in /proc/self/status), or -1 when it cannot be read.
long ResidentKb();

// Whether AddressSanitizer instruments this build. Its quarantine keeps freed memory resident by design, so
// resident memory says nothing about leaks there.
bool AddressSanitized();

// Runs LeakSanitizer now, with the process going on afterwards: true when it found leaks, which it printed to
// standard error. Always false in a build without AddressSanitizer.
bool LeaksFound();

// Runs `work` with LeakSanitizer ignoring what it allocates, for memory of other libraries that is still owned
// but through references LeakSanitizer cannot follow. Just runs `work` in a build without it.
void IgnoringLeaks(const std::function<void()>& work);
