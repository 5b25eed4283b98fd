#pragma once

namespace tq73sim {

// umockdev's testbed works only in a process that runs with its library preloaded, as umockdev-wrapper does it:
// that library redirects /sys and /dev into the testbed, carries its udev events, and passes both on to the
// programs the process starts. Does nothing when the library is preloaded already; otherwise starts this program
// again, with the same arguments, under it. Returns only when that fails: the errno.
int RestartUnderUmockdevPreload(char** argv);

} // namespace tq73sim
