#include "sim/line_assembler.h"

#include <utility>

namespace tq73sim {

std::optional<CommandLine> LineAssembler::Push(char byte) {
    if (byte == '\r') {
        return std::exchange(m_line, {});
    }
    if (byte == '\n') {
        return std::nullopt;
    }
    if (m_line.text.size() < kMaxCommandLength) {
        m_line.text += byte;
    } else {
        m_line.tooLong = true;
    }
    return std::nullopt;
}

} // namespace tq73sim
