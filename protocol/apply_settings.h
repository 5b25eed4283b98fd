#pragma once

#include <array>
#include <string>

// What one panel of the window holds when the user presses Set. Button choices are indices into the code
// tables of port_settings.h, -1 when no button of the group is checked.
struct PanelInput {
    std::string rateText;
    int dataBits = -1;
    int parity = -1;
    int stopBits = -1;
    int flow = -1;
    std::string xonText;
    std::string xoffText;
};

// The four write commands of one apply, in panel order, to be sent line A, line B, characters A, characters B.
struct ApplyCommands {
    std::array<std::string, 2> line;
    std::array<std::string, 2> characters;
};

// Either the message of the first check that failed, or the commands to send.
struct ApplyPlan {
    std::string refusal;
    ApplyCommands commands;
    bool Refused() const { return !refusal.empty(); }
};

// The longest command text that fits the exchange's line buffer.
inline constexpr std::size_t kMaxCommandLength = 30;

inline constexpr int kMinRate = 200;
inline constexpr int kMaxRate = 1000000;

// Checks both panels and builds the commands. Every field check of both panels comes before the
// 7-bit/no-parity/1-stop-bit check of either; nothing is built for sending unless everything passes.
ApplyPlan PlanApply(const std::array<PanelInput, 2>& panels);
