#include "protocol/decimal.h"

#include <algorithm>
#include <limits>

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::int32_t ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // One past the largest magnitude is enough to know the value is clamped.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        magnitude = std::min(magnitude * 10 + (text[pos] - '0'), limit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return static_cast<std::int32_t>(value);
}
