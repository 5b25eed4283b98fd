#pragma once

#include "protocol/code_page.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Codes of the line settings on the wire, in the order of the window's radio buttons. The codes written
// are exactly the codes read.
inline constexpr std::array<const char*, 2> kDataBitsCodes = {"8", "7"};
inline constexpr std::array<const char*, 3> kParityCodes = {"N", "O", "E"};
inline constexpr std::array<const char*, 2> kStopBitsCodes = {"1", "2"};
inline constexpr std::array<const char*, 3> kFlowCodes = {"N", "H", "S"};

// Indices into the code tables above, for the combination the device must never be sent.
inline constexpr int kSevenDataBits = 1;
inline constexpr int kNoParity = 0;
inline constexpr int kOneStopBit = 0;

inline constexpr std::array<int, 16> kOfferedRates = {200,   300,   600,   1200,  2400,   4800,   9600,   14400,
                                                      19200, 28800, 38400, 57600, 115200, 230400, 460800, 921600};

// Device port letters by panel index.
inline constexpr std::array<char, 2> kPortLetters = {'A', 'B'};

// Fields 1 to 6 of a line settings reply (GBRTx, and the reply to SBRTx), as they came.
struct LineSettings {
    std::string rate;
    std::string dataBits;
    std::string parity;
    std::string stopBits;
    std::string flow;
    std::string rateError;
};

// Fields 1 and 2 of a flow-control characters reply (GXCHx), as they came.
struct FlowCharacters {
    std::string xon;
    std::string xoff;
};

// Nothing when the payload has fewer fields than the reply must carry.
std::optional<LineSettings> ParseLineSettings(std::string_view payload, CodePage codePage = SystemCodePage());
std::optional<FlowCharacters> ParseFlowCharacters(std::string_view payload, CodePage codePage = SystemCodePage());

// Index of the code that matches a field exactly (case-sensitive), or -1 when none does.
int CodeIndex(std::span<const char* const> codes, std::string_view field);

// The text of a rate info label for the device's rate error figure: "bps (0.16 %)".
std::string RateInfoText(std::string_view rateError);

inline constexpr char kRateInfoIdle[] = "bps";

// The read commands for a panel.
std::string LineSettingsQuery(int panel);
std::string FlowCharactersQuery(int panel);
