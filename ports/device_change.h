#pragma once

#include <cstdint>

// The device-change notification the window reacts to, in the codes Windows gives it; on other systems the
// device watcher produces the same two notifications.
inline constexpr std::uint32_t DBT_DEVICEARRIVAL = 0x8000;
inline constexpr std::uint32_t DBT_DEVICEREMOVECOMPLETE = 0x8004;
inline constexpr std::uint32_t DBT_DEVTYP_PORT = 3;

struct DeviceChange {
    std::uint32_t event;
    std::uint32_t deviceType;

    friend bool operator==(const DeviceChange&, const DeviceChange&) = default;
};
