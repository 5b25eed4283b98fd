#include "sim/raw_mode.h"

#include <cerrno>
#include <termios.h>

namespace tq73sim {

int MakeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        return errno;
    }
    settings.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
    settings.c_oflag &= ~tcflag_t(OPOST);
    settings.c_lflag &= ~tcflag_t(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &settings) == 0 ? 0 : errno;
}

} // namespace tq73sim
