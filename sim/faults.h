#pragma once

#include <chrono>
#include <map>
#include <set>
#include <string>

namespace tq73sim {

// Ways the device can misbehave. Commands are matched on their command word, the text before the first comma.
struct Faults {
    // Commands are received and ignored: nothing is answered and nothing changes.
    bool silent = false;
    // Pause before each byte of a reply: between the command and the first byte, and between every two bytes.
    std::chrono::milliseconds byteDelay{0};
    // Command word -> error number (0 to 99) answered instead of the normal reply; the command has no effect.
    std::map<std::string, int> errors{};
    // Command word -> reply line (without its CR) answered instead of the normal reply, for replies the model
    // never gives, such as unknown codes; the command has no effect.
    std::map<std::string, std::string> replies{};
    // An LF after every CR.
    bool trailingLf = false;
    // Every reply line gets a filler field that makes it longer than 31 bytes.
    bool longReply = false;
    // Command words whose replies lose their last field.
    std::set<std::string> shortReplies{};

    bool operator==(const Faults&) const = default;
};

} // namespace tq73sim
