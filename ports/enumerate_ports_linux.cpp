#include "ports/enumerate_ports.h"

#include "protocol/decimal.h"

#include <libudev.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Udev = std::unique_ptr<udev, decltype(&udev_unref)>;
using UdevEnumerate = std::unique_ptr<udev_enumerate, decltype(&udev_enumerate_unref)>;
using UdevDevice = std::unique_ptr<udev_device, decltype(&udev_device_unref)>;

std::string_view Text(const char* text) {
    return text != nullptr ? text : "";
}

// The 8250 driver registers a fixed number of ports whether or not a UART answers at their addresses; a
// port without one reports the unknown UART type 0 and cannot carry a byte.
bool IsPhantom8250Port(udev_device* tty) {
    for (udev_device* device = udev_device_get_parent(tty); device != nullptr;
         device = udev_device_get_parent(device)) {
        if (Text(udev_device_get_driver(device)) == "serial8250") {
            const char* type = udev_device_get_sysattr_value(tty, "type");
            return type == nullptr || ParseDecimal(type) == 0;
        }
    }
    return false;
}

// The driver of the hardware behind the tty. Since Linux 6.5 serial-core puts devices of its own, with the
// generic drivers "port" and "ctrl", between the tty and the hardware; they say nothing about the port.
std::string DriverName(udev_device* tty) {
    for (udev_device* device = udev_device_get_parent(tty); device != nullptr;
         device = udev_device_get_parent(device)) {
        const std::string_view driver = Text(udev_device_get_driver(device));
        if (!driver.empty() && Text(udev_device_get_subsystem(device)) != "serial-base") {
            return std::string(driver);
        }
    }
    return {};
}

std::string Model(udev_device* tty) {
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
    return DriverName(tty);
}

std::string Label(udev_device* tty, const std::string& port) {
    const std::string model = Model(tty);
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
    if (udev_device_get_parent(tty) == nullptr || !node.starts_with(kDev) || node.size() == kDev.size() ||
        IsPhantom8250Port(tty)) {
        return std::nullopt;
    }
    std::string port(node.substr(kDev.size()));
    std::string label = Label(tty, port);
    return PortEntry{std::move(label), std::move(port)};
}

} // namespace

bool EnumeratePorts(PortTable& table) {
    table.Clear();
    const Udev context(udev_new(), &udev_unref);
    if (!context) {
        return false;
    }
    const UdevEnumerate enumerate(udev_enumerate_new(context.get()), &udev_enumerate_unref);
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return false;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        const UdevDevice tty(udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)),
                             &udev_device_unref);
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
