#pragma once

#include <string>
#include <string_view>

namespace tq73sim {

// A reply line (without CR) that has lost its last field: "OKA,11" from "OKA,11,13". A line of one field is kept.
std::string WithoutLastField(std::string_view reply);

// A reply line (without CR) with a filler field appended that makes it longer than 31 bytes, the most a host's
// 32-byte buffer holds before the CR.
std::string Lengthened(std::string_view reply);

} // namespace tq73sim
