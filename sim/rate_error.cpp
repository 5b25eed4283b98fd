#include "sim/rate_error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace tq73sim {

std::string RateErrorText(int rate) {
    const double perDivisor = kUartClockHz / kOversampling;
    const double divisor = std::max(1.0, std::round(perDivisor / rate));
    const double actual = perDivisor / divisor;
    const double percent = (actual - rate) / rate * 100.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", percent);
    // An error that rounds to nothing reads "0.00", whichever side of the rate it lies on.
    return text == std::string_view("-0.00") ? "0.00" : text;
}

} // namespace tq73sim
