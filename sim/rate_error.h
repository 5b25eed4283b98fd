#pragma once

#include <string>

namespace tq73sim {

// The UART clock of the device: 14.7456 MHz with 16 times oversampling, so the usual rates divide it exactly.
inline constexpr double kUartClockHz = 14'745'600.0;
inline constexpr int kOversampling = 16;

// How far the rate the UART really makes is from `rate` (> 0), in percent with two decimals: "0.00", "-7.84".
std::string RateErrorText(int rate);

} // namespace tq73sim
