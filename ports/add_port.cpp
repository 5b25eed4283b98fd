#include "ports/add_port.h"

#include "protocol/decimal.h"

#include <string_view>
#include <utility>

bool AddPort(PortTable& table, std::string name, CodePage codePage) {
    constexpr std::string_view kPrefix = "(COM";
    constexpr auto npos = std::string_view::npos;

    const std::size_t prefix = FindInCodePage(name, kPrefix, codePage);
    if (prefix == npos) {
        return false;
    }
    // The prefix is ASCII, so the text after it starts on a character boundary.
    const std::size_t start = prefix + kPrefix.size();
    const std::size_t end = FindInCodePage(name, ")", codePage, start);
    if (end == npos) {
        return false;
    }
    const std::string_view number = std::string_view(name).substr(start, end - start);
    // Only a leading digit counts: blanks and signs, which a decimal conversion would accept, do not.
    if (!number.empty() && (number.front() < '0' || number.front() > '9')) {
        return false;
    }
    std::string port = "COM" + std::to_string(ParseDecimal(number));
    return table.Add(PortEntry{std::move(name), std::move(port)});
}
