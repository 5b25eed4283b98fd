#pragma once

#include "protocol/code_page.h"

#include <cstdint>
#include <string>
#include <string_view>

// What a GINF reply payload says about the device.
struct Identification {
    enum class Status {
        Supported,    // a TQ-73 with a firmware field
        OtherModel,   // field 0 is not exactly "TQ-73"
        TooFewFields, // the right model, but no firmware field
    };
    Status status;
    std::string firmwareText; // "Firmware Version 1.23"; empty unless supported
};

inline constexpr char kModelName[] = "TQ-73";

Identification CheckIdentification(std::string_view payload, CodePage codePage = SystemCodePage());

// The firmware line for a version in hundredths: 123 gives "Firmware Version 1.23".
std::string FirmwareVersionText(std::int32_t hundredths);
