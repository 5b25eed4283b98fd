#include "testbed/testbed.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <termios.h>
#include <umockdev.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The sysfs paths of the devices of a description, in its order.
std::vector<std::string> SysPaths(std::string_view description) {
    constexpr std::string_view kPath = "P: ";
    std::vector<std::string> paths;
    for (const std::string_view line : Lines(description)) {
        if (line.starts_with(kPath)) {
            paths.push_back("/sys" + std::string(line.substr(kPath.size())));
        }
    }
    return paths;
}

std::string WithoutNodes(std::string_view description) {
    std::string kept;
    for (const std::string_view line : Lines(description)) {
        if (!line.starts_with("N: ")) {
            kept.append(line).push_back('\n');
        }
    }
    return kept;
}

// umockdev's preload library answers ioctl calls on its nodes itself; these must reach the kernel's pty.
long KernelIoctl(int fd, unsigned long request, long argument) {
    return syscall(SYS_ioctl, fd, request, argument);
}

// Hangs up every opener of the terminal behind the master, as a disconnect does.
void HangUp(int master) {
    char terminal[64];
    if (master < 0 || ptsname_r(master, terminal, sizeof terminal) != 0) {
        return;
    }
    const int fd = open(terminal, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        KernelIoctl(fd, TIOCVHANGUP, 0);
        close(fd);
    }
}

// Gives a terminal that was unplugged what a new one has: nothing on its line, and the raw mode in which
// umockdev hands out a node (the hang-up of the unplug reset it).
bool MakeNew(int master, const char* terminal) {
    const int fd = open(terminal, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    termios tio{};
    bool made = KernelIoctl(fd, TCGETS, reinterpret_cast<long>(&tio)) == 0;
    cfmakeraw(&tio);
    made = made && KernelIoctl(fd, TCSETS, reinterpret_cast<long>(&tio)) == 0 &&
           KernelIoctl(master, TCFLSH, TCIOFLUSH) == 0;
    close(fd);
    return made;
}

std::string RootDir(UMockdevTestbed* testbed) {
    const std::unique_ptr<gchar, decltype(&g_free)> root(umockdev_testbed_get_root_dir(testbed), &g_free);
    return root.get();
}

} // namespace

Testbed::Testbed() : m_testbed(umockdev_testbed_new()), m_rootDir(RootDir(m_testbed)) {}

Testbed::~Testbed() {
    g_object_unref(m_testbed);
}

bool Testbed::Active() {
    return umockdev_in_mock_environment();
}

bool Testbed::Add(const std::string& description) {
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(m_testbed, description.c_str(), &error)) {
        std::cerr << "Testbed: " << error->message << '\n';
        g_error_free(error);
        return false;
    }
    return true;
}

bool Testbed::Plug(FakeDevice device) {
    const FakeDeviceRecord& record = RecordOf(device);
    if (IsPlugged(record)) {
        return false;
    }
    const int master = MasterFd(device);
    if (master < 0) {
        if (!Add(std::string(record.description))) {
            return false;
        }
        // A program started from this process must not inherit the master: while any copy of it is open,
        // the node never hangs up.
        const int created = MasterFd(device);
        return created >= 0 && fcntl(created, F_SETFD, fcntl(created, F_GETFD) | FD_CLOEXEC) == 0;
    }
    // umockdev cannot give a node a second pseudo-terminal, so the device comes back on the one it had.
    char terminal[64];
    const std::string node = m_rootDir + "/dev/" + std::string(record.node);
    if (ptsname_r(master, terminal, sizeof terminal) != 0 || !MakeNew(master, terminal) ||
        symlink(terminal, node.c_str()) != 0) {
        return false;
    }
    if (!Add(WithoutNodes(record.description))) {
        unlink(node.c_str());
        return false;
    }
    return true;
}

void Testbed::Unplug(FakeDevice device) {
    const FakeDeviceRecord& record = RecordOf(device);
    if (!IsPlugged(record)) {
        return;
    }
    HangUp(MasterFd(device));
    const std::vector<std::string> paths = SysPaths(record.description);
    // Removing a device sends no event of its own, and the event needs the device still there.
    umockdev_testbed_uevent(m_testbed, paths.front().c_str(), "remove");
    // umockdev takes away only the node and class link of the device it is given, not those of the devices
    // below it, so the devices go one by one from the tty outwards.
    for (const std::string& path : paths) {
        umockdev_testbed_remove_device(m_testbed, path.c_str());
    }
}

bool Testbed::GiveNodeToGroup(FakeDevice device, gid_t group) {
    char terminal[64];
    const int master = MasterFd(device);
    // umockdev's preload library connects every opener of a node to the testbed's ioctl socket, and fails
    // the opener's whole process when it cannot.
    const std::string socket = m_rootDir + "/ioctl/_default";
    return master >= 0 && ptsname_r(master, terminal, sizeof terminal) == 0 && chown(terminal, 0, group) == 0 &&
           chmod(terminal, 0660) == 0 && chmod(m_rootDir.c_str(), 0711) == 0 && chmod(socket.c_str(), 0777) == 0;
}

int Testbed::MasterFd(FakeDevice device) const {
    return umockdev_testbed_get_dev_fd(m_testbed, ("/dev/" + std::string(RecordOf(device).node)).c_str());
}

bool Testbed::IsPlugged(const FakeDeviceRecord& record) const {
    return std::filesystem::exists(m_rootDir + SysPaths(record.description).front() + "/uevent");
}
