#include "sim/input_lines.h"

#include <algorithm>
#include <utility>

namespace tq73sim {

std::vector<std::string> InputLines::Push(std::string_view bytes) {
    std::vector<std::string> lines;
    for (std::size_t end = bytes.find('\n'); !bytes.empty(); end = bytes.find('\n')) {
        const std::string_view part = bytes.substr(0, end);
        m_line.append(part.substr(0, kMaxLength - std::min(kMaxLength, m_line.size())));
        if (end == std::string_view::npos) {
            break;
        }
        lines.push_back(std::exchange(m_line, {}));
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string InputLines::Finish() {
    return std::exchange(m_line, {});
}

} // namespace tq73sim
