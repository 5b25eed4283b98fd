#pragma once

#include "protocol/code_page.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// How the fuzz targets read their inputs. The seed corpora are written in these forms, so that a seed stays
// readable: a code page selector byte, then texts separated by NUL bytes, which no friendly name, reply field
// or edit field can contain.

// An odd selector ('1') is code page 932, an even one ('0') UTF-8.
CodePage CodePageFrom(std::uint8_t selector);

std::string_view AsText(const std::uint8_t* data, std::size_t size);

std::vector<std::string_view> SplitAtNul(std::string_view bytes);

// Whether the ASCII byte at `pos` is a character of its own rather than the second byte of a double-byte
// character. In code page 932 a byte outside the lead byte range always ends a character, so that holds
// exactly when an even number of lead-range bytes comes directly before it.
bool IsAsciiCharacterAt(std::string_view text, std::size_t pos, CodePage codePage);
