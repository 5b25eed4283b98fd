#include "protocol/apply_settings.h"

#include "protocol/messages.h"
#include "protocol/port_settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

bool IsTrimmed(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The rate is sent as the field holds it, so a control character anywhere in it would break the command
// line apart on the wire, even where the check itself trims it away.
std::string CheckRate(std::string_view rateText) {
    const std::string_view digits = Trim(rateText);
    const bool control =
        std::any_of(rateText.begin(), rateText.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (control || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return msg::kRateNotDigits;
    }
    std::int64_t rate = 0;
    for (char c : digits) {
        rate = std::min<std::int64_t>(rate * 10 + (c - '0'), std::int64_t{kMaxRate} + 1);
    }
    if (rate < kMinRate || rate > kMaxRate) {
        return msg::Format(msg::kRateOutOfRange, kMinRate, kMaxRate);
    }
    return {};
}

// The two-digit form of an XON/XOFF text, or the message that refuses it.
std::string CheckFlowCharacter(std::string_view text, std::string& hexText) {
    // Saturating at 0x100 keeps any number of digits from overflowing while still telling "too large".
    std::uint32_t value = 0;
    for (char c : Trim(text)) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        int digit;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return msg::kFlowCharNotHex;
        }
        value = std::min<std::uint32_t>(value * 16 + static_cast<std::uint32_t>(digit), 0x100);
    }
    if (value > 0xFF) {
        return msg::kFlowCharOutOfRange;
    }
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(value));
    hexText = digits;
    return {};
}

void AppendCode(std::string& command, std::span<const char* const> codes, int index, bool comma) {
    if (index >= 0 && static_cast<std::size_t>(index) < codes.size()) {
        command += codes[static_cast<std::size_t>(index)];
        if (comma) {
            command += ',';
        }
    }
}

std::string LineCommand(int panel, const PanelInput& input) {
    std::string command = std::string("SBRT") + kPortLetters[panel] + "," + input.rateText + ",";
    AppendCode(command, kDataBitsCodes, input.dataBits, true);
    AppendCode(command, kParityCodes, input.parity, true);
    AppendCode(command, kStopBitsCodes, input.stopBits, true);
    AppendCode(command, kFlowCodes, input.flow, false);
    return command;
}

} // namespace

ApplyPlan PlanApply(const std::array<PanelInput, 2>& panels) {
    std::array<std::string, 2> xon;
    std::array<std::string, 2> xoff;
    for (std::size_t p = 0; p < panels.size(); ++p) {
        for (std::string refusal : {CheckRate(panels[p].rateText), CheckFlowCharacter(panels[p].xonText, xon[p]),
                                    CheckFlowCharacter(panels[p].xoffText, xoff[p])}) {
            if (!refusal.empty()) {
                return {std::move(refusal), {}};
            }
        }
    }

    ApplyCommands commands;
    for (std::size_t p = 0; p < panels.size(); ++p) {
        const PanelInput& input = panels[p];
        const int panel = static_cast<int>(p);
        commands.line[p] = LineCommand(panel, input);
        if (input.dataBits == kSevenDataBits && input.parity == kNoParity && input.stopBits == kOneStopBit) {
            return {msg::kSevenNoneOneRefused, {}};
        }
        commands.characters[p] = std::string("SXCH") + kPortLetters[panel] + "," + xon[p] + "," + xoff[p];
    }

    // Only a rate padded with blanks or zeros can make a line command too long for the exchange; refusing it
    // here keeps an apply from being cut off half-way.
    for (const std::string& command : commands.line) {
        if (command.size() > kMaxCommandLength) {
            return {msg::Format(msg::kRateOutOfRange, kMinRate, kMaxRate), {}};
        }
    }
    return {{}, std::move(commands)};
}
