#pragma once

#include <string>
#include <string_view>

namespace tq73sim {

// Bytes as one printable line: CR, LF, backslash and every other byte outside 0x20-0x7E are written as escapes
// (\r, \n, \\, \xNN), so a log line shows exactly what was on the wire.
std::string Escaped(std::string_view bytes);

} // namespace tq73sim
