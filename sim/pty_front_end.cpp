#include "sim/pty_front_end.h"

#include "sim/pseudo_terminal.h"
#include "sim/server.h"

#include <cstdio>
#include <cstring>

namespace tq73sim {

int ServePty(Device& device, const StopSignals& stop) {
    const PseudoTerminal pty;
    if (!pty.isOpen()) {
        std::fprintf(stderr, "tq73-sim: cannot open a pseudo-terminal: %s\n", std::strerror(pty.error()));
        return 1;
    }
    Server server(device, pty.masterFd());
    // Whoever reads the path may open the terminal at once: the server is already running.
    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);
    stop.Wait(true);
    return 0;
}

} // namespace tq73sim
