#pragma once

#include <cstddef>
#include <string_view>

// One contender of the load benchmark: an open connection to the responder.
class LoadClient {
public:
    virtual ~LoadClient() = default;
    // Sends the command with its CR and reads the reply line up to its CR; false when either failed or the
    // reply is not a success.
    virtual bool Exchange(std::string_view command) = 0;
};

// Reads a reply line one byte per call of `readByte` (a bool(char&) that is false when no byte came) up to its
// CR: true when the line is a success, OK and a payload.
template <typename ReadByte> bool ReadSuccessLine(ReadByte readByte) {
    char first[2];
    for (std::size_t i = 0;; ++i) {
        char byte;
        if (!readByte(byte)) {
            return false;
        }
        if (i < 2) {
            first[i] = byte;
        }
        if (byte == '\r') {
            return i >= 2 && first[0] == 'O' && first[1] == 'K';
        }
    }
}
