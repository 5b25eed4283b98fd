#pragma once

#include "sim/escaped.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tq73sim {

// One line on the wire as the device saw it: a command received (without its CR) or a reply sent (every byte,
// CR and any LF included).
struct WireLine {
    enum class Direction { Received, Sent };
    Direction direction;
    std::string bytes;

    bool operator==(const WireLine&) const = default;
    // The form of the log: "> GINF", "< OKTQ-73,TQ73-0001,123\r".
    friend std::ostream& operator<<(std::ostream& os, const WireLine& line) {
        return os << (line.direction == Direction::Received ? "> " : "< ") << Escaped(line.bytes);
    }
};

using Transcript = std::vector<WireLine>;

inline WireLine Received(std::string bytes) {
    return {WireLine::Direction::Received, std::move(bytes)};
}

inline WireLine Sent(std::string bytes) {
    return {WireLine::Direction::Sent, std::move(bytes)};
}

} // namespace tq73sim
