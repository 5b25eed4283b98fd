#include "sim/pseudo_terminal.h"

#include "sim/raw_mode.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace tq73sim {

PseudoTerminal::PseudoTerminal() {
    const int master = open("/dev/ptmx", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) {
        m_error = errno;
        return;
    }
    char path[128];
    if (grantpt(master) != 0 || unlockpt(master) != 0) {
        m_error = errno;
        close(master);
        return;
    }
    if (const int error = ptsname_r(master, path, sizeof path); error != 0) {
        m_error = error;
        close(master);
        return;
    }
    // Raw from the start: with echo on, every reply would come back to the device as a command.
    if (const int error = MakeRaw(master); error != 0) {
        m_error = error;
        close(master);
        return;
    }
    m_master = master;
    m_slavePath = path;
}

PseudoTerminal::~PseudoTerminal() {
    if (m_master >= 0) {
        close(m_master);
    }
}

} // namespace tq73sim
