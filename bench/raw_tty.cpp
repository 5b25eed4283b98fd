#include "bench/raw_tty.h"

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

int OpenRawTty(const std::string& path, bool nonBlocking) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | (nonBlocking ? O_NONBLOCK : 0));
    termios tio{};
    if (fd < 0 || tcgetattr(fd, &tio) != 0) {
        std::perror(path.c_str());
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        std::perror(path.c_str());
        close(fd);
        return -1;
    }
    return fd;
}
