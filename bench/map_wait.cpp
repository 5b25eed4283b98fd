// bench-map-wait SETTLE_MS PROGRAM [ARGUMENT...]: starts PROGRAM on the X display of $DISPLAY and prints
// "map_ms <milliseconds>", the time from starting it to the X server's MapNotify of its first top-level
// window. Then, SETTLE_MS later, ends the program with SIGTERM and waits for it, so that /usr/bin/time around
// this program reports the program's peak resident memory with its own.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto kGiveUpAfter = std::chrono::seconds(30);

// True when the event maps a window that is a child of the root and asks for a window manager's care: what
// the program shows, not a tooltip or a menu.
bool IsTopLevelMap(const XEvent& event, Window root) {
    return event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect;
}

enum class Outcome { Mapped, Ended, NoWindow };

Outcome WaitForMap(Display* display, pid_t child) {
    const Window root = DefaultRootWindow(display);
    const auto giveUp = std::chrono::steady_clock::now() + kGiveUpAfter;
    while (std::chrono::steady_clock::now() < giveUp) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (IsTopLevelMap(event, root)) {
                return Outcome::Mapped;
            }
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "bench-map-wait: the program ended before it showed a window\n");
            return Outcome::Ended;
        }
        pollfd pfd{ConnectionNumber(display), POLLIN, 0};
        poll(&pfd, 1, 100);
    }
    std::fprintf(stderr, "bench-map-wait: no window within %lld s\n", static_cast<long long>(kGiveUpAfter.count()));
    return Outcome::NoWindow;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench-map-wait SETTLE_MS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "bench-map-wait: cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("bench-map-wait: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    const Outcome outcome = WaitForMap(display, child);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (outcome == Outcome::Mapped) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    }
    if (outcome != Outcome::Ended) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    XCloseDisplay(display);
    if (outcome != Outcome::Mapped) {
        return 1;
    }
    std::printf("map_ms %.3f\n", elapsed.count());
    return 0;
}
