// The checks of edited values and the command builders over any two panels. Input: eight bytes choosing the
// checked button of data bits, parity, stop bits and flow control of panel A and then panel B ('0' none, '1'
// the first button, '2' the second, and so on round, one past the last included), then the rate, XON and
// XOFF texts of panel A and of panel B, separated by NUL bytes.

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "protocol/apply_settings.h"
#include "protocol/messages.h"
#include "protocol/port_settings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 8;

// -1 (no button checked) to codeCount (one past the last button).
int ButtonIndex(std::uint8_t selector, std::size_t codeCount) {
    const int choices = static_cast<int>(codeCount) + 2;
    return ((selector - '0') % choices + choices) % choices - 1;
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsUpperHex(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F');
}

bool IsKnownRefusal(const std::string& refusal) {
    return refusal == msg::kRateNotDigits || refusal == msg::Format(msg::kRateOutOfRange, kMinRate, kMaxRate) ||
           refusal == msg::kFlowCharNotHex || refusal == msg::kFlowCharOutOfRange ||
           refusal == msg::kSevenNoneOneRefused;
}

bool FitsTheLine(const std::string& command) {
    return command.size() <= kMaxCommandLength &&
           std::none_of(command.begin(), command.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Digits only once the blanks around them are gone, and within the rates the device takes.
bool IsRate(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return false;
    }
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    if (text.size() > 7) {
        return false;
    }
    const int rate = std::stoi("0" + std::string(text));
    return rate >= kMinRate && rate <= kMaxRate;
}

void CheckLineCommand(const std::string& command, int panel, const PanelInput& input) {
    const std::string head = std::string("SBRT") + kPortLetters[static_cast<std::size_t>(panel)] + ",";
    FUZZ_REQUIRE(command.starts_with(head));
    const std::size_t rateEnd = command.find(',', head.size());
    FUZZ_REQUIRE(rateEnd != std::string::npos &&
                 IsRate(std::string_view(command).substr(head.size(), rateEnd - head.size())));
    FUZZ_REQUIRE(!(input.dataBits == kSevenDataBits && input.parity == kNoParity && input.stopBits == kOneStopBit));
}

void CheckCharactersCommand(const std::string& command, int panel) {
    const std::string head = std::string("SXCH") + kPortLetters[static_cast<std::size_t>(panel)] + ",";
    FUZZ_REQUIRE(command.size() == head.size() + 5 && command.starts_with(head) && command[head.size() + 2] == ',');
    FUZZ_REQUIRE(IsUpperHex(command[head.size()]) && IsUpperHex(command[head.size() + 1]));
    FUZZ_REQUIRE(IsUpperHex(command[head.size() + 3]) && IsUpperHex(command[head.size() + 4]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize) {
        return 0;
    }
    std::array<PanelInput, 2> panels;
    std::vector<std::string_view> texts = SplitAtNul(AsText(data + kHeaderSize, size - kHeaderSize));
    texts.resize(std::max<std::size_t>(texts.size(), 6));
    for (std::size_t p = 0; p < panels.size(); ++p) {
        const std::uint8_t* buttons = data + 4 * p;
        panels[p] = PanelInput{std::string(texts[3 * p]),
                               ButtonIndex(buttons[0], kDataBitsCodes.size()),
                               ButtonIndex(buttons[1], kParityCodes.size()),
                               ButtonIndex(buttons[2], kStopBitsCodes.size()),
                               ButtonIndex(buttons[3], kFlowCodes.size()),
                               std::string(texts[3 * p + 1]),
                               std::string(texts[3 * p + 2])};
    }

    const ApplyPlan plan = PlanApply(panels);
    if (plan.Refused()) {
        FUZZ_REQUIRE(IsKnownRefusal(plan.refusal));
        return 0;
    }
    for (std::size_t p = 0; p < panels.size(); ++p) {
        const int panel = static_cast<int>(p);
        FUZZ_REQUIRE(FitsTheLine(plan.commands.line[p]) && FitsTheLine(plan.commands.characters[p]));
        CheckLineCommand(plan.commands.line[p], panel, panels[p]);
        CheckCharactersCommand(plan.commands.characters[p], panel);
    }
    return 0;
}
