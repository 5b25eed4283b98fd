// Another program holding a serial port, as terminal programs do:
//   hold-port PATH lock        opens PATH and takes flock(LOCK_EX) on it (as pyserial's exclusive mode does)
//   hold-port PATH exclusive   opens PATH and puts its terminal in exclusive mode (TIOCEXCL)
// Prints "held" once it holds the port, and holds it until its standard input ends. Exit status 1 when it
// cannot hold the port, with the reason on standard error.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: hold-port PATH lock|exclusive\n", stderr);
        return 2;
    }
    const std::string_view how = argv[2];
    const int fd = open(argv[1], O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    // Under umockdev the library answers ioctl calls on a node itself; the terminal's mode needs the kernel.
    const bool held = fd >= 0 && (how == "lock" ? flock(fd, LOCK_EX | LOCK_NB) == 0
                                                : how == "exclusive" && syscall(SYS_ioctl, fd, TIOCEXCL, 0) == 0);
    if (!held) {
        std::fprintf(stderr, "hold-port: cannot hold %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    char byte;
    for (ssize_t count = 1; count > 0 || (count < 0 && errno == EINTR);) {
        count = read(STDIN_FILENO, &byte, 1);
    }
    return 0;
}
