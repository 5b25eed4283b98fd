#pragma once

#include "sim/wire_line.h"

#include <fstream>
#include <string>

namespace tq73sim {

// The --log file: one line per command received ("> GINF") and per reply sent ("< OKTQ-73,TQ73-0001,123\r"),
// written as they happen.
class TranscriptLog {
public:
    // Creates or empties the file.
    explicit TranscriptLog(const std::string& path);

    bool isOpen() const { return m_file.is_open(); }
    void Write(const WireLine& line);

private:
    std::ofstream m_file;
};

} // namespace tq73sim
