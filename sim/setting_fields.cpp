#include "sim/setting_fields.h"

#include "sim/rate_error.h"

#include <cstdio>

namespace tq73sim {
namespace {

constexpr int kMinRate = 200;
constexpr int kMaxRate = 1'000'000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Decimal digits with blanks allowed around them, as a host may send a rate field's text untrimmed.
std::optional<int> ParseRate(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int rate = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        // Past the limit the exact value no longer matters; stopping there keeps it from overflowing.
        if (rate <= kMaxRate) {
            rate = rate * 10 + (c - '0');
        }
    }
    if (rate < kMinRate || rate > kMaxRate) {
        return std::nullopt;
    }
    return rate;
}

// One of the characters of `codes`, alone.
std::optional<char> ParseCode(std::string_view text, std::string_view codes) {
    if (text.size() != 1 || codes.find(text[0]) == std::string_view::npos) {
        return std::nullopt;
    }
    return text[0];
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<int> ParseHexByte(std::string_view text) {
    if (text.size() != 2 || HexDigit(text[0]) < 0 || HexDigit(text[1]) < 0) {
        return std::nullopt;
    }
    return HexDigit(text[0]) * 16 + HexDigit(text[1]);
}

} // namespace

std::optional<DeviceError> ReadLineSettings(std::span<const std::string_view, 5> values, PortSettings& settings) {
    const std::optional<int> rate = ParseRate(values[0]);
    if (!rate) {
        return DeviceError::Rate;
    }
    const std::optional<char> dataBits = ParseCode(values[1], "78");
    if (!dataBits) {
        return DeviceError::DataBits;
    }
    const std::optional<char> parity = ParseCode(values[2], "NOE");
    if (!parity) {
        return DeviceError::Parity;
    }
    const std::optional<char> stopBits = ParseCode(values[3], "12");
    if (!stopBits) {
        return DeviceError::StopBits;
    }
    const std::optional<char> flow = ParseCode(values[4], "NHS");
    if (!flow) {
        return DeviceError::Flow;
    }
    // The UART cannot frame 7 data bits without parity with a single stop bit.
    if (*dataBits == '7' && *parity == 'N' && *stopBits == '1') {
        return DeviceError::SevenNoneOne;
    }
    settings.rate = *rate;
    settings.dataBits = *dataBits;
    settings.parity = *parity;
    settings.stopBits = *stopBits;
    settings.flow = *flow;
    return std::nullopt;
}

std::optional<DeviceError> ReadFlowCharacters(std::span<const std::string_view, 2> values, PortSettings& settings) {
    const std::optional<int> xon = ParseHexByte(values[0]);
    const std::optional<int> xoff = ParseHexByte(values[1]);
    if (!xon || !xoff) {
        return DeviceError::FlowCharacter;
    }
    settings.xon = *xon;
    settings.xoff = *xoff;
    return std::nullopt;
}

std::string LineSettingsPayload(char letter, const PortSettings& settings) {
    char text[64];
    std::snprintf(text, sizeof text, "%c,%d,%c,%c,%c,%c,%s", letter, settings.rate, settings.dataBits, settings.parity,
                  settings.stopBits, settings.flow, RateErrorText(settings.rate).c_str());
    return text;
}

std::string FlowCharactersPayload(char letter, const PortSettings& settings) {
    char text[16];
    std::snprintf(text, sizeof text, "%c,%02X,%02X", letter, settings.xon, settings.xoff);
    return text;
}

} // namespace tq73sim
