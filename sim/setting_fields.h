#pragma once

#include "sim/device_error.h"
#include "sim/port_settings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tq73sim {

// The fields of the settings commands and replies, from the device's side.

// Rate, data bits, parity, stop bits and flow control as an SBRT command gives them. Only when every value is
// valid are they stored into `settings`; otherwise the first error, in field order.
std::optional<DeviceError> ReadLineSettings(std::span<const std::string_view, 5> values, PortSettings& settings);

// XON and XOFF as an SXCH command gives them, stored only when both are valid.
std::optional<DeviceError> ReadFlowCharacters(std::span<const std::string_view, 2> values, PortSettings& settings);

// "A,9600,8,N,1,N,0.00": the payload of GBRT and SBRT.
std::string LineSettingsPayload(char letter, const PortSettings& settings);

// "A,11,13": the payload of GXCH.
std::string FlowCharactersPayload(char letter, const PortSettings& settings);

} // namespace tq73sim
