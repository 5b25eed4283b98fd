#include "sim/port_front_end.h"

#include "sim/raw_mode.h"
#include "sim/server.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace tq73sim {

int ServePort(Device& device, const std::string& path, const StopSignals& stop) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        std::fprintf(stderr, "tq73-sim: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    termios original{};
    int error = tcgetattr(fd, &original) == 0 ? 0 : errno;
    if (error == 0) {
        error = MakeRaw(fd);
    }
    if (error != 0) {
        std::fprintf(stderr, "tq73-sim: cannot switch %s to raw mode: %s\n", path.c_str(), std::strerror(error));
        close(fd);
        return 1;
    }
    {
        Server server(device, fd);
        stop.Wait(false);
    }
    tcsetattr(fd, TCSANOW, &original);
    close(fd);
    return 0;
}

} // namespace tq73sim
