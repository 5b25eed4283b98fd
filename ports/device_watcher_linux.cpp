#include "ports/device_watcher.h"

#include <libudev.h>

#include <memory>
#include <string_view>

namespace {

using UdevDevice = std::unique_ptr<udev_device, decltype(&udev_device_unref)>;

std::string_view Text(const char* text) {
    return text != nullptr ? text : "";
}

} // namespace

DeviceWatcher::DeviceWatcher() : m_udev(udev_new()) {
    if (m_udev == nullptr) {
        return;
    }
    // udev's own source, not the kernel's: its events come once the node exists and udev has described the
    // device, so a refresh triggered by them finds the port complete.
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (m_monitor != nullptr && (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "tty", nullptr) < 0 ||
                                 udev_monitor_enable_receiving(m_monitor) < 0)) {
        m_monitor = udev_monitor_unref(m_monitor);
    }
}

DeviceWatcher::~DeviceWatcher() {
    udev_monitor_unref(m_monitor);
    udev_unref(m_udev);
}

int DeviceWatcher::Fd() const {
    return m_monitor != nullptr ? udev_monitor_get_fd(m_monitor) : -1;
}

std::optional<DeviceChange> DeviceWatcher::ReadChange() {
    if (m_monitor == nullptr) {
        return std::nullopt;
    }
    const UdevDevice device(udev_monitor_receive_device(m_monitor), &udev_device_unref);
    // Virtual terminals and pseudo-terminals come and go without any port changing.
    if (!device || Text(udev_device_get_devpath(device.get())).starts_with("/devices/virtual/")) {
        return std::nullopt;
    }
    const std::string_view action = Text(udev_device_get_action(device.get()));
    if (action == "add") {
        return DeviceChange{DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT};
    }
    if (action == "remove") {
        return DeviceChange{DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_PORT};
    }
    return std::nullopt;
}
