#include "ports/enumerate_ports.h"

#include "protocol/decimal.h"

#include <dirent.h>
#include <libudev.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Udev = std::unique_ptr<udev, decltype(&udev_unref)>;
using UdevDevice = std::unique_ptr<udev_device, decltype(&udev_device_unref)>;

struct DirectoryCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};

std::string_view Text(const char* text) {
    return text != nullptr ? text : "";
}

// One parent of a tty as sysfs shows it: the names its "driver" and "subsystem" links point to, empty where
// it has none (a directory that is no device has neither).
struct Parent {
    std::string driver;
    std::string subsystem;
};

std::string LinkedName(const std::string& link) {
    char target[PATH_MAX];
    const ssize_t length = readlink(link.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof target) {
        return {};
    }
    const std::string_view path(target, static_cast<std::size_t>(length));
    return std::string(path.substr(path.rfind('/') + 1));
}

// The parents of the device at `syspath`, nearest first, read from their links. udev would build a device of
// its own for every parent, resolving its whole path once more component by component: that made a port
// several times as costly as the tty alone.
std::vector<Parent> ParentsOf(std::string_view syspath) {
    constexpr std::string_view kDevices = "/sys/devices";
    std::vector<Parent> parents;
    for (std::size_t end = syspath.rfind('/'); end != std::string_view::npos && end > kDevices.size();
         end = syspath.rfind('/', end - 1)) {
        const std::string directory(syspath.substr(0, end));
        parents.push_back({LinkedName(directory + "/driver"), LinkedName(directory + "/subsystem")});
    }
    return parents;
}

// The driver of the hardware behind the tty: that of its nearest parent with a driver. Since Linux 6.5
// serial-core puts devices of its own, with the generic drivers "port" and "ctrl", between the tty and the
// hardware; they say nothing about the port.
std::string DriverName(const std::vector<Parent>& parents) {
    for (const Parent& parent : parents) {
        if (!parent.driver.empty() && parent.subsystem != "serial-base") {
            return parent.driver;
        }
    }
    return {};
}

// The 8250 driver registers a fixed number of ports whether or not a UART answers at their addresses; a
// port without one reports the unknown UART type 0 and cannot carry a byte.
bool IsPhantom8250Port(udev_device* tty, const std::string& driver) {
    if (driver != "serial8250") {
        return false;
    }
    const char* type = udev_device_get_sysattr_value(tty, "type");
    return type == nullptr || ParseDecimal(type) == 0;
}

std::string Model(udev_device* tty, const std::string& driver) {
    const std::string_view fromDatabase = Text(udev_device_get_property_value(tty, "ID_MODEL_FROM_DATABASE"));
    if (!fromDatabase.empty()) {
        return std::string(fromDatabase);
    }
    std::string model(Text(udev_device_get_property_value(tty, "ID_MODEL")));
    if (!model.empty()) {
        // udev writes the blanks of the device's own name as underscores.
        std::replace(model.begin(), model.end(), '_', ' ');
        return model;
    }
    return driver;
}

std::string Label(udev_device* tty, const std::vector<Parent>& parents, const std::string& driver,
                  const std::string& port) {
    const std::string model = Model(tty, driver);
    const std::string prefix = model.empty() ? "" : model + " ";
    // "USB" in the label is what makes the port list prefer a USB port.
    if (std::any_of(parents.begin(), parents.end(), [](const Parent& parent) { return parent.subsystem == "usb"; })) {
        return prefix + "USB Serial Device (" + port + ")";
    }
    return model.empty() ? "Serial Port (" + port + ")" : prefix + "(" + port + ")";
}

// A tty is a port when it belongs to a device (virtual terminals and pseudo-terminals do not), has a node
// to open, and is not a phantom of the 8250 driver.
std::optional<PortEntry> ReadPort(udev_device* tty) {
    constexpr std::string_view kDev = "/dev/";
    const std::string_view node = Text(udev_device_get_devnode(tty));
    if (!node.starts_with(kDev) || node.size() == kDev.size()) {
        return std::nullopt;
    }
    const std::vector<Parent> parents = ParentsOf(Text(udev_device_get_syspath(tty)));
    if (std::none_of(parents.begin(), parents.end(), [](const Parent& parent) { return !parent.subsystem.empty(); })) {
        return std::nullopt;
    }
    const std::string driver = DriverName(parents);
    if (IsPhantom8250Port(tty, driver)) {
        return std::nullopt;
    }
    std::string port(node.substr(kDev.size()));
    std::string label = Label(tty, parents, driver, port);
    return PortEntry{std::move(label), std::move(port)};
}

// The sysfs paths of the ttys that belong to a device, in sysfs order, as udev's own enumeration lists them.
// The virtual ones (consoles, virtual terminals, pseudo-terminals; dozens on every system) are passed over by
// their class link alone: udev's own enumeration resolves the path of every one of them, component by
// component, which took fifty times as long as reading the one real port of a machine.
std::vector<std::string> DeviceTtyPaths() {
    constexpr std::string_view kClass = "/sys/class/tty/";
    std::vector<std::string> paths;
    const std::unique_ptr<DIR, DirectoryCloser> directory(opendir(kClass.data()));
    if (!directory) {
        return paths;
    }
    while (const dirent* entry = readdir(directory.get())) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string link = std::string(kClass) + entry->d_name;
        char target[PATH_MAX];
        const ssize_t length = readlink(link.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) == sizeof target) {
            continue;
        }
        // The link is relative, "../../devices/...".
        std::string_view devicePath(target, static_cast<std::size_t>(length));
        while (devicePath.starts_with("../")) {
            devicePath.remove_prefix(3);
        }
        if (devicePath.starts_with("devices/") && !devicePath.starts_with("devices/virtual/")) {
            paths.push_back("/sys/" + std::string(devicePath));
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

bool EnumeratePorts(PortTable& table) {
    table.Clear();
    const Udev context(udev_new(), &udev_unref);
    if (!context) {
        return false;
    }
    for (const std::string& path : DeviceTtyPaths()) {
        const UdevDevice tty(udev_device_new_from_syspath(context.get(), path.c_str()), &udev_device_unref);
        if (!tty) {
            continue;
        }
        std::optional<PortEntry> port = ReadPort(tty.get());
        if (port && !table.Add(std::move(*port))) {
            break;
        }
    }
    return table.Count() > 0;
}
