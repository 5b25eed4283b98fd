// bench-responder: a device that answers every command line at once, so that the clients' own cost is what
// the load benchmark measures. It opens a pseudo-terminal, prints the path of its slave and serves on its
// master until SIGTERM or SIGINT.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStop(int) {
    g_stop = 1;
}

std::string_view ReplyTo(std::string_view command) {
    if (command == "GINF") {
        return "OKTQ-73,TQ73-000123,123\r";
    }
    if (command == "GBRTA" || command == "GBRTB") {
        return "OK0,9600,8,N,1,N,0.00\r";
    }
    if (command == "GXCHA" || command == "GXCHB") {
        return "OK0,11,13\r";
    }
    return "01\r";
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Reads whatever the client sent and answers every line it completed with one write.
void Serve(int master) {
    std::string line;
    std::string replies;
    char buffer[4096];
    while (g_stop == 0) {
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0) {
            return;
        }
        for (const char byte : std::string_view(buffer, static_cast<std::size_t>(got))) {
            if (byte == '\r') {
                replies += ReplyTo(line);
                line.clear();
            } else {
                line += byte;
            }
        }
        if (!replies.empty() && !WriteAll(master, replies)) {
            return;
        }
        replies.clear();
    }
}

} // namespace

int main() {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("bench-responder: pseudo-terminal");
        return 1;
    }
    const std::string slavePath = ptsname(master);
    // Holding the slave open keeps the master readable between clients instead of reading EIO.
    const int slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (slave < 0 || tcgetattr(slave, &tio) != 0) {
        std::perror("bench-responder: slave");
        return 1;
    }
    cfmakeraw(&tio);
    tcsetattr(slave, TCSANOW, &tio);

    struct sigaction action {};
    action.sa_handler = OnStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    std::printf("%s\n", slavePath.c_str());
    std::fflush(stdout);
    Serve(master);
    return 0;
}
