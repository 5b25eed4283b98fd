#pragma once

#include <cstdint>
#include <string_view>

// Reads a decimal integer the way the C library's atoi does (leading white space and one sign accepted,
// conversion stops at the first other character, no digits give 0), but clamped to the 32-bit range
// instead of overflowing.
std::int32_t ParseDecimal(std::string_view text);
