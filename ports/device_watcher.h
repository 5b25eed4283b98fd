#pragma once

#include "ports/device_change.h"

#include <optional>

struct udev;
struct udev_monitor;

// Follows serial ports being plugged in and removed, through udev's device events. The window watches Fd()
// and calls ReadChange() whenever it is readable.
class DeviceWatcher {
public:
    DeviceWatcher();
    ~DeviceWatcher();
    DeviceWatcher(const DeviceWatcher&) = delete;
    DeviceWatcher& operator=(const DeviceWatcher&) = delete;

    // The descriptor that becomes readable when an event is pending; -1 when the system offers no events.
    int Fd() const;
    // Reads one pending event. None when nothing is pending or the event is not a port arriving or leaving.
    std::optional<DeviceChange> ReadChange();

private:
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
};
