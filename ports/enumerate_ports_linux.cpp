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

// The device of the hardware behind the tty: its nearest parent with a driver, or null. Since Linux 6.5
// serial-core puts devices of its own, with the generic drivers "port" and "ctrl", between the tty and the
// hardware; they say nothing about the port.
udev_device* HardwareOf(udev_device* tty) {
    for (udev_device* device = udev_device_get_parent(tty); device != nullptr;
         device = udev_device_get_parent(device)) {
        if (udev_device_get_driver(device) != nullptr && Text(udev_device_get_subsystem(device)) != "serial-base") {
            return device;
        }
    }
    return nullptr;
}

std::string DriverName(udev_device* hardware) {
    return hardware != nullptr ? std::string(Text(udev_device_get_driver(hardware))) : std::string();
}

// The 8250 driver registers a fixed number of ports whether or not a UART answers at their addresses; a
// port without one reports the unknown UART type 0 and cannot carry a byte. Those ports are the 8250
// driver's own devices' children, so the hardware alone tells: every further parent up to the root would
// cost udev a device of its own.
bool IsPhantom8250Port(udev_device* tty, udev_device* hardware) {
    if (DriverName(hardware) != "serial8250") {
        return false;
    }
    const char* type = udev_device_get_sysattr_value(tty, "type");
    return type == nullptr || ParseDecimal(type) == 0;
}

std::string Model(udev_device* tty, udev_device* hardware) {
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
    return DriverName(hardware);
}

std::string Label(udev_device* tty, udev_device* hardware, const std::string& port) {
    const std::string model = Model(tty, hardware);
    const std::string prefix = model.empty() ? "" : model + " ";
    // "USB" in the label is what makes the port list prefer a USB port.
    if (udev_device_get_parent_with_subsystem_devtype(tty, "usb", nullptr) != nullptr) {
        return prefix + "USB Serial Device (" + port + ")";
    }
    return model.empty() ? "Serial Port (" + port + ")" : prefix + "(" + port + ")";
}

// A tty is a port when it belongs to a device (virtual terminals and pseudo-terminals do not), has a node
// to open, and is not a phantom of the 8250 driver.
std::optional<PortEntry> ReadPort(udev_device* tty) {
    constexpr std::string_view kDev = "/dev/";
    const std::string_view node = Text(udev_device_get_devnode(tty));
    if (udev_device_get_parent(tty) == nullptr || !node.starts_with(kDev) || node.size() == kDev.size()) {
        return std::nullopt;
    }
    udev_device* hardware = HardwareOf(tty);
    if (IsPhantom8250Port(tty, hardware)) {
        return std::nullopt;
    }
    std::string port(node.substr(kDev.size()));
    std::string label = Label(tty, hardware, port);
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
