#pragma once

#include <cstddef>
#include <string_view>

// The code page in which byte texts are searched character by character.
// Utf8: no ASCII byte is ever part of a longer character, so a byte search is already safe.
// Cp932: Shift-JIS, where a lead byte takes the next byte with it.
enum class CodePage { Utf8, Cp932 };

// The code page of the system the program runs on.
constexpr CodePage SystemCodePage() {
    return CodePage::Utf8;
}

// Length in bytes of the character starting at text[pos]; never steps past the end of text.
std::size_t CharLength(std::string_view text, std::size_t pos, CodePage codePage);

// First position at or after `from` where `needle` starts on a character boundary, or npos.
std::size_t FindInCodePage(std::string_view text, std::string_view needle, CodePage codePage, std::size_t from = 0);
