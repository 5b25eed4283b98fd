#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tq73sim {

// Splits what a terminal sends into lines ended by LF. A line keeps at most kMaxLength bytes, so input that never
// ends a line cannot grow without bound.
class InputLines {
public:
    static constexpr std::size_t kMaxLength = 256;

    // The lines that `bytes` completed, without their LF.
    std::vector<std::string> Push(std::string_view bytes);
    // The last line when the input ends without an LF; empty when there is none.
    std::string Finish();

private:
    std::string m_line;
};

} // namespace tq73sim
